#pragma once

#include "MachineScene.h"
#include "ManualClock.h"
#include "StepDuration.h"

#include <string>
#include <vector>

namespace tessivar::scene::testing {

// The machine and its scene as the window ties them, on a clock the test
// moves by hand: Set and steps at a given step duration D, with the design
// animations' end handlers that only touch the scene.
struct ShownMachine {
    ShownMachine();
    ShownMachine(const ShownMachine&) = delete;
    ShownMachine& operator=(const ShownMachine&) = delete;

    // Set with register and program lines; the pan runs `panDuration` each way.
    void Set(TextLines registers, const TextLines& program, float panDuration = 0.01f);
    // One step at duration D, as the window runs it.
    StepOutcome Step(float duration);
    // Steps at D = 0 until the program ends or `limit` lines have run.
    void RunAtTopSpeed(int limit = 100000);

    void Advance(double seconds);
    // Lets every running animation end (spins included).
    void Settle() { Advance(70); }

    // The balls in the scene, the template aside.
    std::vector<Ball*> Balls() const;
    std::size_t BallsInSlots() const;
    Ball* Slot(int registerIndex, int slot) const;
    // The running animation under `object` that drives `property`, or null.
    static const FloatAnimation* RunningAnimation(const SceneObject* object, std::string_view property);
    // Every slot of the register holds exactly the ball the layout rule asks
    // for, at its resting place (to be called when no ball is moving).
    void ExpectRestingStack(int registerIndex) const;

    ManualClockDriver driver;
    AnimationClock clock{driver};
    Stage scene{clock};
    MachineScene shown{scene};
    Machine machine;
    TextLines programLines;
    int stepsEnded = 0; // ends of the listing scroll
};

} // namespace tessivar::scene::testing
