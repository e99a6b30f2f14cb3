// Undo and redo of every change the program makes, through the Edit menu and its keys, against the
// recording tool root: each undo reads the value first and writes only over what the program
// itself left there; the status line says what became of a change.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "Classes/MyRunUsrCommands.h"
#include "Classes/PreferencesWindowController.h"
#include "platform/host/UserDefaults.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUndoStack>

namespace {

QStringList storedEntries()
{
    UserDefaults::standardUserDefaults().synchronize();
    return UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey).value_or(QStringList{"<none>"});
}

class Undo : public QuorrelFixture {
protected:
    QuorrelAppDelegate& startActive()
    {
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return d;
    }

    // What one full refresh starts on this machine's path, measured on the running window.
    QList<ToolCall> refreshTraffic()
    {
        (void)settledCalls();
        clearCalls();
        delegate->updateUI();
        QList<ToolCall> traffic = settledCalls();
        clearCalls();
        return traffic;
    }

    // A key of the menu bar, pressed where the keyboard focus is, as the user presses it.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : delegate->window().widget();
        QTest::keyClick(target, key, modifiers);
    }

    // Moves language row `row` up one place with the keys that move a row.
    void moveLanguageUp(qint64 row)
    {
        TableView* table = delegate->outlets.languagesTable;
        table->setFocus();
        table->selectRowIndexes({row}, false);
        QTest::keyClick(table, Qt::Key_Up, kMoveModifiers);
    }

    // Drags row `from` of the region table to the top through the data source, as a drop does.
    void dropRegionOnTop(qint64 from)
    {
        TableView* table = delegate->outlets.regionsTable;
        MyTableData* data = delegate->regionsTableData.get();
        QMimeData mime;
        Pasteboard pasteboard(&mime);
        data->writeRowsWithIndexes(table, {from}, pasteboard);
        DraggingInfo info(table, &mime);
        ASSERT_TRUE(data->acceptDrop(table, info, 0, DropOperation::Above));
    }

    QString status() const { return delegate->outlets.statusLine->text(); }
    QAction* undoAction() const { return delegate->outlets.undoAction; }
    QAction* redoAction() const { return delegate->outlets.redoAction; }

    static void deleteGlobal(const QString& key)
    {
        QProcess process;
        process.start(buildPath(QStringLiteral("defaults")), {QStringLiteral("delete"), QStringLiteral(".GlobalPreferences"), key});
        ASSERT_TRUE(process.waitForFinished());
    }

    static ToolCall deleteLocale() { return call("defaults", {"delete", ".GlobalPreferences", "AppleLocale"}); }
};

// The Edit menu of the main window, as the menu bar holds it.
QMenu* editMenu(QuorrelAppDelegate& d)
{
    auto* window = d.window().widget();
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (menu->actions().contains(d.outlets.undoAction))
            return menu;
    return nullptr;
}

} // namespace

