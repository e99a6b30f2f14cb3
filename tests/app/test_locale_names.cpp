// How identifiers are compared and named: by ICU, on checked input, whatever the system stores.
#include "Classes/QuorrelAppDelegate.h"
#include "platform/Locale.h"
#include "platform/LocaleIdentifier.h"
#include "platform/RegionFormats.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <unicode/uldnames.h>

namespace {

// ICU's own dialect name of `identifier` in `display`, through its C interface; its data differs
// between versions (ICU 72 and 78 name zh-Hans-CN differently), so tests compare with it.
QString icuDialectName(const char* display, const char* identifier)
{
    UErrorCode status = U_ZERO_ERROR;
    ULocaleDisplayNames* names = uldn_open(display, ULDN_DIALECT_NAMES, &status);
    UChar buffer[256];
    const int32_t length = uldn_localeDisplayName(names, identifier, buffer, 256, &status);
    uldn_close(names);
    return U_SUCCESS(status) ? QString::fromUtf16(buffer, length) : QStringLiteral("<ICU failed>");
}

TEST(LocaleIdentifiers, LanguagesAreComparedByTheirBase)
{
    const struct {
        const char* identifier;
        const char* base;
    } cases[] = {
        {"en", "en-Latn"},
        {"en-US", "en-Latn"},
        {"en_GB", "en-Latn"},
        {"en-GB@rg=dezzzz", "en-Latn"},
        {"zh-Hans-CN", "zh-Hans"},
        {"zh_CN", "zh-Hans"},
        {"zh-Hant-HK", "zh-Hant"},
        {"zh_HK", "zh-Hant"},
        {"pt-PT", "pt-Latn"},
        {"es-419", "es-Latn"},
        {"sr-Latn-RS", "sr-Latn"},
        {"sr_RS", "sr-Cyrl"},
        {"fil", "fil-Latn"},
        {"yue-Hant-HK", "yue-Hant"},
        {"haw_US", "haw-Latn"},
        // What ICU cannot take is its own base, and matches only itself.
        {"", ""},
        {"abcdefghijkl", "abcdefghijkl"},
        {"en_US@currency=", "en_US@currency="},
    };
    for (const auto& c : cases)
        EXPECT_EQ(locale_id::base(QString::fromLatin1(c.identifier)), QString::fromLatin1(c.base)) << c.identifier;
}

TEST(LocaleIdentifiers, RegionsAreComparedAsPlaces)
{
    EXPECT_EQ(locale_id::regionKey("zh_CN"), locale_id::regionKey("zh_Hans_CN"));
    EXPECT_EQ(locale_id::regionKey("en_US@rg=dezzzz"), locale_id::regionKey("en_US"));
    EXPECT_NE(locale_id::regionKey("en_US"), locale_id::regionKey("en_GB"));
    EXPECT_NE(locale_id::regionKey("zh_HK"), locale_id::regionKey("zh_Hans_HK"));
    EXPECT_EQ(locale_id::effectiveRegion("en_US@rg=dezzzz"), "DE");
    EXPECT_EQ(locale_id::effectiveRegion("en_GB@rg=001zzzz"), "001");
    EXPECT_EQ(locale_id::effectiveRegion("en_US@rg=d"), "") << "an rg ICU cannot take: nothing is read from it";
    EXPECT_EQ(locale_id::effectiveRegion("es-419"), "419");

    const QStringList saved{"de_DE", "en_US", "en_US@currency=EUR"};
    EXPECT_EQ(locale_id::indexOfLocale(saved, "en_US@currency=EUR"), 2) << "the identifier itself first";
    EXPECT_EQ(locale_id::indexOfLocale(saved, "en_US@rg=dezzzz"), 1) << "else the same place";
    EXPECT_EQ(locale_id::indexOfLocale(saved, "fr_FR"), -1);
    const QStringList languages{"en-GB", "de-DE", "de", "fr-CA"};
    EXPECT_EQ(locale_id::indexOfLanguage(languages, "de"), 2) << "the identifier itself first";
    EXPECT_EQ(locale_id::indexOfLanguage(languages, "de_AT"), 1) << "else the first of its base";
    EXPECT_EQ(locale_id::indexOfLanguage(languages, "fr-FR"), 3);
    EXPECT_EQ(locale_id::indexOfLanguage(languages, "pt"), -1);
}

TEST(LocaleNames, TheWholeIdentifierIsNamedInTheDisplayLanguage)
{
    EXPECT_EQ(Locale("en-GB").displayNameForIdentifier("en-GB"), "British English");
    EXPECT_EQ(Locale("de").displayNameForIdentifier("de"), "Deutsch");
    EXPECT_EQ(Locale("de").displayNameForIdentifier("en"), "Englisch");
    EXPECT_EQ(Locale("en").displayNameForIdentifier("pt-PT"), "European Portuguese");
    EXPECT_EQ(Locale("en").displayNameForIdentifier("es-419"), "Latin American Spanish");
    EXPECT_EQ(Locale("zh-Hans-CN").displayNameForIdentifier("zh-Hans-CN"), icuDialectName("zh_Hans_CN", "zh_Hans_CN"));
    EXPECT_TRUE(Locale("zh-Hans-CN").displayNameForIdentifier("zh-Hans-CN").value_or(QString()).contains(QString::fromUtf8("中国")));
    EXPECT_FALSE(Locale("en").displayNameForIdentifier("qq")) << "a code ICU only echoes";
}

TEST(LocaleNames, WhatIcuCannotTakeIsNeitherNamedNorAllowedToOverrun)
{
    // A 12-letter language once filled ICU's language buffer without its terminator.
    for (const char* odd : {"abcdefghijkl", "abcdefghijkl_DE", "en_US@currency=", "en@calendar=", "en_US@=x", "",
                            "_DE", "de\xc3\xa9", "de AT"}) {
        SCOPED_TRACE(odd);
        const QString identifier = QString::fromUtf8(odd);
        EXPECT_FALSE(Locale("en").displayNameForIdentifier(identifier));
        EXPECT_TRUE(Locale("en").keywordNames(identifier).isEmpty());
        // As the language to name in: ICU's root names, no crash.
        (void)Locale(identifier).displayNameForIdentifier("de");
        EXPECT_EQ(QuorrelAppDelegate::regionRowText(Locale("en"), identifier), identifier) << "shown as it stands";
    }
}

TEST(LocaleNames, RegionRowsNameTheCountryAndWhatTheKeywordsMean)
{
    const struct {
        const char* display;
        const char* identifier;
        const char* row;
    } cases[] = {
        {"de", "de_AT", "de_AT (Österreich)"},
        {"en", "en_US@rg=dezzzz", "en_US (Germany)"},
        {"en", "en_US@currency=EUR", "en_US (United States, Euro)"},
        {"en", "ja_JP@calendar=japanese", "ja_JP (Japan, Japanese Calendar)"},
        {"zh-Hans-CN", "zh_CN", "zh_CN (中国)"},
        {"ja", "ja_JP", "ja_JP (日本)"},
        {"en", "es_419", "es_419 (Latin America)"},
        {"en", "haw", "haw"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuorrelAppDelegate::regionRowText(Locale(QString::fromLatin1(c.display)), QString::fromLatin1(c.identifier)),
                  QString::fromUtf8(c.row));
}

} // namespace

// Names in the language table and the formats' weekday, as a list or menu shows them: capitalised
// where the language capitalises list items, and the weekday in its standalone form.
TEST(LocaleNames, NamesAndWeekdaysAreCapitalisedAsListItems)
{
    EXPECT_EQ(Locale("fr").displayNameForIdentifier("en"), "Anglais");
    EXPECT_EQ(Locale("es").displayNameForIdentifier("de"), QString::fromUtf8("Alemán"));
    EXPECT_EQ(Locale("ru").displayNameForIdentifier("en"), QString::fromUtf8("Английский"));
    EXPECT_EQ(Locale("de").displayNameForIdentifier("fr"), QString::fromUtf8("Französisch"));
    EXPECT_EQ(Locale("en").displayNameForIdentifier("fr"), "French");

    const QDateTime moment(QDate(2026, 3, 4), QTime(12, 0), QTimeZone::utc());
    auto weekday = [&](const char* region) { return RegionFormats::of(QString::fromLatin1(region), moment).value_or(RegionFormats()).firstDayOfWeek; };
    EXPECT_EQ(weekday("es_ES"), "Lunes");
    EXPECT_EQ(weekday("ru_RU"), QString::fromUtf8("Понедельник"));
    EXPECT_EQ(weekday("de_DE"), "Montag");
    EXPECT_EQ(weekday("en_US"), "Sunday");
}
