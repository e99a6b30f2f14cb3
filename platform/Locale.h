#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class LocaleDisplayNames;
U_NAMESPACE_END

// The stand-in for NSLocale over ICU: a locale used as the language in which names are shown.
class Locale {
public:
    // An identifier ICU cannot take (empty, or not well formed) names in ICU's root language.
    explicit Locale(const QString& identifier);
    ~Locale();
    Locale(const Locale&) = delete;
    Locale& operator=(const Locale&) = delete;

    // Every locale identifier the platform knows, in underscore form (de_AT, zh_Hans_CN).
    static QStringList availableLocaleIdentifiers();

    // The display name of a whole language or locale identifier in this locale's language, as a
    // Mac names its languages: en-GB is "British English", de shown in German "Deutsch", de_AT
    // shown in English "Austrian German", zh-Hans-CN "Simplified Chinese (China)". None for an
    // identifier that is not well formed or whose language ICU does not know.
    std::optional<QString> displayNameForIdentifier(const QString& identifier) const;
    // How many identifiers displayNameForIdentifier has named in this process: ICU's naming is
    // the costly part of a long list, and this counts it.
    static uint64_t identifiersNamed();

    // The name of a region code (DE, 419) in this locale's language; none for a code ICU does
    // not know.
    std::optional<QString> regionName(const QString& code) const;

    // What the keywords of a locale identifier other than "rg" stand for, in this locale's
    // language: en_US@currency=EUR gives "Euro", ja_JP@calendar=japanese "Japanese Calendar".
    // A keyword ICU has no name for reads "Key: value" with the key's name.
    QStringList keywordNames(const QString& identifier) const;

private:
    std::unique_ptr<icu::LocaleDisplayNames> names_;
};