TEST_F(Undo, KeysUndoAndRedoALanguageMoveAfterReadingTheValueAgain)
{
    const struct {
        const char* cfVersion;
        const char* languages;
        const char* locale;
        QString moved;
        QString original;
    } cases[] = {
        {"1299.0", "(en, de, fr)", "en_US", "(de,en,fr)", "(en,de,fr)"},
        {"2202.0", R"(("en-GB", "zh-Hans-CN", fr))", "en_GB@rg=dezzzz", "(zh-Hans-CN,en-GB,fr)", "(en-GB,zh-Hans-CN,fr)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cfVersion);
        home.env().set("QUORREL_CF_VERSION", c.cfVersion);
        writeGlobal("AppleLanguages", c.languages);
        writeGlobal("AppleLocale", c.locale);
        QuorrelAppDelegate& d = startActive();
        const QList<ToolCall> refresh = refreshTraffic();
        ASSERT_FALSE(undoAction()->isEnabled());
        ASSERT_FALSE(redoAction()->isEnabled());
        ASSERT_TRUE(editMenu(d));
        EXPECT_TRUE(editMenu(d)->actions().contains(redoAction()));

        moveLanguageUp(1);
        QList<ToolCall> expected{writeLanguages(c.moved)};
        EXPECT_EQ(settledCalls(), expected + refresh) << "the move itself is unchanged";
        EXPECT_TRUE(undoAction()->isEnabled());
        EXPECT_EQ(undoAction()->text(), "Undo Language Order");
        EXPECT_EQ(status(), "Applications show the new primary language after they are reopened.");
        clearCalls();

        press(Qt::Key_Z, Qt::ControlModifier);
        expected = {readLanguages(), writeLanguages(c.original)};
        EXPECT_EQ(settledCalls(), expected + refresh);
        EXPECT_EQ(d.languages.value(0), QString(c.original).section(',', 0, 0).mid(1));
        EXPECT_FALSE(undoAction()->isEnabled());
        EXPECT_TRUE(redoAction()->isEnabled());
        EXPECT_EQ(redoAction()->text(), "Redo Language Order");
        clearCalls();

        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        expected = {readLanguages(), writeLanguages(c.moved)};
        EXPECT_EQ(settledCalls(), expected + refresh);
        EXPECT_EQ(d.languages.value(0), QString(c.moved).section(',', 0, 0).mid(1));
        EXPECT_TRUE(undoAction()->isEnabled());
        EXPECT_FALSE(redoAction()->isEnabled());
        clearCalls();

        // The same through the menu item itself.
        undoAction()->trigger();
        expected = {readLanguages(), writeLanguages(c.original)};
        EXPECT_EQ(settledCalls(), expected + refresh);
        clearCalls();
    }
}

TEST_F(Undo, TheRegionComesBackExactlyAndAnAbsentRegionIsDeletedAgain)
{
    home.env().set("QUORREL_CF_VERSION", "2202.0");
    writeGlobal("AppleLanguages", R"(("en-GB", de))");
    writeGlobal("AppleLocale", "en_GB@rg=dezzzz");
    QuorrelAppDelegate& d = startActive();
    const QList<ToolCall> refresh = refreshTraffic();
    ASSERT_GT(d.locales.size(), 1);
    const QString other = d.locales.value(1);
    dropRegionOnTop(1);
    EXPECT_EQ(settledCalls(), QList<ToolCall>{writeLocale(other)} + refresh);
    EXPECT_EQ(undoAction()->text(), "Undo Region");
    EXPECT_EQ(status(), "") << "the region was taken, the primary language is the same";
    clearCalls();

    undoAction()->trigger();
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readLocale(), writeLocale("en_GB@rg=dezzzz")}) + refresh);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_GB@rg=dezzzz\n");
    EXPECT_EQ(redoAction()->text(), "Redo Region");

    // No region at all before the change: undoing deletes the key again, and only after the read
    // showed the value written.
    deleteGlobal("AppleLocale");
    start();
    const QList<ToolCall> refreshWithoutRegion = refreshTraffic();
    ASSERT_GT(delegate->locales.size(), 1);
    const QString chosen = delegate->locales.value(1);
    dropRegionOnTop(1);
    (void)settledCalls();
    clearCalls();
    undoAction()->trigger();
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readLocale(), deleteLocale()}) + refreshWithoutRegion);
    EXPECT_EQ(readGlobal("AppleLocale"), "");
    clearCalls();
    redoAction()->trigger();
    EXPECT_EQ(settledCalls(), (QList<ToolCall>{readLocale(), writeLocale(chosen)}) + refresh);
}

