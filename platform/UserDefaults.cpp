#include "UserDefaults.h"

#ifdef Q_OS_MACOS
#include <QSettings>
#else
#include "PlistStore.h"
#include "PlistVariant.h"
#endif

UserDefaults& UserDefaults::standardUserDefaults()
{
    static UserDefaults defaults;
    return defaults;
}

#ifdef Q_OS_MACOS

static QSettings& settings()
{
    static QSettings store(QStringLiteral("quorrel.org"), QStringLiteral("Quorrel"));
    return store;
}

QVariantMap& UserDefaults::values()
{
    return values_;
}

void UserDefaults::reload() {}

QVariant UserDefaults::objectForKey(const QString& key)
{
    return settings().value(key);
}

void UserDefaults::setObject(const QVariant& value, const QString& key)
{
    settings().setValue(key, value);
}

bool UserDefaults::synchronize()
{
    settings().sync();
    return settings().status() == QSettings::NoError;
}

#else

static QString storePath()
{
    return QString::fromStdString(plist_store::domainPath(UserDefaults::kDomain.toStdString()));
}

void UserDefaults::reload()
{
    loadedFrom_ = storePath();
    values_.clear();
    const plist_store::Loaded loaded = plist_store::load(loadedFrom_.toStdString());
    if (loaded.status == plist_store::LoadStatus::Ok)
        values_ = plist_variant::toVariant(loaded.dict.get()).toMap();
}

QVariantMap& UserDefaults::values()
{
    // HOME can change (tests do it); the store follows it.
    if (loadedFrom_.isNull() || loadedFrom_ != storePath())
        reload();
    return values_;
}

QVariant UserDefaults::objectForKey(const QString& key)
{
    return values().value(key);
}

void UserDefaults::setObject(const QVariant& value, const QString& key)
{
    values().insert(key, value);
    plist_store::writeKey(loadedFrom_.toStdString(), key.toStdString(), plist_variant::fromVariant(value));
}

bool UserDefaults::synchronize()
{
    reload();
    return true;
}

#endif

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

void UserDefaults::setBool(bool value, const QString& key)
{
    setObject(QVariant(value), key);
}
