#include "Timer.h"

#include <QTimer>

#include <chrono>
#include <thread>

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
    QObject::connect(timer->timer_.get(), &QTimer::timeout, std::move(action));
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
    QTimer::singleShot(toMilliseconds(seconds), Qt::PreciseTimer, context, std::move(action));
}

void sleepForTimeInterval(double seconds)
{
    if (seconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