TEST_F(Undo, AValueChangedElsewhereIsNeitherUndoneNorRedone)
{
    for (const bool modern : {false, true}) {
        SCOPED_TRACE(modern ? "today's values" : "classic values");
        home.env().set("QUORREL_CF_VERSION", modern ? "2202.0" : "1299.0");
        writeGlobal("AppleLanguages", modern ? R"(("en-GB", "zh-Hans-CN"))" : "(en, de)");
        writeGlobal("AppleLocale", modern ? "en_GB@rg=dezzzz" : "en_US");
        QuorrelAppDelegate& d = startActive();
        const QList<ToolCall> refresh = refreshTraffic();
        moveLanguageUp(1);
        (void)settledCalls();
        // Someone else sets another order between the change and the undo.
        writeGlobal("AppleLanguages", "(fr, en)");
        clearCalls();

        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(settledCalls(), QList<ToolCall>{readLanguages()} + refresh) << "read, nothing written";
        EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    fr,\n    en\n)\n");
        EXPECT_EQ(status(), "Language Order was changed elsewhere; not undone.");
        EXPECT_FALSE(undoAction()->isEnabled()) << "the stale step is gone";
        EXPECT_FALSE(redoAction()->isEnabled());
        EXPECT_EQ(d.undoStack()->count(), 0);

        // The status line belongs to the last action: the next one clears it.
        clearCalls();
        moveLanguageUp(1);
        (void)settledCalls();
        EXPECT_EQ(status(), "Applications show the new primary language after they are reopened.");
        writeGlobal("AppleLanguages", "(ja)");
        undoAction()->trigger();
        (void)settledCalls();
        EXPECT_EQ(status(), "Language Order was changed elsewhere; not undone.");

        // Redo checks the same way: the value must still be the one the undo put back.
        writeGlobal("AppleLanguages", "(en, de)");
        startActive();
        moveLanguageUp(1);
        undoAction()->trigger();
        (void)settledCalls();
        writeGlobal("AppleLanguages", "(it)");
        clearCalls();
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(settledCalls(), QList<ToolCall>{readLanguages()} + refresh);
        EXPECT_EQ(status(), "Language Order was changed elsewhere; not redone.");
        EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    it\n)\n");
        EXPECT_FALSE(redoAction()->isEnabled());
    }
}

TEST_F(Undo, ASwitchIsOneStepAndComesBackRegionFirstThenLanguages)
{
    writeGlobal("AppleLanguages", "(en, fr, de, ja)");
    writeOwnDefault(kPreferredLocalesKey, "(\"de_DE,fr\")");
    QuorrelAppDelegate& d = startActive();
    d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    (void)settledCalls();
    ASSERT_EQ(readGlobal("AppleLocale"), "de_DE\n");
    EXPECT_EQ(d.undoStack()->count(), 1);
    EXPECT_EQ(undoAction()->text(), "Undo Switch to Saved Combination");
    clearCalls();

    press(Qt::Key_Z, Qt::ControlModifier);
    QList<ToolCall> expected{readLocale(), writeLocale("en_US"), readLanguages(), writeLanguages("(en,fr,de,ja)")};
    expected << refreshWithFallbackEntry();
    EXPECT_EQ(settledCalls(), expected);
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    fr,\n    de,\n    ja\n)\n");
    EXPECT_EQ(readGlobal("AppleLocale"), "en_US\n");
    clearCalls();

    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    expected = {readLanguages(), writeLanguages("(de,fr,en,ja)"), readLocale(), writeLocale("de_DE")};
    expected << refreshWithFallbackEntry();
    EXPECT_EQ(settledCalls(), expected);
    EXPECT_EQ(readGlobal("AppleLocale"), "de_DE\n");
}

