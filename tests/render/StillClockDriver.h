#pragma once

#include "AnimationClock.h"

namespace tessivar::render::testing {

// A clock that never ticks: the scene stands still while it is examined.
class StillClockDriver final : public scene::ClockDriver {
public:
    double Now() override { return 0; }
    void StartTimer(int) override {}
    void StopTimer() override {}
};

} // namespace tessivar::render::testing
