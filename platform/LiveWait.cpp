#include "LiveWait.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <thread>
#include <utility>
#include <vector>

namespace live_wait {
namespace {

// Paints, timers of Qt's own widgets and window-system events other than input. Input stays
// queued in order, press and release together, and reaches the window after the wait.
constexpr QEventLoop::ProcessEventsFlags kFlags = QEventLoop::ExcludeUserInputEvents;

int depth = 0;
bool flushPosted = false;

struct Held {
    QPointer<QObject> context;
    std::function<void()> action;
};

std::vector<Held>& held()
{
    static std::vector<Held> list;
    return list;
}

struct PauseWork {
    QPointer<QObject> context;
    std::function<bool()> action;
};

std::vector<PauseWork>& pauseWork()
{
    static std::vector<PauseWork> list;
    return list;
}

// Runs the work asked for at every pause, dropping what is done with. Work asked for from in
// here waits for the next pause.
void runPauseWork()
{
    std::vector<PauseWork> due = std::exchange(pauseWork(), {});
    std::vector<PauseWork> kept;
    for (PauseWork& item : due)
        if (item.context && item.action() && item.context)
            kept.push_back(std::move(item));
    std::vector<PauseWork>& list = pauseWork();
    list.insert(list.begin(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
}

bool onMainThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void runHeld()
{
    flushPosted = false;
    // A wait that began before the loop came round here ends with a post of its own.
    if (depth > 0)
        return;
    std::vector<Held> due = std::exchange(held(), {});
    for (Held& item : due)
        if (item.context)
            item.action();
}

// The end of a wait posts the held work to the event loop rather than running it: the code
// that waited goes on with its sequence first (often into a next pause) and returns.
class Scope {
public:
    Scope() { ++depth; }
    ~Scope()
    {
        if (--depth > 0)
            return;
        // Input the wait held back sits in the window system's queue, which the event loop only
        // looks at again when woken: without this, a key pressed during a pause waits for the
        // next mouse move.
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
        if (held().empty() || flushPosted)
            return;
        flushPosted = true;
        QTimer::singleShot(0, QCoreApplication::instance(), &runHeld);
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
};

} // namespace

bool isWaiting()
{
    return depth > 0;
}

void until(Clock::time_point deadline)
{
    if (!onMainThread()) {
        std::this_thread::sleep_until(deadline);
        return;
    }
    Scope scope;
    // The work of the pause finds what was pending (repaints, layouts) done.
    QCoreApplication::processEvents(kFlags);
    runPauseWork();
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        wake.start(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
        loop.exec(kFlags);
    }
    // What was asked to repaint in the last moment is painted before the pause ends.
    QCoreApplication::processEvents(kFlags);
}

void turn()
{
    if (!onMainThread())
        return;
    Scope scope;
    QCoreApplication::processEvents(kFlags);
}

void atEveryPause(QObject* context, std::function<bool()> action)
{
    pauseWork().push_back({context, std::move(action)});
}

void whenNotWaiting(QObject* context, std::function<void()> action)
{
    if (depth == 0) {
        action();
        return;
    }
    held().push_back({context, std::move(action)});
}

} // namespace live_wait