TEST_F(Undo, ARemovedSavedCombinationComesBackAtItsPlace)
{
    writeOwnDefault(kPreferredLocalesKey, "(de_DE, en_GB, fr_FR)");
    QuorrelAppDelegate& d = startActive();
    PopUpButton* menu = d.outlets.preferredLocalesMenu;
    menu->selectItemAtIndex(1);
    d.removePreferredLocale(d.outlets.removePreferredLocale.widget());
    ASSERT_EQ(storedEntries(), (QStringList{"de_DE", "fr_FR"}));
    EXPECT_EQ(undoAction()->text(), "Undo Remove Saved Combination");
    (void)settledCalls();
    clearCalls();

    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "en_GB", "fr_FR"}));
    EXPECT_EQ(menu->itemTitles(), storedEntries());
    EXPECT_EQ(menu->indexOfSelectedItem(), 1);
    for (const ToolCall& call : settledCalls())
        EXPECT_NE(call.arguments.value(0), "write") << "own settings only";

    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(storedEntries(), (QStringList{"de_DE", "fr_FR"}));

    // Removing the last one and adding are undone the same way.
    undoAction()->trigger();
    menu->selectItemAtIndex(0);
    d.removePreferredLocale(nullptr);
    d.removePreferredLocale(nullptr);
    d.removePreferredLocale(nullptr);
    ASSERT_EQ(storedEntries(), QStringList{});
    ASSERT_TRUE(d.outlets.removePreferredLocale.isHidden());
    undoAction()->trigger();
    EXPECT_EQ(storedEntries(), QStringList{"fr_FR"});
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_FALSE(d.outlets.removePreferredLocale.isHidden());
    d.addPreferredLocale(nullptr);
    ASSERT_EQ(storedEntries(), (QStringList{"en_US", "fr_FR"}));
    EXPECT_EQ(undoAction()->text(), "Undo Save Current Region");
    undoAction()->trigger();
    EXPECT_EQ(storedEntries(), QStringList{"fr_FR"});

    // A list changed by another copy of the program is left alone.
    redoAction()->trigger();
    writeOwnDefault(kPreferredLocalesKey, "(it_IT)");
    undoAction()->trigger();
    EXPECT_EQ(storedEntries(), QStringList{"it_IT"});
    EXPECT_EQ(status(), "Saved Combinations was changed elsewhere; not undone.");
}

TEST_F(Undo, NothingIsRecordedThatCouldNotBePutBackWhole)
{
    QuorrelAppDelegate& d = startActive();
    // A read that failed or was cut short, or printed something not taken apart.
    const std::optional<QString> none;
    EXPECT_FALSE(SystemValue::fromRead(none, 0).isKnown());
    EXPECT_FALSE(SystemValue::fromRead(QString("(\n    en,\n    de\n"), 0).isKnown());
    EXPECT_FALSE(SystemValue::fromRead(QString("(\n    \"a\\\"b\"\n)\n"), 0).isKnown());
    EXPECT_FALSE(SystemValue::fromRead(QString("{\n    a = b;\n}\n"), 0).isKnown());
    EXPECT_FALSE(SystemValue::fromRead(QString(""), 0).isKnown()) << "an answer of nothing at all";
    EXPECT_FALSE(SystemValue::fromRead(QString("en\n"), 1).isKnown());
    EXPECT_EQ(SystemValue::fromRead(QString(""), 1), SystemValue::absent());
    EXPECT_EQ(SystemValue::fromRead(QString("(\n    en,\n    \"zh-Hans-CN\"\n)\n"), 0),
              SystemValue::array({"en", "zh-Hans-CN"}));
    EXPECT_EQ(SystemValue::fromRead(QString("en_GB@rg=dezzzz\n"), 0), SystemValue::text("en_GB@rg=dezzzz"));
    // Unquoted items are words of identifier characters only; anything else is not taken apart.
    EXPECT_EQ(SystemValue::fromRead(QString("(\n    a_b.c$d/e:f+g-h,\n    Zz09\n)\n"), 0),
              SystemValue::array({"a_b.c$d/e:f+g-h", "Zz09"}));
    EXPECT_EQ(SystemValue::fromRead(QString("(\n)\n"), 0), SystemValue::array({}));
    for (const char* printout : {"(\n    en,\n\n    de\n)\n", "(\n    en,\n)\n", "(\n    en\n    de\n)\n",
                                 "(\n    en\n)x\n", "(x\n    en\n)\n", "(\n    en\n)\n)\n", "(\n"})
        EXPECT_FALSE(SystemValue::fromRead(QString(printout), 0).isKnown()) << printout;
    for (const char* item : {"a;b", "a b", "a=b", "a@b", "caf\u00e9", "a\tb", "    "})
        EXPECT_FALSE(SystemValue::fromRead(QString("(\n    en,\n    %1\n)\n").arg(QString::fromUtf8(item)), 0).isKnown())
            << item;

    d.recordSystemChange(".GlobalPreferences", "AppleLocale", SystemValue(), SystemValue::text("de_DE"));
    d.recordSystemChange(".GlobalPreferences", "AppleLocale", SystemValue::text("de_DE"), SystemValue::text("de_DE"));
    EXPECT_EQ(d.undoStack()->count(), 0);
    EXPECT_FALSE(undoAction()->isEnabled());

    // A read of the languages that timed out: the rows cannot be written, and nothing is recorded.
    MyRunUsrCommands::readLimits().time = std::chrono::milliseconds(300);
    stallDefaults("(\n    en,\n");
    d.updateUI();
    stallDefaults("");
    MyRunUsrCommands::readLimits() = {};
    clearCalls();
    d.resortAndSetCurrentLanguages(Notification{});
    (void)settledCalls();
    EXPECT_EQ(d.undoStack()->count(), 0);
}

