// The real mouse in the real window, on a real X server (Xvfb), driven by xdotool: dragging the
// last language to the top writes the new order through the `defaults` stand-in, and the wheel
// over a closed pop-up changes nothing.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "platform/host/UserDefaults.h"

#include <QAbstractItemView>
#include <QProcess>
#include <QTest>

namespace {

class RealInput : public QuorrelFixture {
protected:
    // Starts Quorrel with its window at the top left of the screen, shown and drawn.
    QuorrelAppDelegate& startOnScreen()
    {
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        window->move(0, 0);
        d.applicationWillBecomeActive({});
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        QTest::qWait(300);
        return d;
    }

    static QStringList xy(const QPoint& p) { return {QString::number(p.x()), QString::number(p.y())}; }

    // Runs xdotool with `script`, waiting for the event loop to see what it did.
    static void xdotool(const QStringList& script, int waitMs)
    {
        QProcess process;
        process.start(QStringLiteral("xdotool"), script);
        ASSERT_TRUE(process.waitForStarted());
        EXPECT_TRUE(QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 15000));
        QTest::qWait(waitMs);
    }
};

TEST_F(RealInput, DraggingALanguageToTheTopWithTheMouseReordersTheSystemLanguages)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = startOnScreen();

    TableView* table = d.outlets.languagesTable;
    auto globalCenterOf = [&](int row, int dy) {
        const QRect rect = table->visualRect(table->model()->index(row, 0));
        return table->viewport()->mapToGlobal(QPoint(rect.center().x(), rect.top() + dy));
    };
    const QPoint from = globalCenterOf(2, table->rowHeight(2) / 2); // fr
    const QPoint to = globalCenterOf(0, 2);                         // upper part of the first row
    QStringList script{"mousemove"};
    script << xy(from) << "sleep"
           << "0.3"
           << "mousedown"
           << "1"
           << "sleep"
           << "0.3"
           << "mousemove" << xy(from + QPoint(0, -8))
           << "sleep"
           << "0.3"
           << "mousemove" << xy(to + QPoint(0, 4)) << "sleep"
           << "0.3"
           << "mousemove" << xy(to)
           << "sleep"
           << "0.5"
           << "mouseup"
           << "1";
    clearCalls();
    QProcess mouse;
    mouse.start(QStringLiteral("xdotool"), script);
    ASSERT_TRUE(mouse.waitForStarted());

    // The drag runs its own event loop; wait until the drop has been written and read back.
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.languages.value(0) == QLatin1String("fr"); }, 15000));
    mouse.waitForFinished();
    EXPECT_EQ(d.languages, (QStringList{"fr", "en", "de"}));
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    fr,\n    en,\n    de\n)\n");
    EXPECT_EQ(table->model()->rowCount(), 3) << "no row lost or duplicated";
    EXPECT_EQ(calls().value(0), writeLanguages("(fr,en,de)"));
}

TEST_F(RealInput, AShortDragThatEndsOnTheLowerHalfOfItsOwnRowChangesNothing)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = startOnScreen();
    TableView* table = d.outlets.languagesTable;
    const QRect first = table->visualRect(table->model()->index(0, 0));
    const QPoint from = table->viewport()->mapToGlobal(QPoint(first.center().x(), first.top() + 1));
    const QPoint to = table->viewport()->mapToGlobal(QPoint(first.center().x() + 14, first.bottom() - 1));
    ASSERT_GT((to - from).manhattanLength(), QApplication::startDragDistance()) << "far enough to start a drag";
    // The drag runs its own event loop, which only an event filter sees into.
    struct DropCounter : QObject {
        int drops = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            drops += event->type() == QEvent::Drop;
            return false;
        }
    } counter;
    table->viewport()->installEventFilter(&counter);
    QStringList script{"mousemove"};
    script << xy(from) << "sleep"
           << "0.3"
           << "mousedown"
           << "1"
           << "sleep"
           << "0.3"
           << "mousemove" << xy(from + QPoint(14, 4))
           << "sleep"
           << "0.3"
           << "mousemove" << xy(to) << "sleep"
           << "0.5"
           << "mouseup"
           << "1";
    clearCalls();
    QProcess mouse;
    mouse.start(QStringLiteral("xdotool"), script);
    ASSERT_TRUE(mouse.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.drops > 0 && mouse.state() == QProcess::NotRunning; }, 15000))
        << "the drag started and ended in a drop";
    table->viewport()->removeEventFilter(&counter);
    EXPECT_TRUE(settledCalls().isEmpty()) << ::testing::PrintToString(calls());
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    de,\n    fr\n)\n");
}

TEST_F(RealInput, TheMouseWheelOverAClosedPopUpChangesNothing)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    writeGlobal("AppleLanguages", "(en, fr, de, ja)");
    writeOwnDefault(kPreferredLocalesKey, "(\"de_DE,fr\", en_GB, \"fr_FR,de\")");
    QuorrelAppDelegate& d = startOnScreen();
    const QString languagesBefore = readGlobal("AppleLanguages");
    const QString entriesBefore = readDefault(UserDefaults::kDomain, kPreferredLocalesKey);

    for (PopUpButton* popUp : {d.outlets.preferredLocalesMenu, d.outlets.fallbackLanguagesMenu}) {
        SCOPED_TRACE(popUp->objectName().toStdString());
        popUp->selectItemAtIndex(1);
        clearCalls();
        const QPoint centre = popUp->mapToGlobal(popUp->rect().center());
        // Buttons 5 and 4 are the wheel turned down and up, one notch a click.
        QStringList script{"mousemove"};
        script << xy(centre) << "sleep"
               << "0.2"
               << "click"
               << "--repeat"
               << "3"
               << "--delay"
               << "100"
               << "5"
               << "click"
               << "--repeat"
               << "4"
               << "--delay"
               << "100"
               << "4";
        xdotool(script, 400);
        EXPECT_TRUE(calls().isEmpty()) << ::testing::PrintToString(calls());
        EXPECT_EQ(popUp->indexOfSelectedItem(), 1);
        EXPECT_FALSE(popUp->view()->isVisible());
    }
    EXPECT_EQ(readGlobal("AppleLanguages"), languagesBefore);
    EXPECT_EQ(readGlobal("AppleLocale"), "en_US\n");
    EXPECT_EQ(readDefault(UserDefaults::kDomain, kPreferredLocalesKey), entriesBefore);
}

} // namespace
