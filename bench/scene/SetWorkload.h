#pragma once

#include "Machine.h"
#include "MachineScene.h"
#include "Stage.h"

namespace tessivar::scene::bench {

// A clock driver whose time the benchmark sets.
class BenchClockDriver : public ClockDriver {
public:
    double now = 0;
    double Now() override { return now; }
    void StartTimer(int) override {}
    void StopTimer() override {}
};

constexpr int Registers = 256;
constexpr int Balls = Registers * kSlotsPerRegister;

// The design scene after its show event, with the template's spin stopped,
// and the machine it shows.
struct ShownScene {
    ShownScene();
    void Advance(double seconds);

    // What Set does with `registers` register lines of 200 and the sample
    // program: the machine loaded, every ball made with its spin and drop,
    // the pan and the listing.
    void Set(int registers = Registers);

    BenchClockDriver driver;
    AnimationClock clock{driver};
    Stage scene{clock};
    MachineScene shown{scene};
    Machine machine;
};

} // namespace tessivar::scene::bench
