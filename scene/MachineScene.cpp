#include "MachineScene.h"

namespace tessivar::scene {

void MachineScene::BuildStacks(const RegisterFile& registers, std::size_t registerLines, const SetOutcome& set)
{
    // A value too near the 64-bit limits stops Set while its balls are built.
    const bool overflow = set.error && set.error->kind == MachineError::Kind::IntegerOverflow;
    const std::size_t count = set.loadedRegisters + (overflow ? 1 : 0);
    stacks_.BeginSet(registerLines);
    for (std::size_t i = 0; i < count; ++i)
        if (!stacks_.BuildStack(static_cast<int>(i), registers[i]))
            return;
}

void MachineScene::ShowProgram(float panDuration, const ListingContent& listing)
{
    EndListingScrollBack();
    StartSetPan(scene_, panDuration);
    ShowListing(scene_, listing);
    ShowStepCounter(scene_, 0);
}

void MachineScene::ShowStep(const StepShown& step)
{
    EndListingScrollBack();
    steps_.Show(step);
}

void MachineScene::ShowMachineState(const Machine& machine, std::span<const int> changed, std::size_t editorLines,
                                    float duration)
{
    EndListingScrollBack();
    for (const int number : changed)
        stacks_.RebuildStack(number - 1, machine.registers[static_cast<std::size_t>(number - 1)]);
    ShowStepCount(machine.stepCount);
    // Kept before Start, which ends it at once at the top speed.
    listingScrollBack_ = ListingScrollBack(scene_, machine.pc, editorLines, duration);
    listingScrollBack_->OnFinish = FinishHandler(&MachineScene::ListingScrollBackEnded, this);
    listingScrollBack_->Start();
}

void MachineScene::ShowStepCount(StepCount step)
{
    ShowStepCounter(scene_, step);
}

void MachineScene::EndListingScrollBack()
{
    if (listingScrollBack_ != nullptr)
        listingScrollBack_->Stop();
}

void MachineScene::ListingScrollBackEnded(void* context, SceneObject* sender)
{
    static_cast<MachineScene*>(context)->listingScrollBack_ = nullptr;
    delete sender;
}

} // namespace tessivar::scene
