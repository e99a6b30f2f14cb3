#pragma once
#include <QObject>

#include <functional>
#include <memory>

class QTimer;

// The stand-in for NSTimer: fires on the main event loop until invalidated. A tick due while the
// program waits (see LiveWait.h) runs after the wait.
class Timer {
public:
    static std::unique_ptr<Timer> scheduledTimer(double seconds, bool repeats, std::function<void()> action);
    ~Timer();
    void invalidate();
    bool isValid() const;
    double timeInterval() const;

private:
    Timer() = default;
    std::unique_ptr<QTimer> timer_;
};

// performSelector:withObject:afterDelay: - runs `action` once on the event loop after `seconds`,
// unless `context` is destroyed first. Pending performs are neither merged nor cancelled. One due
// while the program waits runs after the wait.
void performAfterDelay(QObject* context, double seconds, std::function<void()> action);

// NSThread sleepForTimeInterval: - the calling code goes on after `seconds`. On the main thread
// the window keeps painting meanwhile, while input and the program's own timers wait.
void sleepForTimeInterval(double seconds);
