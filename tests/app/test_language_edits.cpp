// Adding and removing preferred languages and choosing any region, through the real buttons,
// choosers and question, against the recording tool root: each is one write through the same
// exchange, notification and refresh as a drop.
#include "QuorrelFixture.h"

#include "Classes/LanguageChoices.h"
#include "Classes/LocaleRow.h"
#include "platform/SearchableListDialog.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

class LanguageEdits : public QuorrelFixture {
protected:
    // The same launches with the written values left out: what any write of that key starts.
    static QList<ToolCall> withoutWrittenValues(QList<ToolCall> calls)
    {
        for (ToolCall& call : calls)
            if (call.arguments.value(0) == QLatin1String("write"))
                call.arguments[3] = QStringLiteral("<value>");
        return calls;
    }

    static QStringList writes(const QList<ToolCall>& calls)
    {
        QStringList values;
        for (const ToolCall& call : calls)
            if (call.arguments.value(0) == QLatin1String("write"))
                values.append(call.arguments.value(2) + QLatin1Char('=') + call.arguments.value(3));
        return values;
    }

    // Types `text` into `field`: Latin letters as key presses, anything else as an input method
    // commits it (as Japanese or Chinese is typed).
    static void type(QWidget* field, const QString& text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(field, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QCoreApplication::sendEvent(field, &commit);
            }
        }
    }

    // A double-click as a mouse makes it: press, release, the second press, release.
    static void doubleClick(QWidget* widget, QPoint position)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, position);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
    }

    static void click(const Button& button)
    {
        ASSERT_TRUE(button.isEnabled());
        QTest::mouseClick(button.widget(), Qt::LeftButton);
    }

    SearchableListDialog* chooser(const char* name)
    {
        SearchableListDialog* dialog = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            dialog = delegate->window().widget()->findChild<SearchableListDialog*>(QLatin1String(name));
            return dialog && dialog->isVisible();
        },
                                    10000))
            << name << " never opened";
        return dialog;
    }

    QMessageBox* primaryQuestion()
    {
        QMessageBox* box = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            box = delegate->window().widget()->findChild<QMessageBox*>(QStringLiteral("primaryLanguageQuestion"));
            return box && box->isVisible();
        },
                                    10000))
            << "the question never came";
        return box;
    }

    // "+", the filter typed, Return, and the answer to the question.
    void addThroughTheChooser(const QString& typed, bool asPrimary)
    {
        click(delegate->outlets.addLanguage);
        SearchableListDialog* dialog = chooser("addLanguageChooser");
        ASSERT_TRUE(dialog);
        type(dialog->filterField(), typed);
        QTest::keyClick(dialog->filterField(), Qt::Key_Return);
        QMessageBox* box = primaryQuestion();
        ASSERT_TRUE(box);
        auto* answer = box->findChild<QPushButton*>(asPrimary ? "useNewLanguage" : "keepPrimaryLanguage");
        ASSERT_TRUE(answer);
        QTest::mouseClick(answer, Qt::LeftButton);
    }

    QStringList languageOrder() const
    {
        QStringList isos;
        for (const QVariant& row : *delegate->languagesAndNames)
            isos.append(LocaleRow::isodesignator(row));
        return isos;
    }
};