TEST_F(Undo, TheStatusLineNamesASettingTheSystemDidNotTake)
{
    QuorrelAppDelegate& d = startActive();
    // From here on `defaults write` is recorded but changes nothing, as when the system refuses a
    // value: the refresh then reads the old order back.
    const QString ignoring = toolRoot + "/ignoring/defaults";
    ASSERT_TRUE(QDir().mkpath(toolRoot + "/ignoring"));
    ASSERT_TRUE(QFile::link(QStringLiteral(QUORREL_TOOL_RECORDER), ignoring));
    const QString tool = toolRoot + "/usr/bin/defaults";
    ASSERT_TRUE(QDir().mkpath(toolRoot + "/reading"));
    ASSERT_TRUE(QFile::rename(tool, toolRoot + "/reading/defaults"));
    QFile script(tool);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "if [ \"$1\" = write ]; then QUORREL_TEST_DEFAULTS=/bin/true exec '%1' \"$@\"; fi\n"
                                "exec '%2' \"$@\"\n")
                     .arg(ignoring, toolRoot + "/reading/defaults")
                     .toUtf8());
    script.close();
    ASSERT_TRUE(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    clearCalls();

    moveLanguageUp(2);
    EXPECT_EQ(settledCalls().value(0), writeLanguages("(en,fr,de)"));
    EXPECT_EQ(d.languages, (QStringList{"en", "de", "fr"}));
    EXPECT_EQ(status(), "Language Order: the system shows another value than the one set.");
    EXPECT_TRUE(d.outlets.statusLine->isVisibleTo(d.window().widget()));
}

TEST_F(Undo, PreferencesCloseWithEscapeAndTheCloseKey)
{
    QuorrelAppDelegate& d = startActive();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers(Qt::NoModifier)},
                                         std::pair{Qt::Key_W, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        d.showPreferences(nullptr);
        QPointer<QWidget> window = d.preferencesWindow->window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.data(), key, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }, 5000)) << "closed and gone";
        EXPECT_TRUE(d.window().widget()->isVisible()) << "the main window stays";
    }
}

TEST_F(Undo, TheWindowMenuMinimizesZoomsAndHasTheMacKeys)
{
    QuorrelAppDelegate& d = startActive();
    QWidget* window = d.window().widget();
    QMenu* windowMenu = nullptr;
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (menu->title() == "&Window")
            windowMenu = menu;
    ASSERT_TRUE(windowMenu);
    QStringList items;
    for (QAction* action : windowMenu->actions())
        if (!action->isSeparator())
            items << action->text() + " " + action->shortcut().toString(QKeySequence::PortableText);
    EXPECT_EQ(items.mid(0, 2), (QStringList{"Minimize Ctrl+M", "Zoom "}));
    QAction* close = windowMenu->actions().last();
    EXPECT_EQ(close->text(), "Close");
    EXPECT_TRUE(close->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)));

    press(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }, 5000));
}
