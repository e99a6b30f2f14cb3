// Which translation the program speaks, from the user's preferred languages in their order.
#include "platform/Bundle.h"
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTranslator>

namespace {

// The translations the program ships, by their file names.
const QStringList shipped = {"en", "de", "fr", "es", "it", "pt_BR", "ja", "zh_Hans", "ru"};

QString chosen(const QStringList& preferred)
{
    return bundle::preferredLocalization(shipped, preferred);
}

TEST(LanguageChoice, TheFirstPreferredLanguageWithATranslationWins)
{
    EXPECT_EQ(chosen({"fr", "de"}), "fr");
    EXPECT_EQ(chosen({"de", "fr"}), "de");
    EXPECT_EQ(chosen({"eo", "ko", "it", "ja"}), "it") << "untranslated languages are passed over";
    EXPECT_EQ(chosen({"en", "ja"}), "en") << "English is a translation like the others";
    EXPECT_EQ(chosen({"ja"}), "ja");
    EXPECT_EQ(chosen({"ru", "en"}), "ru");
    EXPECT_EQ(bundle::preferredLocalization({"en", "de"}, {"fr", "de"}), "de") << "only what is there counts";
}

TEST(LanguageChoice, EnglishWhenNoneIsTranslated)
{
    EXPECT_EQ(chosen({"eo", "ko", "sv"}), "en");
    EXPECT_EQ(chosen({}), "en");
    EXPECT_EQ(chosen({"C"}), "en") << "what Qt reports for LANG=C";
    EXPECT_EQ(chosen({""}), "en");
    EXPECT_EQ(bundle::preferredLocalization({}, {"de"}), "en");
}

TEST(LanguageChoice, RegionalAndScriptVariantsFindTheirLanguage)
{
    EXPECT_EQ(chosen({"de-AT", "fr"}), "de");
    EXPECT_EQ(chosen({"fr_CA"}), "fr");
    EXPECT_EQ(chosen({"es-419"}), "es");
    EXPECT_EQ(chosen({"en-GB", "de"}), "en");
    EXPECT_EQ(chosen({"ru_RU.UTF-8"}), "ru") << "a Linux locale name with its encoding";
    EXPECT_EQ(chosen({"ja-JP", "en"}), "ja");
}

TEST(LanguageChoice, ChineseAndPortugueseGoByScriptAndRegion)
{
    // Apple's names, with and without the region macOS appends.
    EXPECT_EQ(chosen({"zh-Hans"}), "zh_Hans");
    EXPECT_EQ(chosen({"zh-Hans-CN"}), "zh_Hans");
    EXPECT_EQ(chosen({"zh-Hans-SG"}), "zh_Hans");
    EXPECT_EQ(chosen({"pt-BR"}), "pt_BR");
    EXPECT_EQ(chosen({"ZH-hans", "de"}), "zh_Hans") << "case does not matter";
    // Linux names, which name the region only.
    EXPECT_EQ(chosen({"zh_CN"}), "zh_Hans");
    EXPECT_EQ(chosen({"pt_BR"}), "pt_BR");
    EXPECT_EQ(chosen({"pt"}), "pt_BR") << "Portuguese alone is Brazil's, as on a Mac";
    // Traditional Chinese and Portugal's Portuguese are not what is shipped: the next language.
    EXPECT_EQ(chosen({"zh-Hant-TW", "ja"}), "ja");
    EXPECT_EQ(chosen({"zh_TW", "ja"}), "ja");
    EXPECT_EQ(chosen({"zh-HK", "fr"}), "fr");
    EXPECT_EQ(chosen({"pt-PT", "es"}), "es");
}

TEST(LanguageChoice, ThePlatformsOwnListsFindTheShippedFiles)
{
    // What the program carries, and what QLocale reports for the names a Mac or LANGUAGE gives.
    QStringList carried = bundle::localizations();
    carried.sort();
    QStringList expected = shipped;
    expected.sort();
    EXPECT_EQ(carried, expected);
    const struct {
        const char* name;
        const char* localization;
    } cases[] = {
        {"zh-Hans-CN", "zh_Hans"},
        {"zh_CN", "zh_Hans"},
        {"pt-BR", "pt_BR"},
        {"de-CH", "de"},
        {"fr-BE", "fr"},
        {"es-MX", "es"},
        {"it-IT", "it"},
        {"ja-JP", "ja"},
        {"ru-UA", "ru"},
        {"en-AU", "en"},
        {"ko-KR", "en"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QLocale locale(QString::fromLatin1(c.name));
        EXPECT_EQ(bundle::preferredLocalization(carried, locale.uiLanguages()), QString::fromLatin1(c.localization));
        // QTranslator's own lookup from the same name finds the same file, where there is one.
        QTranslator translator;
        if (translator.load(locale, QStringLiteral("quorrel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            EXPECT_TRUE(translator.filePath().endsWith(QStringLiteral("/quorrel_%1.qm").arg(QString::fromLatin1(c.localization))))
                << translator.filePath().toStdString();
        else
            EXPECT_STREQ(c.localization, "en") << "QTranslator finds no file";
    }
}

} // namespace
