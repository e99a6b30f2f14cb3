#pragma once
#include <QString>
#include <QVariant>

// One row of the language table: a record of two texts under the keys that name the table's
// columns.
namespace LocaleRow {

inline const QString kLanguageName = QStringLiteral("languagename");
inline const QString kIsoDesignator = QStringLiteral("isodesignator");

inline QVariant make(const QString& languageName, const QString& isoDesignator)
{
    return QVariantMap{{kLanguageName, languageName}, {kIsoDesignator, isoDesignator}};
}

// The row's language identifier; empty for a row that has none.
inline QString isodesignator(const QVariant& row)
{
    return row.toMap().value(kIsoDesignator).toString();
}

} // namespace LocaleRow
