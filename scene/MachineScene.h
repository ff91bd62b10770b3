#pragma once

#include "BallStacks.h"
#include "Machine.h"
#include "ProgramListing.h"
#include "Stage.h"
#include "StepAnimation.h"

#include <cstddef>
#include <span>

namespace tessivar::scene {

// What the scene shows of the machine: a ball stack per register, the
// listing with the counter, and every step.
class MachineScene {
public:
    explicit MachineScene(Stage& scene) : scene_(scene), stacks_(scene), steps_(scene, stacks_) {}

    BallStacks& Stacks() { return stacks_; }
    const BallStacks& Stacks() const { return stacks_; }

    // Set begins here, and the window's close ends here: every ball held in
    // a slot goes.
    void FreeAllBalls() { stacks_.FreeAllBalls(); }

    // Set, for `registerLines` register lines: builds the stacks of the
    // registers Set loaded, in order, and the one whose balls overflowed, up to
    // the failing slot.
    void BuildStacks(const RegisterFile& registers, std::size_t registerLines, const SetOutcome& set);

    // Set, once the machine is loaded: the camera pan, the listing and the
    // counter at 0.
    void ShowProgram(float panDuration, const ListingContent& listing);

    void ShowStep(const StepShown& step);

    // The machine after steps undone or run at full speed, at step duration
    // D: the registers numbered in `changed` (1-based) show their values at
    // once, the listing scrolls to line PC + 1 as a step's scroll does (at
    // once at the top speed), and the counter shows Step.
    void ShowMachineState(const Machine& machine, std::span<const int> changed, std::size_t editorLines,
                          float duration);

    // The counter alone, while a run at full speed goes on.
    void ShowStepCount(StepCount step);

private:
    // Whatever moves the listing next ends a scroll back first, at its end.
    void EndListingScrollBack();
    static void ListingScrollBackEnded(void* context, SceneObject* sender);

    Stage& scene_;
    BallStacks stacks_;
    StepAnimation steps_;
    FloatAnimation* listingScrollBack_ = nullptr; // while it runs
};

} // namespace tessivar::scene
