#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The stand-in for NSUserDefaults: the program's own settings in its own domain. On Linux (and in
// the tests everywhere) the domain is a property-list file in ~/Library/Preferences, shared with
// the `defaults` stand-in (UserDefaultsStandIn.cpp); in the Mac app it is the real preferences
// system, through CFPreferences (UserDefaultsMac.cpp). Both see other processes' writes at the
// next read and keep a value that could not be stored for the session.
class UserDefaults {
public:
    static inline const QString kDomain = QStringLiteral("org.quorrel.Quorrel");

    static UserDefaults& standardUserDefaults();

    QVariant objectForKey(const QString& key);
    // The value only when it is a list whose every element is a text.
    std::optional<QStringList> stringArrayForKey(const QString& key);
    // The value only when it is a list.
    std::optional<QVariantList> arrayForKey(const QString& key);
    // False when absent or not a boolean-like value.
    bool boolForKey(const QString& key);

    // Each change is stored at once, one key at a time, so writes of other keys by other
    // processes are kept. False when it could not be stored: the value still holds for this
    // session, and synchronize() tries again. A value with no property-list form is refused.
    bool setObject(const QVariant& value, const QString& key);
    bool setBool(bool value, const QString& key);
    // Stores what could not be stored before and re-reads the rest, picking up changes made by
    // others. False while a value is still not stored.
    bool synchronize();

private:
    UserDefaults() = default;
    // Stores one key where the settings live; false when that failed.
    bool store(const QString& key, const QVariant& value);

    QVariantMap unsaved_; // set this session but not stored yet

    // The property-list file only: what is stored, re-read when another process has changed it,
    // with the values not yet stored over it.
    QVariantMap& values();
    void reload();
    QByteArray loadedFrom_;  // the file's path, HOME's bytes as they are
    QByteArray loadedStamp_; // identity and times of the file last read
    QVariantMap values_;
};
