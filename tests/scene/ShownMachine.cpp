#include "ShownMachine.h"

namespace tessivar::scene::testing {

ShownMachine::ShownMachine()
{
    scene.BuildRegisterLabels();
    scene.CameraPan->OnFinish = FinishHandler(
        [](void* context, SceneObject*) { static_cast<Stage*>(context)->CameraPan->SetInverse(false); }, &scene);
    scene.InstructionSlide->OnFinish = FinishHandler(
        [](void* context, SceneObject*) { static_cast<Stage*>(context)->InstructionText->SetText(""); }, &scene);
    scene.ListingScroll->OnFinish
        = FinishHandler([](void* context, SceneObject*) { ++*static_cast<int*>(context); }, &stepsEnded);
    scene.ComparisonRise->OnFinish = FinishHandler(
        [](void* context, SceneObject*) { static_cast<Stage*>(context)->ComparisonPlane->SetVisible(false); }, &scene);
    Settle(); // the template's spin ends unseen
}

void ShownMachine::Set(TextLines registers, const TextLines& program, float panDuration)
{
    programLines = program;
    shown.FreeAllBalls();
    const SetOutcome outcome = machine.Set(registers, program);
    shown.BuildStacks(machine.registers, registers.size(), outcome);
    if (!outcome.error)
        shown.ShowProgram(panDuration, {program.size(), 0, JoinTextLines(program)});
}

StepOutcome ShownMachine::Step(float duration)
{
    const StepOutcome outcome = machine.ExecuteStep();
    if (outcome.error)
        return outcome;
    const auto line = static_cast<std::size_t>(outcome.effect.executedPC);
    const std::string text = line < programLines.size() ? programLines[line] : std::string();
    shown.ShowStep({outcome.effect, machine.registers, machine.pc, machine.stepCount, text, text.size(), duration,
                    programLines.size()});
    return outcome;
}

void ShownMachine::RunAtTopSpeed(int limit)
{
    for (int i = 0; i < limit && machine.CanContinue(); ++i) {
        Step(0);
        Advance(0.01);
    }
}

void ShownMachine::Advance(double seconds)
{
    // In ticks of the clock's interval, as the window's timer gives them.
    const double tick = AnimationClock::IntervalMs / 1000.0;
    for (double passed = 0; passed < seconds - 1e-9; passed += tick) {
        driver.now += std::min(tick, seconds - passed);
        if (driver.timerOn)
            clock.OnTimer();
    }
}

std::vector<Ball*> ShownMachine::Balls() const
{
    std::vector<Ball*> balls;
    for (SceneObject* child : scene.Root->Children())
        if (child->Kind() == ObjectKind::Ball && child != scene.BallTemplate)
            balls.push_back(static_cast<Ball*>(child));
    return balls;
}

std::size_t ShownMachine::BallsInSlots() const
{
    std::size_t count = 0;
    for (const auto& slots : shown.Stacks().SlotLists)
        if (slots)
            for (const Ball* ball : *slots)
                count += ball != nullptr;
    return count;
}

Ball* ShownMachine::Slot(int registerIndex, int slot) const
{
    const auto& slots = shown.Stacks().SlotLists.at(static_cast<std::size_t>(registerIndex));
    return slots ? (*slots)[static_cast<std::size_t>(slot)] : nullptr;
}

const FloatAnimation* ShownMachine::RunningAnimation(const SceneObject* object, std::string_view property)
{
    for (const SceneObject* child : object->Children())
        if (child->Kind() == ObjectKind::FloatAnimation) {
            const auto* animation = static_cast<const FloatAnimation*>(child);
            if (animation->Running() && animation->PropertyName.View() == property)
                return animation;
        }
    return nullptr;
}

void ShownMachine::ExpectRestingStack(int registerIndex) const
{
    const std::int64_t value = machine.registers[static_cast<std::size_t>(registerIndex)];
    for (int j = 0; j < kSlotsPerRegister; ++j) {
        const std::int64_t position = PositionInSlot(j, value);
        Ball* ball = Slot(registerIndex, j);
        ASSERT_EQ(ball != nullptr, position >= 0) << "R(" << registerIndex + 1 << ") = " << value << ", slot " << j;
        if (ball) {
            ASSERT_EQ(ball->Position.Point(), BallPosition(registerIndex, value, position, 0.5f))
                << "R(" << registerIndex + 1 << ") = " << value << ", slot " << j;
        }
    }
}

} // namespace tessivar::scene::testing
