// The fallback language of the selected saved combination.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/Bundle.h"
#include "platform/Locale.h"
#include "platform/host/UserDefaults.h"

#include <QCoreApplication>

using Fallback = QuorrelFixture;

namespace {
const QString noFallback = QStringLiteral("No second language");

void useEnglishStrings()
{
    static bool installed = false;
    if (!installed)
        bundle::installStringTables(*QCoreApplication::instance());
    installed = true;
}
} // namespace

TEST(StringTable, KeysMissingFromTheTableStandForThemselves)
{
    useEnglishStrings();
    EXPECT_EQ(bundle::localizedStringForKey("NoFallbackLanguage", "", "Localizable"), noFallback);
    EXPECT_EQ(bundle::localizedStringForKey("NoSuchKey", "", "Localizable"), "NoSuchKey");
    EXPECT_EQ(bundle::localizedStringForKey("NoSuchKey", "Default", "Localizable"), "Default");
    EXPECT_EQ(bundle::localizedStringForKey("NoFallbackLanguage", "", "OtherTable"), "NoFallbackLanguage");
}

TEST_F(Fallback, TheMenuOffersEveryLanguageButTheFirstSorted)
{
    useEnglishStrings();
    const struct {
        const char* languages;
        QStringList items;
    } cases[] = {
        {"(de, en, fr, ja)", {noFallback, "en", "fr", "ja"}},
        {"(ja, fr, en, de)", {noFallback, "de", "en", "fr"}},
        {"(\"zh-Hans\", Zh, de, \"en-GB\", en)", {noFallback, "Zh", "de", "en", "en-GB"}},
        {"(de)", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.languages);
        writeGlobal("AppleLanguages", c.languages);
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(d.outlets.fallbackLanguagesMenu->itemTitles(), c.items);
        EXPECT_EQ(d.outlets.fallbackLanguagesMenu->isEnabled(), !c.items.isEmpty());
    }
}

