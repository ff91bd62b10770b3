#pragma once

#include "DesignScene.h"

#include <array>
#include <vector>

namespace tessivar::scene::bench {

// A clock driver whose time the benchmark sets.
class BenchClockDriver : public ClockDriver {
public:
    double now = 0;
    double Now() override { return now; }
    void StartTimer(int) override {}
    void StopTimer() override {}
};

// The design scene after its show event, with the template's spin stopped.
struct ShownScene {
    ShownScene();
    void Advance(double seconds);

    BenchClockDriver driver;
    AnimationClock clock{driver};
    DesignScene scene{clock};
};

constexpr int Registers = 256;
constexpr int SlotsPerRegister = 200;
constexpr int Balls = Registers * SlotsPerRegister;

// What Set does to a full machine: every register shows 200 balls, each a
// copy of the template ball placed by the layout rule, with a spin and a drop.
std::vector<TSphere*> BuildAllStacks(DesignScene& scene, int registers = Registers);
void FreeBalls(std::vector<TSphere*>& balls);

} // namespace tessivar::scene::bench
