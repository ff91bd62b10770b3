#include "QtClockDriver.h"

#include <utility>

namespace tessivar::ui {

QtClockDriver::QtClockDriver()
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtClockDriver::OnTimer);
    monotonic_.start();
}

void QtClockDriver::Attach(scene::AnimationClock& clock, std::function<void()> afterPass)
{
    clock_ = &clock;
    afterPass_ = std::move(afterPass);
}

double QtClockDriver::Now()
{
    return static_cast<double>(monotonic_.nsecsElapsed()) / 1e9;
}

void QtClockDriver::StartTimer(int intervalMs)
{
    timer_.start(intervalMs);
}

void QtClockDriver::StopTimer()
{
    timer_.stop();
}

void QtClockDriver::OnTimer()
{
    if (clock_ == nullptr)
        return;
    clock_->OnTimer();
    if (afterPass_)
        afterPass_();
}

} // namespace tessivar::ui
