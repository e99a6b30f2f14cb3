// The window during the program's pauses and waits for a tool: it keeps painting and its
// progress indicator turns, while the program's own timers, delayed calls and the user's input
// wait until the whole sequence is over, so that nothing of the program runs in the middle of it.
#include "QuorrelFixture.h"

#include "Classes/DefaultKeys.h"
#include "Classes/LocaleRow.h"
#include "platform/LiveWait.h"
#include "platform/NotificationCenter.h"
#include "platform/Timer.h"

#include <QProcess>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Counts the paints of one widget while `armed`, and what the widget showed at each.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* widget, std::function<QString()> state) : state_(std::move(state)) { widget->installEventFilter(this); }
    bool armed = false;
    QStringList seen; // the state at each paint while armed

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (armed && event->type() == QEvent::Paint)
            seen.append(state_());
        return false;
    }

private:
    std::function<QString()> state_;
};

// A plain Qt timer, no part of the program: it shows whether the event loop turns at all.
struct LoopProbe {
    explicit LoopProbe(std::function<void()> onTurn)
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, onTurn);
        timer.start();
    }
    QTimer timer;
};

class LiveWindow : public QuorrelFixture {
protected:
    QuorrelAppDelegate& startShown()
    {
        QuorrelAppDelegate& d = start();
        QWidget* window = d.window().widget();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return d;
    }
};

TEST_F(LiveWindow, DuringASwitchTheTablesRepaintAndTheIndicatorTurns)
{
    writeGlobal("AppleLanguages", "(en, fr, de, ja)");
    writeOwnDefault(kPreferredLocalesKey, "(\"de_DE,fr\")");
    QuorrelAppDelegate& d = startShown();
    ProgressIndicator* indicator = d.outlets.circularProgressIndicator;
    TableView* table = d.outlets.languagesTable;
    PaintWatch indicatorPaints(indicator, [indicator] { return QString::number(indicator->frame()); });
    PaintWatch tablePaints(table->viewport(), [table] { return cells(table).value(0); });

    indicatorPaints.armed = tablePaints.armed = true;
    d.changePreferredLocale(d.outlets.preferredLocalesMenu);
    indicatorPaints.armed = tablePaints.armed = false;

    // Frames painted while the switch ran, before it returned: more than the first one.
    QStringList frames = indicatorPaints.seen;
    frames.removeDuplicates();
    EXPECT_GE(frames.size(), 2) << frames.join(QLatin1Char(' ')).toStdString();
    // The language table was repainted in the middle of the switch, showing the new order.
    EXPECT_TRUE(tablePaints.seen.contains(QStringLiteral("Deutsch | de"))) << tablePaints.seen.join(QLatin1Char(',')).toStdString();
    // And the switch itself is what it always was.
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    de,\n    fr,\n    en,\n    ja\n)\n");
    EXPECT_EQ(readGlobal("AppleLocale"), "de_DE\n");
    EXPECT_TRUE(indicator->isHidden());
}

TEST_F(LiveWindow, TheProgramsTimersAndDelayedCallsDueDuringAPauseRunAfterTheWholeRefresh)
{
    QuorrelAppDelegate& d = start();
    bool inRefresh = false;
    bool loopTurnedInRefresh = false;
    LoopProbe probe([&] { loopTurnedInRefresh = loopTurnedInRefresh || inRefresh; });

    QStringList ran; // each program action, and whether it ran inside the refresh
    auto record = [&](const char* what) { ran.append(QStringLiteral("%1 %2").arg(what, inRefresh ? "inside" : "after")); };
    std::unique_ptr<Timer> once = Timer::scheduledTimer(0.01, false, [&] { record("timer"); });
    std::unique_ptr<Timer> repeating = Timer::scheduledTimer(0.02, true, [&] { record("repeating"); });
    QObject context;
    performAfterDelay(&context, 0.01, [&] { record("delayed"); });

    inRefresh = true;
    d.updateUI(); // two pauses of half a second, and four reads
    inRefresh = false;

    EXPECT_TRUE(loopTurnedInRefresh) << "the window's event loop turned during the pauses";
    auto ranAfter = [&](const char* what) { return ran.contains(QStringLiteral("%1 after").arg(what)); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return ranAfter("timer") && ranAfter("repeating") && ranAfter("delayed"); }, 10000))
        << ran.join(QLatin1Char(',')).toStdString();
    repeating->invalidate();
    EXPECT_FALSE(ran.join(QLatin1Char(',')).contains(QLatin1String("inside"))) << ran.join(QLatin1Char(',')).toStdString();
}

