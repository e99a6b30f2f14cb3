// Saved combinations: adding, removing, stepping and switching, through the real tools.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/host/UserDefaults.h"

using SavedCombinations = QuorrelFixture;

namespace {
QStringList storedEntries()
{
    UserDefaults::standardUserDefaults().synchronize();
    return UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey).value_or(QStringList{"<none>"});
}

// A control with a tag, as the step buttons are.
struct StepControl : QObject {
    explicit StepControl(int tag) { setProperty("tag", tag); }
};
} // namespace

TEST_F(SavedCombinations, SwitchingWritesTheLanguagesThenTheRegionEachReadBack)
{
    writeGlobal("AppleLanguages", "(en, fr, de, ja)");
    writeOwnDefault(kPreferredLocalesKey, "(\"de_DE,fr\")");
    QuorrelAppDelegate& d = start();
    // The spinner turns while the settings are written.
    QList<bool> spinning;
    auto spinnerState = [&](const Notification&) {
        spinning.append(!d.outlets.circularProgressIndicator->isHidden() && d.outlets.circularProgressIndicator->isAnimating());
    };
    NotificationCenter::defaultCenter().addObserver(&spinning, kMyNotificationLanguagesHaveBeenUpdated, spinnerState);
    NotificationCenter::defaultCenter().addObserver(&spinning, kMyNotificationLocalesHaveBeenUpdated, spinnerState);
    d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    NotificationCenter::defaultCenter().removeObserver(&spinning);
    EXPECT_EQ(spinning, (QList<bool>{true, true}));

    QList<ToolCall> expected{readLanguages(), readLocale(), writeLanguages("(de,fr,en,ja)")};
    expected << refreshWithFallbackEntry() << writeLocale("de_DE") << refreshWithFallbackEntry();
    EXPECT_EQ(waitForCalls(expected.size()), expected);
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    de,\n    fr,\n    en,\n    ja\n)\n");
    EXPECT_EQ(readGlobal("AppleLocale"), "de_DE\n");
    EXPECT_EQ(d.locales.value(0), "de_DE");
    EXPECT_EQ(cells(d.outlets.languagesTable).value(1), "Französisch | fr");
    EXPECT_TRUE(d.outlets.circularProgressIndicator->isHidden());
    EXPECT_FALSE(d.outlets.circularProgressIndicator->isAnimating());
}

TEST_F(SavedCombinations, SwitchOutcomesForLanguagesAlreadyFirstOrMissing)
{
    const struct {
        const char* entry;
        const char* languagesBefore;
        const char* languagesAfter;
        const char* localeAfter;
    } cases[] = {
        {"en_GB", "(en, fr)", "(\n    en,\n    fr\n)\n", "en_GB\n"},    // order unchanged, region switched
        {"ja_JP,fr", "(en, fr)", "(\n    fr,\n    en\n)\n", "en_US\n"}, // only the fallback moves
        {"ja_JP", "(en, fr)", "(\n    en,\n    fr\n)\n", "en_US\n"},    // nothing to move, nothing found
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        writeGlobal("AppleLanguages", c.languagesBefore);
        writeGlobal("AppleLocale", "en_US");
        writeOwnDefault(kPreferredLocalesKey, QStringLiteral("(\"%1\")").arg(c.entry));
        QuorrelAppDelegate& d = start();
        d.changePreferredLocale(d.outlets.preferredLocalesMenu);
        waitForCalls(4);
        EXPECT_EQ(readGlobal("AppleLanguages"), c.languagesAfter);
        EXPECT_EQ(readGlobal("AppleLocale"), c.localeAfter);
    }
}

TEST_F(SavedCombinations, SwitchingToTheCurrentRegionWithoutFallbackWritesNothing)
{
    writeOwnDefault(kPreferredLocalesKey, "(en_US)");
    QuorrelAppDelegate& d = start();
    d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    EXPECT_EQ(waitForCalls(2), (QList<ToolCall>{readLanguages(), readLocale()}));
}

