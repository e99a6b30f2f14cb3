// The program's own user defaults as a property-list file,
// ~/Library/Preferences/org.quorrel.Quorrel.plist, shared with the `defaults` stand-in: on Linux,
// and in the tests everywhere (on a Mac they must never reach the user's real settings).
#include "UserDefaults.h"

#include "PlistVariant.h"
#include "plist/PlistStore.h"

#include <sys/stat.h>

// Bytes, not text: a HOME that is not UTF-8 would otherwise turn into the name of another folder.
static QByteArray storePath()
{
    return QByteArray::fromStdString(plist_store::domainPath(UserDefaults::kDomain.toStdString()));
}

// Changes whenever the file is replaced or rewritten (the store replaces it by a rename, so the
// inode alone tells most), and when it appears or goes.
static QByteArray stampOf(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return QByteArrayLiteral("none");
#ifdef __APPLE__
    // The tests run this on a Mac too, where the nanosecond times have other names.
    const timespec& modified = st.st_mtimespec;
    const timespec& changed = st.st_ctimespec;
#else
    const timespec& modified = st.st_mtim;
    const timespec& changed = st.st_ctim;
#endif
    const qint64 parts[] = {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
                            qint64(modified.tv_sec), qint64(modified.tv_nsec),
                            qint64(changed.tv_sec), qint64(changed.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(parts), sizeof parts);
}

void UserDefaults::reload()
{
    const QByteArray path = storePath();
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
                 loadedFrom_.constData());
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