TEST_F(LanguageEdits, RemovingTheSelectedLanguagesIsOneWriteLikeADrop)
{
    writeGlobal("AppleLanguages", "(en, de, fr, ja)");
    const QList<ToolCall> drop = trafficOfDrop(false, 3, 0);
    ASSERT_EQ(writes(drop), QStringList{"AppleLanguages=(ja,en,de,fr)"});

    writeGlobal("AppleLanguages", "(en, de, fr, ja)");
    QuorrelAppDelegate& d = start();
    TableView* table = d.outlets.languagesTable;
    EXPECT_FALSE(d.outlets.removeLanguage.isEnabled()) << "nothing selected";
    clickRow(table, 1);
    clickRow(table, 3, Qt::ControlModifier);
    ASSERT_EQ(table->selectedRowIndexes(), (IndexSet{1, 3}));
    click(d.outlets.removeLanguage);
    const QList<ToolCall> removal = settledCalls();
    EXPECT_EQ(writes(removal), QStringList{"AppleLanguages=(en,fr)"});
    EXPECT_EQ(withoutWrittenValues(removal), withoutWrittenValues(drop)) << "the same launches, in the same order";
    EXPECT_EQ(cells(table), (QStringList{"English | en", "French | fr"}));
    EXPECT_TRUE(table->selectedRowIndexes().empty());
    EXPECT_FALSE(d.outlets.removeLanguage.isEnabled());

    // Removed languages come back with Undo, as a drop's order does.
    ASSERT_TRUE(d.outlets.undoAction->isEnabled());
    d.outlets.undoAction->trigger();
    (void)settledCalls();
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr,\n    ja\n)\n");
    d.outlets.redoAction->trigger();
    (void)settledCalls();
    EXPECT_EQ(cells(table), (QStringList{"English | en", "French | fr"}));

    // The Delete key in the table is the same "−".
    clearCalls();
    table->setFocus();
    clickRow(table, 0);
    QTest::keyClick(table, Qt::Key_Delete);
    const QList<ToolCall> deleted = settledCalls();
    EXPECT_EQ(writes(deleted), QStringList{"AppleLanguages=(fr)"});
    EXPECT_EQ(withoutWrittenValues(deleted), withoutWrittenValues(drop));
    clearCalls();
    clickRow(table, 0);
    QTest::keyClick(table, Qt::Key_Backspace);
    EXPECT_TRUE(writes(settledCalls()).isEmpty()) << "the last language stays";
}

TEST_F(LanguageEdits, TheLastLanguageAndAFailedReadAreNeverRemoved)
{
    writeGlobal("AppleLanguages", "(en, de)");
    QuorrelAppDelegate& d = start();
    TableView* table = d.outlets.languagesTable;
    table->setFocus();
    clickRow(table, 0);
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(table->selectedRowIndexes(), (IndexSet{0, 1}));
    EXPECT_FALSE(d.outlets.removeLanguage.isEnabled()) << "every language selected";
    d.removeLanguages(nullptr);
    clickRow(table, 1);
    EXPECT_TRUE(d.outlets.removeLanguage.isEnabled());

    // One language left: it stays whatever is asked.
    writeGlobal("AppleLanguages", "(en)");
    d.updateUI();
    clickRow(table, 0);
    EXPECT_FALSE(d.outlets.removeLanguage.isEnabled());
    d.removeLanguages(nullptr);

    // A read that gave a row without identifier is never written back, shorter or longer.
    writeGlobal("AppleLanguages", "(en, \"\", fr)");
    d.updateUI();
    clickRow(table, 2);
    EXPECT_FALSE(d.outlets.removeLanguage.isEnabled());
    EXPECT_FALSE(d.outlets.addLanguage.isEnabled());
    clearCalls();
    d.removeLanguages(nullptr);
    d.insertLanguage("ja", true);
    EXPECT_TRUE(writes(settledCalls()).isEmpty());
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    \"\",\n    fr\n)\n");
}

TEST_F(LanguageEdits, AddingALanguageFirstOrLastIsOneWriteLikeADrop)
{
    writeGlobal("AppleLanguages", "(en, de, fr)");
    const QList<ToolCall> drop = trafficOfDrop(false, 2, 0);

    writeGlobal("AppleLanguages", "(en, de, fr)");
    QuorrelAppDelegate& d = start();
    addThroughTheChooser("british", true);
    const QList<ToolCall> first = settledCalls();
    EXPECT_EQ(writes(first), QStringList{"AppleLanguages=(en-GB,en,de,fr)"});
    EXPECT_EQ(withoutWrittenValues(first), withoutWrittenValues(drop));
    EXPECT_EQ(cells(d.outlets.languagesTable).value(0), "British English | en-GB");

    clearCalls();
    addThroughTheChooser("portugues europeu", false);
    const QList<ToolCall> last = settledCalls();
    EXPECT_EQ(writes(last), QStringList{"AppleLanguages=(en-GB,en,de,fr,pt-PT)"});
    EXPECT_EQ(withoutWrittenValues(last), withoutWrittenValues(drop));
    EXPECT_EQ(languageOrder(), (QStringList{"en-GB", "en", "de", "fr", "pt-PT"}));
}

