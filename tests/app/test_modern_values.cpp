// The values today's macOS writes (en-GB, zh-Hans-CN, es-419 in AppleLanguages; en_US@rg=dezzzz in
// AppleLocale), through the real window, the real `defaults` stand-in and real key events: every
// identifier is written back exactly as it was read, only reordered, and languages and regions
// are matched as ICU understands them.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "Classes/LocaleRow.h"
#include "platform/host/UserDefaults.h"

#include <QLabel>
#include <QMimeData>
#include <QTest>

namespace {

QStringList storedEntries()
{
    UserDefaults::standardUserDefaults().synchronize();
    return UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey).value_or(QStringList{"<none>"});
}

// A Mac of today: the language read takes the path that also reads the region.
class ModernValues : public QuorrelFixture {
protected:
    ModernValues() { home.env().set("QUORREL_CF_VERSION", "2202.0"); }

    // One refresh on this path: the languages with the region beside them, the region, the listing.
    static QList<ToolCall> refresh() { return {readLanguages(), readLocale(), readLocale(), listProcesses()}; }

    // Selects `row` as the user would, then presses the key on the table.
    void press(TableView* table, qint64 row, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        table->setFocus();
        table->selectRowIndexes({row}, false);
        QTest::keyClick(table, key, modifiers);
    }

    // Drags row `from` of the region table to the top through the data source, as a drop does.
    void dropRegionOnTop(QuorrelAppDelegate& d, qint64 from)
    {
        QMimeData mime;
        Pasteboard pasteboard(&mime);
        d.regionsTableData->writeRowsWithIndexes(d.outlets.regionsTable, {from}, pasteboard);
        DraggingInfo info(d.outlets.regionsTable, &mime);
        ASSERT_EQ(d.regionsTableData->validateDrop(d.outlets.regionsTable, info, 0, DropOperation::On), DragOperation::Move);
        ASSERT_TRUE(d.regionsTableData->acceptDrop(d.outlets.regionsTable, info, 0, DropOperation::Above));
    }

    void chooseEntry(QuorrelAppDelegate& d, const QString& entry)
    {
        d.outlets.preferredLocalesMenu->selectItemWithTitle(entry);
        ASSERT_EQ(d.outlets.preferredLocalesMenu->titleOfSelectedItem().value_or(QString()), entry);
        d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    }

    static QStringList writes(const QList<ToolCall>& calls)
    {
        QStringList values;
        for (const ToolCall& call : calls)
            if (call.tool == QLatin1String("defaults") && call.arguments.value(0) == QLatin1String("write"))
                values.append(call.arguments.value(2) + QLatin1Char('=') + call.arguments.value(3));
        return values;
    }
};

TEST_F(ModernValues, EnglishWithGermanFormatsListsItsRegionsAndCanBeSavedAndRestored)
{
    writeGlobal("AppleLanguages", R"(("en-US", "de-DE"))");
    writeGlobal("AppleLocale", "en_US@rg=dezzzz");
    writeOwnDefault(kPreferredLocalesKey, "(de_DE)");
    QuorrelAppDelegate& d = start();

    const QStringList rows = cells(d.outlets.regionsTable);
    ASSERT_GT(rows.size(), 5) << "the other regions of English";
    EXPECT_EQ(rows.value(0), "en_US (Germany)") << "the region in force, by name, not by its keyword";
    EXPECT_TRUE(rows.contains("en_GB (United Kingdom)"));
    EXPECT_FALSE(rows.contains("en_US (United States)")) << "the same place as the current region, listed once";
    for (const QString& row : rows)
        EXPECT_FALSE(row.contains('@') || row.contains("zzzz") || row.contains("Supplemental")) << row.toStdString();
    EXPECT_TRUE(d.outlets.addPreferredLocale.isEnabled()) << "the region's language is the first language";

    // Saving keeps the whole value; the menu names it.
    d.addPreferredLocale(nullptr);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "en_US@rg=dezzzz"}));
    const int saved = int(d.outlets.preferredLocalesMenu->itemTitles().indexOf("en_US@rg=dezzzz"));
    EXPECT_EQ(d.outlets.preferredLocalesMenu->itemText(saved), "en_US (Germany)");

    // There and back, byte for byte.
    const QString languagesBefore = readGlobal("AppleLanguages");
    const QString localeBefore = readGlobal("AppleLocale");
    clearCalls();
    chooseEntry(d, "de_DE");
    EXPECT_EQ(writes(settledCalls()), (QStringList{"AppleLanguages=(de-DE,en-US)", "AppleLocale=de_DE"}));
    clearCalls();
    chooseEntry(d, "en_US@rg=dezzzz");
    EXPECT_EQ(writes(settledCalls()), (QStringList{"AppleLanguages=(en-US,de-DE)", "AppleLocale=en_US@rg=dezzzz"}));
    EXPECT_EQ(readGlobal("AppleLanguages"), languagesBefore);
    EXPECT_EQ(readGlobal("AppleLocale"), localeBefore);
}

