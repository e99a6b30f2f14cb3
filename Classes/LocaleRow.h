#pragma once
#include <QMetaType>
#include <QString>
#include <QVariant>

// One row of the language table: two texts under the keys that name the table's columns. Held as
// a small record rather than a map, as a long list has a row per language.
namespace LocaleRow {

inline const QString kLanguageName = QStringLiteral("languagename");
inline const QString kIsoDesignator = QStringLiteral("isodesignator");

struct Record {
    QString languageName;
    QString isoDesignator;
};

} // namespace LocaleRow

Q_DECLARE_METATYPE(LocaleRow::Record)

namespace LocaleRow {

inline QVariant make(const QString& languageName, const QString& isoDesignator)
{
    return QVariant::fromValue(Record{languageName, isoDesignator});
}

inline bool isRow(const QVariant& row)
{
    return row.metaType() == QMetaType::fromType<Record>();
}

// The text of a row under a column's key; none for another key or for what is not a row.
inline QVariant column(const QVariant& row, const QString& key)
{
    if (!isRow(row))
        return {};
    const auto* record = static_cast<const Record*>(row.constData());
    if (key == kLanguageName)
        return record->languageName;
    if (key == kIsoDesignator)
        return record->isoDesignator;
    return {};
}

// The row's language identifier; empty for a row that has none.
inline QString isodesignator(const QVariant& row)
{
    return isRow(row) ? static_cast<const Record*>(row.constData())->isoDesignator : QString();
}

} // namespace LocaleRow
