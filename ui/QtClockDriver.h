#pragma once

#include "AnimationClock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>

class QWidget;

namespace tessivar::scene {
class TViewport3D;
}

namespace tessivar::ui {

// Drives the scene's animation clock from the event loop: a precise 10 ms
// QTimer for the ticks and a monotonic clock for the time. After every clock
// pass the view is redrawn once if anything in the scene changed.
class QtClockDriver final : public QObject, public scene::ClockDriver {
    Q_OBJECT
public:
    QtClockDriver();

    // The clock to tick and the scene and view to keep in step; the clock is
    // made with this driver, so it is attached afterwards.
    void Attach(scene::AnimationClock& clock, const scene::TViewport3D& viewport, QWidget& view);

    // Schedules a redraw if the scene changed since the last one; also for
    // changes made outside the clock's passes.
    void RefreshView();

    double Now() override;
    void StartTimer(int intervalMs) override;
    void StopTimer() override;

    bool TimerActive() const { return timer_.isActive(); }

private:
    void OnTimer();

    QTimer timer_;
    QElapsedTimer monotonic_;
    scene::AnimationClock* clock_ = nullptr;
    const scene::TViewport3D* viewport_ = nullptr;
    QWidget* view_ = nullptr;
    std::uint64_t drawnRevision_ = 0;
};

} // namespace tessivar::ui
