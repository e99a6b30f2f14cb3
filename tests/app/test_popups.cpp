// The two pop-up menus act only when the user chooses an item in the open menu: a wheel notch or a
// key on a closed pop-up must never switch the system or rewrite a saved entry.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/host/UserDefaults.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace {

class PopUps : public QuorrelFixture {
protected:
    void SetUp() override
    {
        writeGlobal("AppleLanguages", "(en, fr, de, ja)");
        // The current region matches none of the entries, so a switch to any of them writes.
        writeOwnDefault(kPreferredLocalesKey, "(\"de_DE,fr\", en_GB, \"fr_FR,de\")");
        QuorrelAppDelegate& d = start();
        d.applicationWillBecomeActive({});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.window().widget()));
        clearCalls();
    }

    QList<PopUpButton*> popUps() const
    {
        return {delegate->outlets.preferredLocalesMenu, delegate->outlets.fallbackLanguagesMenu};
    }

    // What a switch or a fallback change would have touched.
    struct Snapshot {
        QString languages, locale, entries;
        int savedIndex, fallbackIndex;
        bool operator==(const Snapshot& o) const
        {
            return languages == o.languages && locale == o.locale && entries == o.entries && savedIndex == o.savedIndex
                && fallbackIndex == o.fallbackIndex;
        }
    };
    Snapshot snapshot()
    {
        return {readGlobal("AppleLanguages"), readGlobal("AppleLocale"),
                readDefault(UserDefaults::kDomain, kPreferredLocalesKey),
                delegate->outlets.preferredLocalesMenu->indexOfSelectedItem(),
                delegate->outlets.fallbackLanguagesMenu->indexOfSelectedItem()};
    }

    // Nothing started, nothing stored, nothing selected differently.
    void expectUntouched(const Snapshot& before, const char* what)
    {
        EXPECT_TRUE(settledCalls().isEmpty()) << what << ": started " << ::testing::PrintToString(calls());
        EXPECT_TRUE(snapshot() == before) << what;
    }
};

