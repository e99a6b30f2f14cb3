#pragma once
// Waiting on the main thread without freezing the window. The program's pauses and its waits for
// a tool's output keep the event loop turning, so windows repaint and progress indicators turn;
// the user's input is held back by Qt and delivered once the waiting code has returned to the
// event loop, and the program's own timed and system-driven work (see whenNotWaiting) is held
// back until then too. Nothing of the program runs in the middle of a sequence of pauses and
// reads, so its order of tool launches stays exactly what it is without waiting.
#include <QPointer>

#include <chrono>
#include <functional>

namespace live_wait {

using Clock = std::chrono::steady_clock;

// Whether a wait is under way on the main thread.
bool isWaiting();

// Returns at `deadline`, keeping the window alive meanwhile. Off the main thread, or before
// there is an application object, it simply sleeps.
void until(Clock::time_point deadline);

// One turn of the window's upkeep without blocking, for a wait that polls something of its own.
void turn();

// Runs `action` at the start of every pause (`until`) on the main thread from now on, for as long
// as it returns true and `context` lives: work that depends on nothing the program reads, done
// in time the program spends waiting anyway. It must start no tool and show nothing.
void atEveryPause(QObject* context, std::function<bool()> action);

// Runs `action` now unless a wait is under way; else from the event loop once every wait has
// ended, in the order asked, unless `context` has been destroyed by then.
void whenNotWaiting(QObject* context, std::function<void()> action);

} // namespace live_wait
