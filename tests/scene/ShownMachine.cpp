#include "ShownMachine.h"

namespace tessivar::scene::testing {

ShownMachine::ShownMachine()
{
    scene.BuildRegisterLabels();
    scene.FloatAnimation4->OnFinish = TNotifyEvent(
        [](void* context, TFmxObject*) { static_cast<DesignScene*>(context)->FloatAnimation4->SetInverse(false); },
        &scene);
    scene.FloatAnimation5->OnFinish = TNotifyEvent(
        [](void* context, TFmxObject*) { static_cast<DesignScene*>(context)->Text3D4->SetText(""); }, &scene);
    scene.FloatAnimation6->OnFinish
        = TNotifyEvent([](void* context, TFmxObject*) { ++*static_cast<int*>(context); }, &stepsEnded);
    scene.FloatAnimation7->OnFinish = TNotifyEvent(
        [](void* context, TFmxObject*) { static_cast<DesignScene*>(context)->Plane3->SetVisible(false); }, &scene);
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

StepOutcome ShownMachine::Step(float D)
{
    const StepOutcome outcome = machine.ExecuteStep();
    if (outcome.error)
        return outcome;
    const auto line = static_cast<std::size_t>(outcome.effect.executedPC);
    const std::string text = line < programLines.size() ? programLines[line] : std::string();
    shown.ShowStep(
        {outcome.effect, machine.registers, machine.pc, machine.stepCount, text, text.size(), D, programLines.size()});
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

std::vector<TSphere*> ShownMachine::Balls() const
{
    std::vector<TSphere*> balls;
    for (TFmxObject* child : scene.Viewport3D1->Children())
        if (child->Kind() == TObjectKind::Sphere && child != scene.Sphere1)
            balls.push_back(static_cast<TSphere*>(child));
    return balls;
}

std::size_t ShownMachine::BallsInSlots() const
{
    std::size_t count = 0;
    for (const auto& slots : shown.Stacks().Sphere)
        if (slots)
            for (const TSphere* ball : *slots)
                count += ball != nullptr;
    return count;
}

TSphere* ShownMachine::Slot(int registerIndex, int slot) const
{
    const auto& slots = shown.Stacks().Sphere.at(static_cast<std::size_t>(registerIndex));
    return slots ? (*slots)[static_cast<std::size_t>(slot)] : nullptr;
}

const TFloatAnimation* ShownMachine::RunningAnimation(const TFmxObject* object, std::string_view property)
{
    for (const TFmxObject* child : object->Children())
        if (child->Kind() == TObjectKind::FloatAnimation) {
            const auto* animation = static_cast<const TFloatAnimation*>(child);
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
        TSphere* ball = Slot(registerIndex, j);
        ASSERT_EQ(ball != nullptr, position >= 0) << "R(" << registerIndex + 1 << ") = " << value << ", slot " << j;
        if (ball) {
            ASSERT_EQ(ball->Position.Point(), BallPosition(registerIndex, value, position, 0.5f))
                << "R(" << registerIndex + 1 << ") = " << value << ", slot " << j;
        }
    }
}

} // namespace tessivar::scene::testing
