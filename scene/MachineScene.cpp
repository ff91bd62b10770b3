#include "MachineScene.h"

namespace tessivar::scene {

void MachineScene::BuildStacks(const RegisterFile& Reg, std::size_t registerLines, const SetOutcome& set)
{
    // A value too near the 64-bit limits stops Set while its balls are built.
    const bool overflow = set.error && set.error->kind == MachineError::Kind::IntegerOverflow;
    const std::size_t count = set.loadedRegisters + (overflow ? 1 : 0);
    stacks_.BeginSet(registerLines);
    for (std::size_t i = 0; i < count; ++i)
        if (!stacks_.BuildStack(static_cast<int>(i), Reg[i]))
            return;
}

void MachineScene::ShowProgram(float panDuration, const ListingContent& listing)
{
    StartSetPan(scene_, panDuration);
    ShowListing(scene_, listing);
    ShowStepCounter(scene_, 0);
}

void MachineScene::ShowUndoneStep(const UndoRecord& step, const Machine& machine, std::size_t editorLines)
{
    if (step.writtenRegister != 0)
        stacks_.RebuildStack(step.writtenRegister - 1, step.oldValue);
    PlaceListing(scene_, machine.PC, editorLines);
    ShowStepCounter(scene_, machine.Step);
}

} // namespace tessivar::scene
