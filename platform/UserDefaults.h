#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The stand-in for NSUserDefaults: the program's own settings in its own domain. On Linux the
// domain is a property-list file in ~/Library/Preferences, shared with the `defaults` stand-in;
// on macOS it is the real preferences system, through QSettings.
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
    // processes are kept.
    void setObject(const QVariant& value, const QString& key);
    void setBool(bool value, const QString& key);
    // Re-reads what is stored, picking up changes made by others.
    bool synchronize();

private:
    UserDefaults() = default;
    QVariantMap& values();
    void reload();

    QString loadedFrom_;
    QVariantMap values_;
};
