#include "UserDefaults.h"

// What reads the same on every system; where the values live is in UserDefaultsStandIn.cpp (a
// property-list file, on Linux and in the tests) or UserDefaultsMac.cpp (the Mac's own
// preferences system).

UserDefaults& UserDefaults::standardUserDefaults()
{
    static UserDefaults defaults;
    return defaults;
}

std::optional<QVariantList> UserDefaults::arrayForKey(const QString& key)
{
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList)
        return value.toList();
    return std::nullopt;
}

std::optional<QStringList> UserDefaults::stringArrayForKey(const QString& key)
{
    const std::optional<QVariantList> list = arrayForKey(key);
    if (!list)
        return std::nullopt;
    QStringList texts;
    for (const QVariant& element : *list) {
        if (element.typeId() != QMetaType::QString)
            return std::nullopt;
        texts.append(element.toString());
    }
    return texts;
}

bool UserDefaults::boolForKey(const QString& key)
{
    const QVariant value = objectForKey(key);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return value.toBool();
    case QMetaType::QString: {
        // As NSUserDefaults does: "YES"/"true" and numbers other than 0 read as true.
        const QString text = value.toString().trimmed().toLower();
        return text == u"yes" || text == u"true" || text.toLongLong() != 0;
    }
    default:
        return false;
    }
}

bool UserDefaults::setBool(bool value, const QString& key)
{
    return setObject(QVariant(value), key);
}