TEST_F(ModernValues, ASavedRegionBringsItsLanguageFirstWhateverItsRegionOrLength)
{
    const struct {
        const char* languages;
        const char* entry;
        const char* written;
    } cases[] = {
        {R"(("en-US", "de-DE"))", "de_DE", "(de-DE,en-US)"},
        {R"(("en-US", "fil-PH"))", "fil_PH", "(fil-PH,en-US)"},
        {R"(("en-US", "haw-US"))", "haw_US", "(haw-US,en-US)"},
        {R"(("en-GB", "yue-Hant-HK"))", "yue_HK", "(yue-Hant-HK,en-GB)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        writeGlobal("AppleLanguages", c.languages);
        writeGlobal("AppleLocale", "en_US");
        writeOwnDefault(kPreferredLocalesKey, QStringLiteral("(%1)").arg(c.entry));
        QuorrelAppDelegate& d = start();
        chooseEntry(d, c.entry);
        EXPECT_EQ(writes(settledCalls()), (QStringList{QStringLiteral("AppleLanguages=%1").arg(c.written), QStringLiteral("AppleLocale=%1").arg(c.entry)}));
    }
}

TEST_F(ModernValues, ChineseRegionsAreNamedAndTheCurrentOneCanBeSaved)
{
    writeGlobal("AppleLanguages", R"(("zh-Hans-CN", "en-CN"))");
    writeGlobal("AppleLocale", "zh_CN");
    QuorrelAppDelegate& d = start();
    const QStringList rows = cells(d.outlets.regionsTable);
    ASSERT_GT(rows.size(), 1);
    EXPECT_EQ(rows.value(0), QString::fromUtf8("zh_CN (中国)"));
    EXPECT_TRUE(rows.contains(QString::fromUtf8("zh_Hans_SG (新加坡)"))) << rows.join('\n').toStdString();
    EXPECT_FALSE(rows.contains(QString::fromUtf8("zh_Hans_CN (中国)"))) << "zh_CN is that place already";
    for (const QString& row : rows)
        EXPECT_TRUE(row.contains(" (") && row.endsWith(')')) << row.toStdString();
    EXPECT_TRUE(d.outlets.addPreferredLocale.isEnabled());
    // Named whole, in Chinese: "简体中文（中国）" in ICU 72, "中文（简体，中国）" in ICU 78.
    const QString first = cells(d.outlets.languagesTable).value(0);
    EXPECT_TRUE(first.endsWith(" | zh-Hans-CN") && first.contains(QString::fromUtf8("中国")) && first.contains(QString::fromUtf8("简体")))
        << first.toStdString();
}

TEST_F(ModernValues, MovingALanguageKeepsEveryIdentifierAsTheUserChoseIt)
{
    writeGlobal("AppleLanguages", R"(("en-GB", "de-GB", "fr-GB"))");
    writeGlobal("AppleLocale", "en_GB");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(cells(d.outlets.languagesTable).value(0), "British English | en-GB");
    clearCalls();
    press(d.outlets.languagesTable, 1, Qt::Key_Down, kMoveModifiers);
    EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLanguages=(en-GB,fr-GB,de-GB)"});

    for (const char* region : {"pt_PT", "fr_CA", "en_GB@rg=dezzzz"}) {
        SCOPED_TRACE(region);
        writeGlobal("AppleLanguages", R"(("en-GB", "pt-PT", "fr-CA"))");
        writeGlobal("AppleLocale", region);
        QuorrelAppDelegate& again = start();
        EXPECT_EQ(again.languages, (QStringList{"en-GB", "pt-PT", "fr-CA"}));
        press(again.outlets.languagesTable, 1, Qt::Key_Up, kMoveModifiers);
        EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLanguages=(pt-PT,en-GB,fr-CA)"});
        EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    \"pt-PT\",\n    \"en-GB\",\n    \"fr-CA\"\n)\n");
    }
}

