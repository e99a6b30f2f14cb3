#include "Timer.h"

#include "LiveWait.h"

#include <QTimer>

#include <chrono>

static std::chrono::milliseconds toMilliseconds(double seconds)
{
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}

std::unique_ptr<Timer> Timer::scheduledTimer(double seconds, bool repeats, std::function<void()> action)
{
    std::unique_ptr<Timer> timer(new Timer);
    timer->timer_ = std::make_unique<QTimer>();
    timer->timer_->setTimerType(Qt::PreciseTimer);
    timer->timer_->setSingleShot(!repeats);
    timer->timer_->setInterval(toMilliseconds(seconds));
    // A tick that comes due while the program waits runs once the wait is over; the ticks
    // missed meanwhile make one, as NSTimer skips them.
    QTimer* qtimer = timer->timer_.get();
    auto tickHeld = std::make_shared<bool>(false);
    QObject::connect(qtimer, &QTimer::timeout, qtimer, [qtimer, tickHeld, action = std::move(action)] {
        if (*tickHeld)
            return;
        if (!live_wait::isWaiting()) {
            action();
            return;
        }
        *tickHeld = true;
        live_wait::whenNotWaiting(qtimer, [tickHeld, action] {
            *tickHeld = false;
            action();
        });
    });
    timer->timer_->start();
    return timer;
}

Timer::~Timer() = default;

void Timer::invalidate()
{
    timer_.reset();
}

bool Timer::isValid() const
{
    return timer_ && timer_->isActive();
}

double Timer::timeInterval() const
{
    return timer_ ? timer_->interval() / 1000.0 : 0.0;
}

void performAfterDelay(QObject* context, double seconds, std::function<void()> action)
{
    QTimer::singleShot(toMilliseconds(seconds), Qt::PreciseTimer, context, [context, action = std::move(action)]() mutable {
        live_wait::whenNotWaiting(context, std::move(action));
    });
}

void sleepForTimeInterval(double seconds)
{
    if (seconds > 0)
        live_wait::until(live_wait::Clock::now()
                         + std::chrono::duration_cast<live_wait::Clock::duration>(std::chrono::duration<double>(seconds)));
}