TEST_F(Fallback, TheSelectedEntrysFallbackIsShownSecondButNotWritten)
{
    useEnglishStrings();
    const struct {
        const char* languages;
        const char* entry;
        const char* selected;
        QStringList shown;
    } cases[] = {
        {"(de, en, fr, ja)", "de_DE,fr", "fr", {"de", "fr", "en", "ja"}},
        {"(de, en, fr, ja)", "de_DE", "No second language", {"de", "en", "fr", "ja"}},
        {"(en, de, fr)", "de_DE,en", "No second language", {"de", "en", "fr"}},
        {"(de, en)", "de_DE,pt", "No second language", {"de", "en"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        writeGlobal("AppleLanguages", c.languages);
        writeOwnDefault(kPreferredLocalesKey, QStringLiteral("(\"%1\")").arg(c.entry));
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(d.outlets.fallbackLanguagesMenu->titleOfSelectedItem(), c.selected);
        EXPECT_EQ(d.languages, c.shown);
        QStringList isos;
        for (const QString& row : cells(d.outlets.languagesTable))
            isos.append(row.section(" | ", 1));
        EXPECT_EQ(isos, c.shown);
    }
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    de,\n    en\n)\n") << "the system keeps its order";
}

TEST_F(Fallback, ARefreshNamesEachLanguageOnceWhenTheFallbackMovesSecond)
{
    // The table is named from the system's order and shown again with the fallback second: the
    // same languages in the same display language as the refresh before, so ICU names none again.
    useEnglishStrings();
    writeGlobal("AppleLanguages", "(de, en, fr, ja)");
    writeOwnDefault(kPreferredLocalesKey, QStringLiteral("(\"de_DE,fr\")"));
    QuorrelAppDelegate& d = start();
    ASSERT_EQ(d.outlets.fallbackLanguagesMenu->titleOfSelectedItem(), "fr");
    const uint64_t before = Locale::identifiersNamed();
    d.updateUI();
    EXPECT_EQ(Locale::identifiersNamed() - before, 0u) << "named in the same display language before";
    EXPECT_EQ(d.languages, (QStringList{"de", "fr", "en", "ja"}));
    EXPECT_EQ(cells(d.outlets.languagesTable).value(1), "Französisch | fr");
}

TEST_F(Fallback, EachRefreshShowsTheOrderAsItIsNowNamedInItsFirstLanguage)
{
    // What one refresh made is taken again only for the same languages: any change to the
    // system's order between two refreshes shows everywhere.
    useEnglishStrings();
    writeGlobal("AppleLanguages", "(de, en, fr, ja)");
    QuorrelAppDelegate& d = start();
    const struct {
        const char* languages;
        QStringList items;
        QStringList firstRows;
        uint64_t named;
    } refreshes[] = {
        {"(de, en, fr, ja)", {noFallback, "en", "fr", "ja"}, {"Deutsch | de", "Englisch | en"}, 0},
        {"(en, de, fr, ja)", {noFallback, "de", "fr", "ja"}, {"English | en", "German | de"}, 4},
        {"(en, de, fr, ko)", {noFallback, "de", "fr", "ko"}, {"English | en", "German | de"}, 1},
        {"(en, ko, de, fr)", {noFallback, "de", "fr", "ko"}, {"English | en", "Korean | ko"}, 0},
        {"(en)", {}, {"English | en"}, 0},
        {"(en, \"en-GB\")", {noFallback, "en-GB"}, {"English | en", "British English | en-GB"}, 1},
        {"(en, \"en-GB\")", {noFallback, "en-GB"}, {"English | en", "British English | en-GB"}, 0},
    };
    QString previous = QStringLiteral("(de, en, fr, ja)");
    for (const auto& r : refreshes) {
        SCOPED_TRACE(r.languages);
        const QStringList shown = d.languages;
        const bool unchanged = previous == r.languages;
        writeGlobal("AppleLanguages", r.languages);
        previous = r.languages;
        const uint64_t before = Locale::identifiersNamed();
        d.updateUI();
        EXPECT_EQ(Locale::identifiersNamed() - before, r.named);
        // The same printout is taken apart once: the list it gave is kept, not made again.
        EXPECT_EQ(d.languages.isSharedWith(shown), unchanged);
        EXPECT_EQ(d.outlets.fallbackLanguagesMenu->itemTitles(), r.items);
        if (!r.items.isEmpty()) {
            EXPECT_EQ(d.myFallbackLanguages, r.items);
        }
        EXPECT_EQ(d.outlets.fallbackLanguagesMenu->indexOfSelectedItem(), r.items.isEmpty() ? -1 : 0);
        EXPECT_EQ(cells(d.outlets.languagesTable).mid(0, 2), r.firstRows);
    }
}

TEST_F(Fallback, ChoosingAFallbackRewritesTheEntryInPlaceAndLeavesTheSystemAsItWas)
{
    useEnglishStrings();
    writeGlobal("AppleLanguages", "(de, en, fr)");
    writeGlobal("AppleLocale", "de_DE");
    writeOwnDefault(kPreferredLocalesKey, "(fr_FR, \"de_DE,fr\")");
    QuorrelAppDelegate& d = start();
    PopUpButton* entries = d.outlets.preferredLocalesMenu;
    PopUpButton* fallbacks = d.outlets.fallbackLanguagesMenu;
    ASSERT_EQ(entries->indexOfSelectedItem(), 1);
    ASSERT_EQ(fallbacks->titleOfSelectedItem(), "fr");

    fallbacks->selectItemWithTitle(noFallback);
    d.changeFallbackLanguage(fallbacks);
    EXPECT_EQ(entries->itemTitles(), (QStringList{"fr_FR", "de_DE"}));
    EXPECT_EQ(entries->indexOfSelectedItem(), 1);
    UserDefaults::standardUserDefaults().synchronize();
    EXPECT_EQ(UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey), (QStringList{"fr_FR", "de_DE"}));
    EXPECT_EQ(d.languages, (QStringList{"de", "en", "fr"}));

    fallbacks->selectItemWithTitle("en");
    clearCalls();
    d.changeFallbackLanguage(fallbacks);
    EXPECT_EQ(entries->itemTitles(), (QStringList{"fr_FR", "de_DE,en"}));
    EXPECT_EQ(entries->indexOfSelectedItem(), 1);
    EXPECT_EQ(fallbacks->titleOfSelectedItem(), "en");
    EXPECT_TRUE(d.outlets.circularProgressIndicator->isHidden());
    QList<ToolCall> expected{readLanguages(), readLocale(), writeLanguages("(de,en,fr)")};
    expected << refreshWithFallbackEntry() << writeLocale("de_DE") << refreshWithFallbackEntry();
    EXPECT_EQ(waitForCalls(expected.size()), expected);
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    de,\n    en,\n    fr\n)\n");
    EXPECT_EQ(readGlobal("AppleLocale"), "de_DE\n");
}
