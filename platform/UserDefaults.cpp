#include "UserDefaults.h"

#ifdef Q_OS_MACOS
#include <QSettings>
#else
#include "PlistStore.h"
#include "PlistVariant.h"

#include <QFile>

#include <sys/stat.h>
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

bool UserDefaults::setObject(const QVariant& value, const QString& key)
{
    settings().setValue(key, value);
    return true;
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

// Changes whenever the file is replaced or rewritten (the store replaces it by a rename, so the
// inode alone tells most), and when it appears or goes.
static QByteArray stampOf(const QString& path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QByteArrayLiteral("none");
    const qint64 parts[] = {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
                            qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec),
                            qint64(st.st_ctim.tv_sec), qint64(st.st_ctim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(parts), sizeof parts);
}

void UserDefaults::reload()
{
    const QString path = storePath();
    if (path != loadedFrom_)
        unsaved_.clear(); // they were meant for another home
    loadedFrom_ = path;
    loadedStamp_ = stampOf(path);
    values_.clear();
    const plist_store::Loaded loaded = plist_store::load(loadedFrom_.toStdString());
    if (loaded.status == plist_store::LoadStatus::Ok)
        values_ = plist_variant::toVariant(loaded.dict.get()).toMap();
    for (auto it = unsaved_.cbegin(); it != unsaved_.cend(); ++it)
        values_.insert(it.key(), it.value());
}

QVariantMap& UserDefaults::values()
{
    // HOME can change (tests do it), and other processes write the file (`defaults write`).
    if (loadedFrom_.isNull() || loadedFrom_ != storePath() || loadedStamp_ != stampOf(loadedFrom_))
        reload();
    return values_;
}

QVariant UserDefaults::objectForKey(const QString& key)
{
    return values().value(key);
}

bool UserDefaults::store(const QString& key, const QVariant& value)
{
    plist_t node = plist_variant::fromVariant(value);
    if (!node)
        return false;
    const plist_store::WriteStatus status = plist_store::writeKey(loadedFrom_.toStdString(), key.toStdString(), node);
    if (status != plist_store::WriteStatus::Ok) {
        qWarning("Quorrel: could not store %s in %s; it is kept for now and stored again later", qPrintable(key),
                 qPrintable(loadedFrom_));
        return false;
    }
    return true;
}

bool UserDefaults::setObject(const QVariant& value, const QString& key)
{
    values();
    if (!plist_store::PlistPtr(plist_variant::fromVariant(value)))
        return false; // nothing the store could hold; storing "nothing" would delete the key
    values_.insert(key, value);
    unsaved_.insert(key, value);
    if (!store(key, value))
        return false;
    unsaved_.remove(key);
    loadedStamp_ = stampOf(loadedFrom_); // our own write needs no re-read
    return true;
}

bool UserDefaults::synchronize()
{
    values();
    for (auto it = unsaved_.begin(); it != unsaved_.end();)
        it = store(it.key(), it.value()) ? unsaved_.erase(it) : std::next(it);
    reload();
    return unsaved_.isEmpty();
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

bool UserDefaults::setBool(bool value, const QString& key)
{
    return setObject(QVariant(value), key);
}