TEST_F(SavedCombinations, AddingSavesTheCurrentRegionSortedEvenTwice)
{
    writeOwnDefault(kPreferredLocalesKey, "(fr_FR, de_DE)");
    QuorrelAppDelegate& d = start();
    PopUpButton* menu = d.outlets.preferredLocalesMenu;
    d.addPreferredLocale(d.outlets.addPreferredLocale.widget());
    EXPECT_EQ(menu->itemTitles(), (QStringList{"de_DE", "en_US", "fr_FR"}));
    EXPECT_EQ(menu->indexOfSelectedItem(), 1);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "en_US", "fr_FR"}));
    EXPECT_TRUE(d.outlets.removePreferredLocale.isEnabled());
    EXPECT_TRUE(d.outlets.fallbackLanguagesMenu->isEnabled());
    EXPECT_EQ(calls(), (QList<ToolCall>{readLocale(), readLanguages()})) << "adding changes no system setting";

    d.addPreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "en_US", "en_US", "fr_FR"}));
    EXPECT_EQ(menu->itemTitles(), storedEntries()) << "one item per entry, equal ones too";
    EXPECT_EQ(menu->indexOfSelectedItem(), 1);
    // Removing the second of two equal entries removes exactly that one.
    menu->selectItemAtIndex(2);
    d.removePreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "en_US", "fr_FR"}));
    EXPECT_EQ(menu->itemTitles(), storedEntries());
}

TEST_F(SavedCombinations, RemovingMovesTheSelectionBackAndTheLastRemovalDisablesTheMenu)
{
    writeOwnDefault(kPreferredLocalesKey, "(de_DE, en_GB, fr_FR)");
    QuorrelAppDelegate& d = start();
    PopUpButton* menu = d.outlets.preferredLocalesMenu;
    menu->selectItemAtIndex(0);
    d.removePreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), (QStringList{"en_GB", "fr_FR"}));
    EXPECT_EQ(menu->indexOfSelectedItem(), 0);
    menu->selectItemAtIndex(1);
    d.removePreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), QStringList{"en_GB"});
    EXPECT_EQ(menu->indexOfSelectedItem(), 0);
    EXPECT_FALSE(d.outlets.removePreferredLocale.isHidden());

    clearCalls();
    d.removePreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), QStringList{});
    EXPECT_EQ(menu->numberOfItems(), 0);
    EXPECT_FALSE(menu->isEnabled());
    EXPECT_TRUE(d.outlets.removePreferredLocale.isHidden());
    EXPECT_FALSE(d.outlets.removePreferredLocale.isEnabled());
    EXPECT_FALSE(d.outlets.fallbackLanguagesMenu->isEnabled());
    EXPECT_EQ(calls(), QList<ToolCall>{readLanguages()}) << "no refresh once the last entry is gone";

    d.removePreferredLocale(nullptr); // nothing selected: nothing happens
    EXPECT_EQ(storedEntries(), QStringList{});
}

TEST_F(SavedCombinations, SteppingStopsAtEitherEndAndNeverWraps)
{
    writeOwnDefault(kPreferredLocalesKey, "(en_AU, en_GB, en_US)");
    QuorrelAppDelegate& d = start();
    PopUpButton* menu = d.outlets.preferredLocalesMenu;
    ASSERT_EQ(menu->indexOfSelectedItem(), 2) << "start-up selects the current region's entry";
    StepControl first(0), previous(1), next(2), last(3), other(9);

    for (StepControl* control : {&next, &last, &other}) {
        d.selectLocale(control);
        EXPECT_EQ(menu->indexOfSelectedItem(), 2);
    }
    EXPECT_TRUE(calls().isEmpty()) << "no switch when the selection does not move";

    d.selectLocale(&previous);
    EXPECT_EQ(menu->indexOfSelectedItem(), 1);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_GB\n");
    d.selectLocale(&first);
    EXPECT_EQ(menu->indexOfSelectedItem(), 0);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_AU\n");
    clearCalls();
    for (StepControl* control : {&first, &previous}) {
        d.selectLocale(control);
        EXPECT_EQ(menu->indexOfSelectedItem(), 0);
    }
    EXPECT_TRUE(calls().isEmpty());
    d.selectLocale(&last);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_US\n");
}

TEST_F(SavedCombinations, AnEmptyMenuIgnoresEveryStepAndSwitch)
{
    QuorrelAppDelegate& d = start();
    for (int tag : {0, 1, 2, 3}) {
        StepControl control(tag);
        d.selectLocale(&control);
    }
    d.changePreferredLocale(nullptr);
    d.changeFallbackLanguage(nullptr);
    EXPECT_EQ(d.outlets.preferredLocalesMenu->indexOfSelectedItem(), -1);
    EXPECT_TRUE(settledCalls().isEmpty());
}
