#pragma once
#include <QObject>

#include <functional>
#include <memory>

class QTimer;

// The stand-in for NSTimer: fires on the main event loop until invalidated.
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
// unless `context` is destroyed first. Pending performs are neither merged nor cancelled.
void performAfterDelay(QObject* context, double seconds, std::function<void()> action);

// NSThread sleepForTimeInterval: - pauses the calling thread.
void sleepForTimeInterval(double seconds);