TEST_F(ModernValues, ARegionOfAnotherCountryStillListsEveryRegionOfTheLanguage)
{
    writeGlobal("AppleLanguages", R"(("en-US", "de-US"))");
    writeGlobal("AppleLocale", "en_GB");
    QuorrelAppDelegate& d = start();
    const QStringList rows = cells(d.outlets.regionsTable);
    EXPECT_GT(rows.size(), 5);
    EXPECT_EQ(rows.value(0), "en_GB (United Kingdom)");
    const qsizetype us = rows.indexOf("en_US (United States)");
    ASSERT_GT(us, 0) << "the way back";
    EXPECT_EQ(selectedRow(d.outlets.regionsTable), us) << "the first language's own region is the hint";
}

TEST_F(ModernValues, ASavedRegionWithKeywordsIsFoundAgainAfterTheRegionChanged)
{
    writeGlobal("AppleLanguages", R"(("en-US", "de-DE"))");
    writeGlobal("AppleLocale", "en_US@currency=EUR");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(cells(d.outlets.regionsTable).value(0), "en_US (United States, Euro)");
    d.addPreferredLocale(nullptr);
    ASSERT_EQ(storedEntries(), QStringList{"en_US@currency=EUR"});

    dropRegionOnTop(d, d.locales.indexOf("en_GB"));
    ASSERT_EQ(readGlobal("AppleLocale"), "en_GB\n");
    clearCalls();
    chooseEntry(d, "en_US@currency=EUR");
    EXPECT_EQ(writes(settledCalls()), (QStringList{"AppleLanguages=(en-US,de-DE)", "AppleLocale=en_US@currency=EUR"}));
    EXPECT_EQ(readGlobal("AppleLocale"), "en_US@currency=EUR\n");
}

TEST_F(ModernValues, TheRefreshTrafficOfStartUpDropSwitchAndFallback)
{
    writeGlobal("AppleLanguages", R"(("en-GB", "de-DE", "fr-FR", "zh-Hans-CN"))");
    writeGlobal("AppleLocale", "en_GB@rg=dezzzz");
    writeOwnDefault(kPreferredLocalesKey, R"(("de_DE,fr-FR"))");
    QuorrelAppDelegate& d = start(true);
    const QList<ToolCall> withFallback{readLanguages(), readLocale(), readLocale(), readLanguages(), readLocale(),
                                       readLanguages(), readLocale(), listProcesses()};
    EXPECT_EQ(settledCalls(), QList<ToolCall>{readLocale()} + withFallback) << "start-up";

    clearCalls();
    press(d.outlets.languagesTable, 3, Qt::Key_Up, kMoveModifiers);
    EXPECT_EQ(settledCalls(), QList<ToolCall>{writeLanguages("(en-GB,fr-FR,zh-Hans-CN,de-DE)")} + withFallback) << "a move";

    clearCalls();
    d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    QList<ToolCall> expected{readLanguages(), readLocale(), readLocale(), writeLanguages("(de-DE,fr-FR,en-GB,zh-Hans-CN)")};
    expected << withFallback << writeLocale("de_DE") << withFallback;
    EXPECT_EQ(settledCalls(), expected) << "a switch";
    EXPECT_EQ(cells(d.outlets.languagesTable).value(1), QString::fromUtf8("Französisch (Frankreich) | fr-FR"));

    // The fallback chosen in the menu is the identifier as the system holds it.
    clearCalls();
    PopUpButton* fallback = d.outlets.fallbackLanguagesMenu;
    fallback->selectItemWithTitle("zh-Hans-CN");
    d.changeFallbackLanguage(fallback);
    EXPECT_EQ(storedEntries(), QStringList{"de_DE,zh-Hans-CN"});
    EXPECT_EQ(writes(settledCalls()), (QStringList{"AppleLanguages=(de-DE,fr-FR,en-GB,zh-Hans-CN)", "AppleLocale=de_DE"}));
}

TEST_F(ModernValues, ASavedBareFallbackFindsItsLanguageByBase)
{
    writeGlobal("AppleLanguages", R"(("en-GB", "de-DE", "fr-FR"))");
    writeGlobal("AppleLocale", "en_GB");
    writeOwnDefault(kPreferredLocalesKey, R"(("en_GB,fr"))");
    QuorrelAppDelegate& d = start();
    EXPECT_EQ(d.outlets.fallbackLanguagesMenu->titleOfSelectedItem().value_or(QString()), "fr-FR");
    EXPECT_EQ(d.languages, (QStringList{"en-GB", "fr-FR", "de-DE"})) << "shown second, spelled as the system holds it";
}