TEST_F(LiveWindow, ADelayedCallWhoseObjectIsGoneByTheEndOfThePauseNeverRuns)
{
    QuorrelAppDelegate& d = start();
    bool ran = false;
    bool inRefresh = false;
    bool probed = false;
    auto context = std::make_unique<QObject>();
    performAfterDelay(context.get(), 0.0, [&] { ran = true; });
    // Inside the pause, once the call is due and held: its object goes away.
    LoopProbe probe([&] {
        if (inRefresh && !probed) {
            probed = true;
            context.reset();
        }
    });
    inRefresh = true;
    d.updateUI();
    inRefresh = false;
    EXPECT_TRUE(probed);
    // A call made now runs after whatever the pause held back.
    bool later = false;
    QObject laterContext;
    performAfterDelay(&laterContext, 0.0, [&] { later = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return later; }));
    EXPECT_FALSE(ran);
}

// Real keys on a real X server (Xvfb): a key pressed while the window pauses moves nothing until
// the whole refresh has ended, and then it acts, on what the window shows by then.
TEST_F(LiveWindow, AKeyPressedDuringAPauseActsOnlyAfterTheRefresh)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    QuorrelAppDelegate& d = start();
    QWidget* window = d.window().widget();
    window->move(0, 0);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    TableView* table = d.outlets.languagesTable;
    table->setFocus();
    table->selectRowIndexes({2}, false); // fr
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->hasFocus(); }));

    bool inRefresh = false;
    bool movedInRefresh = false;
    int moves = 0;
    NotificationCenter::defaultCenter().addObserver(&moves, kMyNotificationLanguagesHaveBeenUpdated, [&](const Notification&) {
        ++moves;
        movedInRefresh = movedInRefresh || inRefresh;
    });

    bool keySent = false;
    bool keyArrived = false;
    const QSize sizeBefore = window->size();
    LoopProbe probe([&] {
        if (keySent || !inRefresh)
            return;
        keySent = true;
        // The key, then a change of the window's size: the X server sends the two events in that
        // order, so once the new size is seen here the key has reached the program too.
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), {"key", "alt+Up", "windowsize", QString::number(window->winId()), QString::number(sizeBefore.width() + 10), QString::number(sizeBefore.height())});
        xdotool.waitForFinished(15000);
        QDeadlineTimer limit(15000);
        while (window->size() == sizeBefore && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        keyArrived = window->size() != sizeBefore;
    });

    inRefresh = true;
    d.updateUI();
    inRefresh = false;
    probe.timer.stop();

    EXPECT_TRUE(keySent);
    EXPECT_TRUE(keyArrived);
    EXPECT_FALSE(movedInRefresh) << "the key acted in the middle of the refresh";
    // Held, not lost: it moves fr up once the refresh is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return moves == 1; }, 15000));
    NotificationCenter::defaultCenter().removeObserver(&moves);
    EXPECT_EQ(readGlobal("AppleLanguages"), "(\n    en,\n    fr,\n    de\n)\n");
}

// A key held back by a pause acts as soon as the pause is over, even when nothing else happens
// afterwards: no mouse move or other event should be needed to let it through.
TEST_F(LiveWindow, AKeyHeldByAPauseActsWithNothingElseHappeningAfterIt)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server";
    struct KeyCounter : QWidget {
        int presses = 0;
        void keyPressEvent(QKeyEvent*) override { ++presses; }
    } widget;
    widget.setFocusPolicy(Qt::StrongFocus);
    widget.setGeometry(0, 0, 200, 100);
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    widget.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return widget.hasFocus(); }));

    bool keyArrived = false;
    bool inPause = false;
    LoopProbe probe([&] {
        if (!inPause || keyArrived)
            return;
        // As above: once the new size is seen, the key has reached the program too.
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), {"key", "space", "windowsize", QString::number(widget.winId()), "210", "100"});
        xdotool.waitForFinished(15000);
        QDeadlineTimer limit(15000);
        while (widget.width() != 210 && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        keyArrived = widget.width() == 210;
    });
    inPause = true;
    live_wait::until(live_wait::Clock::now() + std::chrono::milliseconds(100));
    inPause = false;
    probe.timer.stop();

    ASSERT_TRUE(keyArrived);
    EXPECT_EQ(widget.presses, 0) << "the key acted during the pause";
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget.presses == 1; }, 10000));
}

} // namespace
