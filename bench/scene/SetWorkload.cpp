#include "SetWorkload.h"

namespace tessivar::scene::bench {

namespace {

const TextLines SampleProgram{"S(3)", "J(1,3,6)", "S(2)", "S(3)", "J(1,1,2)", "T(2,1)", "/ R(1):=R(1)-1", "/ 不完全"};

} // namespace

ShownScene::ShownScene()
{
    scene.BuildRegisterLabels();
    Advance(0.01); // the template's spin stops unseen
}

void ShownScene::Advance(double seconds)
{
    driver.now += seconds;
    clock.OnTimer();
}

void ShownScene::Set(int registers)
{
    shown.FreeAllBalls();
    TextLines lines(static_cast<std::size_t>(registers), "200");
    const SetOutcome outcome = machine.Set(lines, SampleProgram);
    shown.BuildStacks(machine.registers, lines.size(), outcome);
    shown.ShowProgram(2, {SampleProgram.size(), 14, JoinTextLines(SampleProgram)});
}

} // namespace tessivar::scene::bench