// The region table's selection after a refresh is a suggestion: Return moves nothing until the user
// picks a row, and the preview shows the region in force until then.
TEST_F(ModernValues, TheHintIsNeverAChoice)
{
    for (const bool modern : {false, true}) {
        SCOPED_TRACE(modern ? "today's values" : "classic values");
        home.env().set("QUORREL_CF_VERSION", modern ? "2202.0" : "1299.0");
        writeGlobal("AppleLanguages", modern ? R"(("de-DE", "en-GB"))" : "(de, en)");
        writeGlobal("AppleLocale", "de_AT");
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        TableView* regions = d.outlets.regionsTable;
        ASSERT_EQ(d.locales.value(selectedRow(regions)), "de_DE") << "the hint";
        EXPECT_EQ(d.outlets.regionPreview.region->text(), QString::fromUtf8("de_AT (Österreich)"));
        EXPECT_EQ(d.outlets.regionPreview.regionCaption->text(), "Current region:");

        // Tab to the region table, then Return, right after launch.
        for (int i = 0; i < 30 && QApplication::focusWidget() != regions; ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), regions);
        clearCalls();
        QTest::keyClick(regions, Qt::Key_Return);
        EXPECT_TRUE(settledCalls().isEmpty()) << ::testing::PrintToString(calls());
        EXPECT_EQ(readGlobal("AppleLocale"), "de_AT\n");

        // A row the user picks is a choice.
        const int swiss = int(d.locales.indexOf("de_CH"));
        ASSERT_GT(swiss, 0);
        clickRow(regions, swiss);
        EXPECT_EQ(d.outlets.regionPreview.region->text(), "de_CH (Schweiz)");
        EXPECT_EQ(d.outlets.regionPreview.regionCaption->text(), "Selected region:");
        QTest::keyClick(regions, Qt::Key_Return);
        EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLocale=de_CH"});
    }
}

TEST_F(ModernValues, ThePreviewShowsTheCurrentRegionNotTheHint)
{
    writeGlobal("AppleLanguages", R"((pt))");
    writeGlobal("AppleLocale", "pt_BR");
    QuorrelAppDelegate& d = start();
    ASSERT_EQ(d.locales.value(selectedRow(d.outlets.regionsTable)), "pt_PT") << "the hint";
    EXPECT_EQ(d.outlets.regionPreview.region->text(), "pt_BR (Brasil)");
}

TEST_F(ModernValues, AMalformedRegionIsShownAsItStandsAndNothingCrashes)
{
    for (const char* bogus : {"en_US@currency=", "fr_FR@collation=", "en_US@=x", "en@calendar=", "abcdefghijkl"}) {
        SCOPED_TRACE(bogus);
        writeGlobal("AppleLanguages", R"(("en-US", abcdefghijkl))");
        writeGlobal("AppleLocale", bogus);
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(cells(d.outlets.regionsTable).value(0), QString::fromLatin1(bogus));
        EXPECT_EQ(d.outlets.regionPreview.region->text(), QString::fromLatin1(bogus));
        EXPECT_EQ(d.outlets.regionPreview.longDate->text(), "Cannot show the formats of this region");
        EXPECT_FALSE(d.outlets.addPreferredLocale.isEnabled());
        EXPECT_EQ(cells(d.outlets.languagesTable).value(1), "abcdefghijkl | abcdefghijkl") << "unnamed";
    }
}