TEST_F(LanguageEdits, TheChooserFindsLanguagesByEitherNameOrCodeAndOffersNoneTwice)
{
    writeGlobal("AppleLanguages", "(en, de, fr)");
    QuorrelAppDelegate& d = start();
    click(d.outlets.addLanguage);
    SearchableListDialog* dialog = chooser("addLanguageChooser");
    ASSERT_TRUE(dialog);
    QLineEdit* filter = dialog->filterField();
    const struct {
        const char* typed;
        const char* found;
    } cases[] = {{"japanese", "ja"}, {"日本語", "ja"}, {"francais", "fr"}, {"ES-419", "es-419"}, {"zh-hant", "zh-Hant"}, {"sr_latn", "sr-Latn"}, {"ÖSTERREICH", "de-AT"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        filter->clear();
        type(filter, QString::fromUtf8(c.typed));
        EXPECT_TRUE(dialog->visibleIdentifiers().contains(QLatin1String(c.found))) << dialog->visibleIdentifiers().join(' ').toStdString();
    }
    filter->clear();
    QTest::keyClicks(filter, "japanese");
    const QList<QListWidgetItem*> japanese = dialog->list()->findItems(QString::fromUtf8("日本語 — Japanese"), Qt::MatchExactly);
    EXPECT_EQ(japanese.size(), 1) << "named in its own language and in the program's";

    // French is there already: shown, but neither a double-click nor Return chooses it.
    filter->clear();
    type(filter, QString::fromUtf8("français"));
    const QList<QListWidgetItem*> french = dialog->list()->findItems(QString::fromUtf8("Français — French"), Qt::MatchExactly);
    ASSERT_EQ(french.size(), 1);
    EXPECT_FALSE(french.first()->flags() & Qt::ItemIsEnabled);
    const QRect cell = dialog->list()->visualItemRect(french.first());
    doubleClick(dialog->list()->viewport(), cell.center());
    EXPECT_FALSE(dialog->chosenIdentifier());
    EXPECT_NE(dialog->list()->currentItem(), french.first()) << "Return would take the first one that can be chosen";

    // The arrow keys in the filter walk the list; a double-click chooses.
    filter->clear();
    QTest::keyClicks(filter, "english (");
    QTest::keyClick(filter, Qt::Key_Down);
    QListWidgetItem* second = dialog->list()->currentItem();
    ASSERT_TRUE(second);
    const QString wanted = second->data(Qt::UserRole).toString();
    EXPECT_TRUE(wanted.startsWith("en-")) << wanted.toStdString();
    doubleClick(dialog->list()->viewport(), dialog->list()->visualItemRect(second).center());
    EXPECT_EQ(dialog->chosenIdentifier().value_or(QString()), wanted);
    QMessageBox* box = primaryQuestion();
    ASSERT_TRUE(box);
    clearCalls();
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(writes(settledCalls()), QStringList{QStringLiteral("AppleLanguages=(en,de,fr,%1)").arg(wanted)})
        << "Escape keeps the primary language";
}

TEST_F(LanguageEdits, AnyRegionIsWrittenWithTheFirstLanguageLikeARegionRowDrop)
{
    writeGlobal("AppleLanguages", "(de, en)");
    writeGlobal("AppleLocale", "de_AT");
    const QList<ToolCall> drop = trafficOfDrop(true, 1, 0);
    ASSERT_EQ(writes(drop).size(), 1);

    writeGlobal("AppleLocale", "de_AT");
    QuorrelAppDelegate& d = start();
    click(d.outlets.otherRegion);
    SearchableListDialog* dialog = chooser("otherRegionChooser");
    ASSERT_TRUE(dialog);
    QTest::keyClicks(dialog->filterField(), "japan");
    QTest::keyClick(dialog->filterField(), Qt::Key_Return);
    // A Mac writes the language with the region it is used in, also where that language has no
    // locale of its own there: en_GB for English (US) in the United Kingdom
    // (https://github.com/sindresorhus/os-locale/issues/54), en_DE for English in Germany
    // (https://github.com/mozilla-mobile/firefox-ios/pull/3111), and keeps the script of a
    // Chinese language, zh-Hans_US (https://github.com/google/j2objc/issues/895).
    const QList<ToolCall> chosen = settledCalls();
    EXPECT_EQ(writes(chosen), QStringList{"AppleLocale=de_JP"});
    EXPECT_EQ(withoutWrittenValues(chosen), withoutWrittenValues(drop)) << "the same launches, in the same order";
    EXPECT_EQ(cells(d.outlets.regionsTable).value(0), "de_JP (Japan)");
}

TEST_F(LanguageEdits, TodaysValuesAreAddedRemovedAndRegionedExactly)
{
    home.env().set("QUORREL_CF_VERSION", "2202.0");
    writeGlobal("AppleLanguages", R"(("en-GB", "zh-Hans-CN"))");
    writeGlobal("AppleLocale", "en_GB@rg=dezzzz");
    QuorrelAppDelegate& d = start();
    addThroughTheChooser("es-419", false);
    EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLanguages=(en-GB,zh-Hans-CN,es-419)"});

    clearCalls();
    clickRow(d.outlets.languagesTable, 0);
    click(d.outlets.removeLanguage);
    EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLanguages=(zh-Hans-CN,es-419)"});
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    \"zh-Hans-CN\",\n    \"es-419\"\n)\n");

    // The German formats of en_GB@rg=dezzzz are the current region's: Germany is not offered.
    writeGlobal("AppleLanguages", R"(("en-GB", "zh-Hans-CN"))");
    d.updateUI();
    click(d.outlets.otherRegion);
    SearchableListDialog* dialog = chooser("otherRegionChooser");
    ASSERT_TRUE(dialog);
    const QList<QListWidgetItem*> germany = dialog->list()->findItems("Germany", Qt::MatchExactly);
    ASSERT_EQ(germany.size(), 1);
    EXPECT_FALSE(germany.first()->flags() & Qt::ItemIsEnabled);
    QTest::keyClicks(dialog->filterField(), "ch");
    clearCalls();
    QTest::keyClick(dialog->filterField(), Qt::Key_Return);
    const std::optional<QString> chosen = dialog->chosenIdentifier(); // the dialog goes once it closed
    ASSERT_TRUE(chosen);
    EXPECT_EQ(writes(settledCalls()), QStringList{QStringLiteral("AppleLocale=en_%1").arg(*chosen)});

    writeGlobal("AppleLanguages", R"(("zh-Hans-CN", "en-GB"))");
    d.updateUI();
    clearCalls();
    d.setRegion("DE");
    EXPECT_EQ(writes(settledCalls()), QStringList{"AppleLocale=zh-Hans_DE"});
    EXPECT_EQ(readGlobal("AppleLocale"), "zh-Hans_DE\n");
}

