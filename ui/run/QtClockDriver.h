#pragma once

#include "AnimationClock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace tessivar::ui {

// Drives the scene's animation clock from the event loop: a precise 10 ms
// QTimer for the ticks and a monotonic clock for the time. After every clock
// pass it calls the hook it was given (the window redraws its view there if
// the scene changed), once per pass.
class QtClockDriver final : public QObject, public scene::ClockDriver {
    Q_OBJECT
public:
    QtClockDriver();

    // The clock is made with this driver, so it is attached afterwards.
    void Attach(scene::AnimationClock& clock, std::function<void()> afterPass);

    double Now() override;
    void StartTimer(int intervalMs) override;
    void StopTimer() override;

    bool TimerActive() const { return timer_.isActive(); }

private:
    void OnTimer();

    QTimer timer_;
    QElapsedTimer monotonic_;
    scene::AnimationClock* clock_ = nullptr;
    std::function<void()> afterPass_;
};

} // namespace tessivar::ui