// Values recorded from real Macs in public bug reports and configurations. Each is read, reordered
// there and back, listed, saved, and switched away from and back to: the settings end byte for byte
// as they began.
TEST_F(ModernValues, RealValuesFromRealMacsSurviveEveryAction)
{
    const struct {
        const char* source;
        const char* languages; // as `defaults write` takes it
        const char* locale;
        QStringList read; // the identifiers Quorrel must show, exactly
        bool saveable;    // whether the region's language is the first language
    } cases[] = {
        {"https://github.com/sindresorhus/os-locale/issues/53 (AppleLanguages; the region from its LANG)",
         R"(("zh-Hans-HK", "zh-Hant-HK"))",
         "zh_HK",
         {"zh-Hans-HK", "zh-Hant-HK"},
         false},
        {"https://github.com/sindresorhus/os-locale/issues/54", R"(("en-US"))", "en_GB", {"en-US"}, true},
        {"https://github.com/jeandeaual/go-locale/pull/11", "(en, fr, ja)", "en_US@currency=USD", {"en", "fr", "ja"}, true},
        {"https://github.com/Installomator/Installomator/pull/1624", R"(("en-GB"))", "en_GB@rg=auzzzz", {"en-GB"}, true},
        {"https://github.com/Homebrew/homebrew-cask/issues/50724 (written with defaults -array)", R"(("en_GB", "en_US"))", "en_GB", {"en_GB", "en_US"}, true},
        {"https://github.com/carterlasalle/mac_messages_mcp/pull/64", R"(("en-US"))", "en_US@rg=gbzzzz", {"en-US"}, true},
        {"https://github.com/cklukas/todo/pull/15", R"(("en-US", "de-DE"))", "en_US@rg=dezzzz", {"en-US", "de-DE"}, true},
        {"https://leopard-adc.pepas.com/qa/qa2006/qa1391.html", R"((en, fr, de, es, it, nl, sv, nb, ja, "zh-Hans", da, fi, pt, "zh-Hant", ko, hu))", "en_US", {"en", "fr", "de", "es", "it", "nl", "sv", "nb", "ja", "zh-Hans", "da", "fi", "pt", "zh-Hant", "ko", "hu"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        writeGlobal("AppleLanguages", c.languages);
        writeGlobal("AppleLocale", c.locale);
        writeOwnDefault(kPreferredLocalesKey, "()");
        const QString languagesBefore = readGlobal("AppleLanguages");
        const QString localeBefore = readGlobal("AppleLocale");
        QuorrelAppDelegate& d = start();
        EXPECT_EQ(d.languages, c.read);

        // Reordered there and back: the same identifiers, in the same spelling.
        if (c.read.size() > 1) {
            press(d.outlets.languagesTable, 0, Qt::Key_Down, kMoveModifiers);
            QStringList swapped = c.read;
            swapped.swapItemsAt(0, 1);
            EXPECT_EQ(d.languages, swapped);
            press(d.outlets.languagesTable, 1, Qt::Key_Up, kMoveModifiers);
            EXPECT_EQ(d.languages, c.read);
            settledCalls();
            EXPECT_EQ(readGlobal("AppleLanguages"), languagesBefore);
        }

        // Listed by name: the region in force first, then others of the first language.
        const QStringList rows = cells(d.outlets.regionsTable);
        ASSERT_GT(rows.size(), 1);
        EXPECT_TRUE(rows.value(0).startsWith(QString::fromLatin1(c.locale).section('@', 0, 0) + " (")) << rows.value(0).toStdString();
        for (const QString& row : rows)
            EXPECT_FALSE(row.contains('@')) << row.toStdString();

        // Saved, switched away, and switched back.
        EXPECT_EQ(d.outlets.addPreferredLocale.isEnabled(), c.saveable);
        if (c.saveable) {
            d.addPreferredLocale(nullptr);
        } else {
            writeOwnDefault(kPreferredLocalesKey, QStringLiteral("(\"%1\")").arg(c.locale));
            start();
        }
        const QString away = delegate->locales.value(1);
        dropRegionOnTop(*delegate, 1);
        settledCalls();
        ASSERT_EQ(readGlobal("AppleLocale"), away + '\n');
        ASSERT_TRUE(delegate->outlets.addPreferredLocale.isEnabled());
        delegate->addPreferredLocale(nullptr);
        ASSERT_EQ(storedEntries().size(), 2);

        chooseEntry(*delegate, c.locale);
        settledCalls();
        EXPECT_EQ(readGlobal("AppleLocale"), localeBefore);
        if (c.saveable) {
            EXPECT_EQ(readGlobal("AppleLanguages"), languagesBefore);
        }
        const QString languagesAtHome = readGlobal("AppleLanguages");
        chooseEntry(*delegate, away);
        settledCalls();
        EXPECT_EQ(readGlobal("AppleLocale"), away + '\n');
        chooseEntry(*delegate, c.locale);
        settledCalls();
        EXPECT_EQ(readGlobal("AppleLocale"), localeBefore);
        EXPECT_EQ(readGlobal("AppleLanguages"), languagesAtHome);
    }
}

} // namespace
