// The main job from the keyboard: a key press moves a row exactly as the matching drop would,
// with the same notification and the same writes.
#include "QuorrelFixture.h"

#include "Classes/LocaleRow.h"

#include <QMimeData>
#include <QTest>

namespace {

class Keyboard : public QuorrelFixture {
protected:
    void SetUp() override
    {
        writeGlobal("AppleLanguages", "(de, en, fr, ja)");
        writeGlobal("AppleLocale", "de_AT");
    }

    // What one key press on row `row` starts, from a fresh start; also the state after it.
    QList<ToolCall> trafficOfKey(bool regions, qint64 row, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QuorrelAppDelegate& d = start();
        TableView* table = regions ? d.outlets.regionsTable : d.outlets.languagesTable;
        table->setFocus();
        table->selectRowIndexes({row}, false);
        clearCalls();
        QTest::keyClick(table, key, modifiers);
        return settledCalls();
    }

    QStringList languageOrder() const
    {
        QStringList isos;
        for (const QVariant& row : *delegate->languagesAndNames)
            isos.append(LocaleRow::isodesignator(row));
        return isos;
    }
};

TEST_F(Keyboard, MovingALanguageUpOrDownIsTheMatchingDrop)
{
    const QList<ToolCall> dropUp = trafficOfDrop(false, 2, 1);
    ASSERT_FALSE(dropUp.isEmpty());
    EXPECT_EQ(dropUp.first(), writeLanguages("(de,fr,en,ja)"));

    writeGlobal("AppleLanguages", "(de, en, fr, ja)");
    EXPECT_EQ(trafficOfKey(false, 2, Qt::Key_Up, kMoveModifiers), dropUp);
    EXPECT_EQ(languageOrder(), (QStringList{"de", "fr", "en", "ja"}));
    EXPECT_EQ(delegate->outlets.languagesTable->selectedRowIndexes(), IndexSet{1}) << "the moved row stays selected";

    // A second press goes on from where the row went.
    clearCalls();
    QTest::keyClick(delegate->outlets.languagesTable, Qt::Key_Up, kMoveModifiers);
    EXPECT_EQ(settledCalls().value(0), writeLanguages("(fr,de,en,ja)"));

    writeGlobal("AppleLanguages", "(de, en, fr, ja)");
    const QList<ToolCall> dropDown = trafficOfDrop(false, 1, 2);
    writeGlobal("AppleLanguages", "(de, en, fr, ja)");
    EXPECT_EQ(trafficOfKey(false, 1, Qt::Key_Down, kMoveModifiers), dropDown);
    EXPECT_EQ(languageOrder(), (QStringList{"de", "fr", "en", "ja"}));
}

TEST_F(Keyboard, KeysThatMoveNothingStartNothing)
{
    const struct {
        qint64 row;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* what;
    } cases[] = {
        {0, Qt::Key_Up, kMoveModifiers, "the first row up"},
        {3, Qt::Key_Down, kMoveModifiers, "the last row down"},
        {2, Qt::Key_Up, Qt::NoModifier, "a plain arrow only moves the selection"},
        {2, Qt::Key_Return, Qt::NoModifier, "Return in the language table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(trafficOfKey(false, c.row, c.key, c.modifiers).isEmpty());
        EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    de,\n    en,\n    fr,\n    ja\n)\n");
    }
    EXPECT_TRUE(trafficOfKey(true, 0, Qt::Key_Return, Qt::NoModifier).isEmpty()) << "the current region already";
}

TEST_F(Keyboard, ReturnOrMoveUpPutsARegionOnTopAsItsDropWould)
{
    QuorrelAppDelegate& d = start();
    const qint64 germany = d.locales.indexOf("de_DE");
    ASSERT_GT(germany, 1);
    const QList<ToolCall> drop = trafficOfDrop(true, germany, 0);
    EXPECT_EQ(drop.value(0), writeLocale("de_DE"));

    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Return, Qt::KeyboardModifiers(Qt::NoModifier)},
                                         std::pair{Qt::Key_Enter, Qt::KeyboardModifiers(Qt::KeypadModifier)},
                                         std::pair{Qt::Key_Up, kMoveModifiers}}) {
        writeGlobal("AppleLocale", "de_AT");
        EXPECT_EQ(trafficOfKey(true, germany, key, modifiers), drop);
        EXPECT_EQ(readGlobal("AppleLocale"), "de_DE\n");
    }
}

} // namespace