TEST_F(LanguageEdits, OnTodaysPathEachActionStartsWhatTheMatchingDropStarts)
{
    home.env().set("QUORREL_CF_VERSION", "2202.0");
    const auto reset = [this] {
        writeGlobal("AppleLanguages", R"(("en-GB", "zh-Hans-CN", "de-DE"))");
        writeGlobal("AppleLocale", "en_GB@rg=dezzzz");
    };
    reset();
    const QList<ToolCall> languageDrop = trafficOfDrop(false, 2, 0);
    reset();
    const QList<ToolCall> regionDrop = trafficOfDrop(true, 1, 0);
    ASSERT_EQ(writes(languageDrop), QStringList{"AppleLanguages=(de-DE,en-GB,zh-Hans-CN)"});
    ASSERT_EQ(writes(regionDrop).size(), 1);

    reset();
    QuorrelAppDelegate& d = start();
    addThroughTheChooser("zh-hant", false);
    const QList<ToolCall> added = settledCalls();
    EXPECT_EQ(writes(added), QStringList{"AppleLanguages=(en-GB,zh-Hans-CN,de-DE,zh-Hant)"});
    EXPECT_EQ(withoutWrittenValues(added), withoutWrittenValues(languageDrop));

    reset();
    d.updateUI();
    clearCalls();
    clickRow(d.outlets.languagesTable, 1);
    click(d.outlets.removeLanguage);
    const QList<ToolCall> removed = settledCalls();
    EXPECT_EQ(writes(removed), QStringList{"AppleLanguages=(en-GB,de-DE)"});
    EXPECT_EQ(withoutWrittenValues(removed), withoutWrittenValues(languageDrop));

    reset();
    d.updateUI();
    clearCalls();
    click(d.outlets.otherRegion);
    SearchableListDialog* dialog = chooser("otherRegionChooser");
    ASSERT_TRUE(dialog);
    QTest::keyClicks(dialog->filterField(), "switzerland");
    QTest::keyClick(dialog->filterField(), Qt::Key_Return);
    const QList<ToolCall> regioned = settledCalls();
    EXPECT_EQ(writes(regioned), QStringList{"AppleLocale=en_CH"});
    EXPECT_EQ(withoutWrittenValues(regioned), withoutWrittenValues(regionDrop));
}

