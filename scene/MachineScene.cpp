#include "MachineScene.h"

namespace tessivar::scene {

bool MachineScene::BuildStacks(const RegisterFile& Reg, std::size_t registerLines, std::size_t count)
{
    stacks_.BeginSet(registerLines);
    for (std::size_t i = 0; i < count; ++i)
        if (!stacks_.BuildStack(static_cast<int>(i), Reg[i]))
            return false;
    return true;
}

void MachineScene::ShowProgram(float panDuration, const ListingContent& listing)
{
    StartSetPan(scene_, panDuration);
    ShowListing(scene_, listing);
    ShowStepCounter(scene_, 0);
}

} // namespace tessivar::scene
