#pragma once

#include "BallStacks.h"
#include "Machine.h"
#include "Stage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessivar::scene {

// What one completed step shows, read after the machine has applied it.
struct StepShown {
    const InstructionEffect& effect;
    const RegisterFile& registers; // after the step
    std::int64_t pc; // after the step
    StepCount stepCount; // after the step
    std::string instructionText; // the editor's line that ran; empty when it has none
    std::size_t instructionLength; // its length in UTF-16 code units
    float duration; // the step duration, from the speed slider
    std::size_t editorLines; // lines of the program editor
};

// Starts every animation of one step, in order: the instruction text, the
// speed, the instruction's own animations and ball changes, the comment
// adjustment, then the listing scroll and the counter. Everything starts here
// and runs on the clock afterwards; at D = 0 all but the spins and a T's
// removal end inside this call, the listing scroll's end handler included.
class StepAnimation {
public:
    StepAnimation(Stage& scene, BallStacks& stacks) : scene_(scene), stacks_(stacks) {}

    void Show(const StepShown& step);

private:
    void ShowInstructionText(const StepShown& step);
    void SetDuration(float duration);
    void PanTo(int column);
    void AddBall(int registerIndex, std::int64_t value, float duration);
    void ClearStack(int registerIndex, float duration);
    void CopyStack(int sourceIndex, int destinationIndex, std::int64_t value, float duration);
    void Compare(int leftIndex, int rightIndex, std::int64_t leftValue);
    void AdjustForComment();

    Stage& scene_;
    BallStacks& stacks_;
};

} // namespace tessivar::scene