void sendWheel(QWidget* widget, int notchesDown)
{
    const QPointF local = QRectF(widget->rect()).center();
    QWheelEvent wheel(local, widget->mapToGlobal(local), QPoint(), QPoint(0, -120 * notchesDown), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST_F(PopUps, WheelNotchesOverAClosedPopUpChangeNothing)
{
    for (PopUpButton* popUp : popUps()) {
        ASSERT_GT(popUp->numberOfItems(), 2);
        popUp->selectItemAtIndex(1);
        clearCalls();
        const Snapshot before = snapshot();
        clearCalls();
        for (int notches : {1, 1, -1, -1, -1, 3})
            sendWheel(popUp, notches);
        expectUntouched(before, popUp->objectName().toUtf8().constData());
        EXPECT_FALSE(popUp->view()->isVisible());
    }
}

TEST_F(PopUps, KeysOnAFocusedClosedPopUpOpenItsMenuOrDoNothing)
{
    const struct {
        Qt::Key key;
        const char* name;
        bool opens;
    } keys[] = {
        {Qt::Key_Down, "Down", true},
        {Qt::Key_Up, "Up", true},
        {Qt::Key_Space, "Space", true},
        {Qt::Key_PageDown, "PageDown", true},
        {Qt::Key_End, "End", true},
        {Qt::Key_Home, "Home", true},
        {Qt::Key_F, "F", false},
        {Qt::Key_E, "E", false},
    };
    for (PopUpButton* popUp : popUps()) {
        popUp->selectItemAtIndex(1);
        for (const auto& k : keys) {
            SCOPED_TRACE(std::string(popUp->objectName().toStdString()) + " " + k.name);
            popUp->setFocus();
            clearCalls();
            const Snapshot before = snapshot();
            clearCalls();
            QTest::keyClick(popUp, k.key);
            EXPECT_EQ(popUp->view()->isVisible(), k.opens);
            popUp->hidePopup();
            expectUntouched(before, k.name);
        }
    }
}

TEST_F(PopUps, ChoosingAnItemInTheOpenMenuIsWhatActs)
{
    PopUpButton* saved = delegate->outlets.preferredLocalesMenu;
    saved->selectItemAtIndex(0);
    saved->setFocus();
    QTest::keyClick(saved, Qt::Key_Space);
    ASSERT_TRUE(saved->view()->isVisible());
    QTest::keyClick(saved->view(), Qt::Key_Down);
    clearCalls();
    QTest::keyClick(saved->view(), Qt::Key_Return);
    EXPECT_FALSE(saved->view()->isVisible());
    EXPECT_EQ(saved->titleOfSelectedItem(), "en_GB");
    EXPECT_TRUE(calls().contains(writeLocale("en_GB"))) << ::testing::PrintToString(calls());
    EXPECT_EQ(readGlobal("AppleLocale"), "en_GB\n");

    // Choosing in the open fallback menu rewrites the selected entry, and nothing else does.
    PopUpButton* fallback = delegate->outlets.fallbackLanguagesMenu;
    fallback->setFocus();
    QTest::keyClick(fallback, Qt::Key_Down);
    ASSERT_TRUE(fallback->view()->isVisible());
    QTest::keyClick(fallback->view(), Qt::Key_Down);
    QTest::keyClick(fallback->view(), Qt::Key_Return);
    UserDefaults::standardUserDefaults().synchronize();
    EXPECT_EQ(UserDefaults::standardUserDefaults().stringArrayForKey(kPreferredLocalesKey),
              (QStringList{"de_DE,fr", "en_GB," + fallback->titleOfSelectedItem().value_or("?"), "fr_FR,de"}));
}

} // namespace

TEST(PopUpButtonItems, AListOfAnyLengthKeepsEveryTitleSelectsTheFirstAndShowsTheLongest)
{
    for (const int count : {3, 2000}) {
        SCOPED_TRACE(count);
        PopUpButton menu;
        QStringList titles;
        for (int i = 0; i < count; ++i)
            titles.append(QStringLiteral("item %1").arg(i));
        titles[count / 2] = QStringLiteral("a title much longer than all the others");
        menu.addItemsWithTitles({QStringLiteral("first")});
        menu.addItemsWithTitles(titles);
        EXPECT_EQ(menu.itemTitles(), QStringList{QStringLiteral("first")} + titles);
        EXPECT_EQ(menu.indexOfSelectedItem(), 0);
        EXPECT_GE(menu.sizeHint().width(), menu.fontMetrics().horizontalAdvance(titles[count / 2]));
        menu.removeAllItems();
        EXPECT_EQ(menu.numberOfItems(), 0);
        EXPECT_EQ(menu.indexOfSelectedItem(), -1);
    }
}

TEST(PopUpButtonItems, TitlesStayAsAddedWhateverTheyShowAndWhateverIsRemoved)
{
    PopUpButton menu;
    menu.addItemsWithTitles({"a", "b", "a", "c"});
    menu.setItemDisplayText(1, "B shown");
    EXPECT_EQ(menu.itemTitle(1), "b");
    EXPECT_EQ(menu.itemText(1), "B shown");
    EXPECT_EQ(menu.view()->model()->index(1, 0).data().toString(), "B shown"); // what the open menu lists
    menu.selectItemWithTitle("a");
    EXPECT_EQ(menu.indexOfSelectedItem(), 0); // the first of repeated titles
    menu.selectItemWithTitle("B shown");
    EXPECT_EQ(menu.indexOfSelectedItem(), -1); // found by title only

    menu.removeItemAtIndex(0);
    EXPECT_EQ(menu.itemTitles(), (QStringList{"b", "a", "c"}));
    EXPECT_EQ(menu.itemText(0), "B shown"); // the shown text moves with its item
    EXPECT_EQ(menu.itemText(1), "a");
    menu.selectItemWithTitle("b");
    EXPECT_EQ(menu.titleOfSelectedItem(), "b");
    EXPECT_EQ(menu.currentText(), "B shown");
    menu.removeItemAtIndex(7);
    menu.selectItemAtIndex(7);
    EXPECT_EQ(menu.numberOfItems(), 3);
    EXPECT_EQ(menu.indexOfSelectedItem(), 0);

    menu.removeAllItems();
    menu.addItemsWithTitles({"x", "y"});
    EXPECT_EQ(menu.itemText(0), "x"); // nothing shown from before
    menu.addItemsWithTitles({"z"});
    menu.setItemDisplayText(2, "Z shown");
    EXPECT_EQ(menu.itemTitles(), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(menu.itemText(2), "Z shown");
    EXPECT_EQ(menu.indexOfSelectedItem(), 0);
}
