#include "QtClockDriver.h"

#include "Viewport3D.h"

#include <QWidget>

namespace tessivar::ui {

QtClockDriver::QtClockDriver()
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtClockDriver::OnTimer);
    monotonic_.start();
}

void QtClockDriver::Attach(scene::AnimationClock& clock, const scene::TViewport3D& viewport, QWidget& view)
{
    clock_ = &clock;
    viewport_ = &viewport;
    view_ = &view;
    drawnRevision_ = viewport.Revision();
}

void QtClockDriver::RefreshView()
{
    if (viewport_ == nullptr || viewport_->Revision() == drawnRevision_)
        return;
    drawnRevision_ = viewport_->Revision();
    view_->update();
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
    if (clock_ != nullptr)
        clock_->OnTimer();
    RefreshView();
}

} // namespace tessivar::ui
