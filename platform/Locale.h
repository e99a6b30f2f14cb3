#pragma once
#include <QString>
#include <QStringList>

#include <optional>

// The stand-in for NSLocale over ICU: a locale used as the language in which names are shown.
class Locale {
public:
    explicit Locale(const QString& identifier);

    // Every locale identifier the platform knows, in underscore form (de_AT, zh_Hans_CN).
    static QStringList availableLocaleIdentifiers();

    // The display name of a language or locale identifier in this locale's language: "Deutsch"
    // for de shown in German, "German (Austria)" for de_AT shown in English. None for an empty
    // identifier or one whose language ICU does not know.
    std::optional<QString> displayNameForIdentifier(const QString& identifier) const;

private:
    QByteArray icuIdentifier_;
};