TEST(LanguageChoices, TheMacsVariantsInItsOwnForm)
{
    const QList<SearchableEntry> entries = language_choices::languages("en", {"en-US", "de-DE", "zh-Hans-CN"});
    QHash<QString, SearchableEntry> byIdentifier;
    for (const SearchableEntry& entry : entries)
        byIdentifier.insert(entry.identifier, entry);
    for (const char* identifier : {"en-GB", "pt-PT", "es-419", "zh-Hant", "sr-Latn", "ja", "fr-CA", "haw"})
        EXPECT_TRUE(byIdentifier.contains(identifier)) << identifier;
    for (const char* identifier : {"en_GB", "en-US-POSIX", "zh-Hant-HK", "root", ""})
        EXPECT_FALSE(byIdentifier.contains(identifier)) << identifier;
    EXPECT_EQ(byIdentifier.value("ja").title, QString::fromUtf8("日本語 — Japanese"));
    EXPECT_EQ(byIdentifier.value("en-GB").title, "British English");
    // Already there: the same language without region, the same region, the same script.
    for (const char* present : {"en", "en-US", "de", "de-DE", "zh-Hans"})
        EXPECT_FALSE(byIdentifier.value(present).enabled) << present;
    for (const char* absent : {"en-GB", "de-AT", "zh-Hant", "fr"})
        EXPECT_TRUE(byIdentifier.value(absent).enabled) << absent;

    const QList<SearchableEntry> german = language_choices::languages("de", {});
    ASSERT_FALSE(german.isEmpty());
    const auto japanese = std::find_if(german.cbegin(), german.cend(), [](const SearchableEntry& e) { return e.identifier == "ja"; });
    ASSERT_NE(japanese, german.cend());
    EXPECT_EQ(japanese->title, QString::fromUtf8("日本語 — Japanisch"));
    const auto french = std::find_if(german.cbegin(), german.cend(), [](const SearchableEntry& e) { return e.identifier == "fr"; });
    ASSERT_NE(french, german.cend());
    EXPECT_EQ(french->title, QString::fromUtf8("Français — Französisch")) << "capitalised for a list";
}

TEST(LanguageChoices, RegionsAndTheValueWritten)
{
    const QList<SearchableEntry> regions = language_choices::regions("de", "en_US@rg=atzzzz");
    QHash<QString, SearchableEntry> byCode;
    for (const SearchableEntry& entry : regions)
        byCode.insert(entry.identifier, entry);
    EXPECT_GT(byCode.size(), 200);
    EXPECT_EQ(byCode.value("DE").title, "Deutschland");
    EXPECT_FALSE(byCode.value("AT").enabled) << "the region in force";
    EXPECT_TRUE(byCode.value("US").enabled);
    EXPECT_FALSE(byCode.contains("ZZ"));
    // Sorted as German sorts: Österreich among the O.
    QStringList titles;
    for (const SearchableEntry& entry : regions)
        titles.append(entry.title);
    EXPECT_LT(titles.indexOf("Österreich"), titles.indexOf("Pakistan"));
    EXPECT_GT(titles.indexOf("Österreich"), titles.indexOf("Oman"));

    const struct {
        const char* language;
        const char* region;
        const char* written;
    } cases[] = {{"en", "DE", "en_DE"}, {"en-GB", "DE", "en_DE"}, {"en_US", "JP", "en_JP"}, {"zh-Hans-CN", "DE", "zh-Hans_DE"}, {"zh-Hant", "HK", "zh-Hant_HK"}, {"sr-Latn-RS", "AT", "sr-Latn_AT"}, {"es-419", "MX", "es_MX"}, {"en-US@rg=dezzzz", "FR", "en_FR"}, {"", "DE", ""}, {"e n", "DE", ""}, {"en", "", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(language_choices::localeForRegion(c.language, c.region), QString::fromUtf8(c.written)) << c.language;
}

TEST(SearchableList, FoldingIgnoresCaseAndAccents)
{
    EXPECT_EQ(SearchableListDialog::folded(QString::fromUtf8("Français ÖSTERREICH")), "francais osterreich");
    EXPECT_EQ(SearchableListDialog::folded(QString::fromUtf8("日本語")), QString::fromUtf8("日本語"));
}

} // namespace
