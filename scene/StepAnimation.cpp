#include "StepAnimation.h"

#include "AnimationCopies.h"
#include "ProgramListing.h"

#include <algorithm>
#include <cstdlib>

namespace tessivar::scene {

namespace {

// The new ball waits far above the grid, out of sight.
constexpr float WaitingHeight = -100;
constexpr float DropHeight = 5;
constexpr float TextPerCharacter = 2.5f;
// The instruction text keeps pace with the camera: 5 units a column, from 17.5.
constexpr float TextPerColumn = 5;
constexpr float TextAtFirstColumn = 17.5f;
// The grid's centre stands at X = 49, the comparison plane is its child.
constexpr float GridCentreTwice = 98;
constexpr float PlaneMargin = 1.2f;
constexpr float FullGroupHeight = 5;

// Height of the top of a register's front group of balls; none below 1.
float FrontGroupHeight(std::int64_t value, float ballScale)
{
    if (value <= 0)
        return 0;
    const std::int64_t inFront = value % 10;
    return inFront == 0 ? FullGroupHeight : static_cast<float>(inFront) * ballScale;
}

} // namespace

void StepAnimation::Show(const StepShown& step)
{
    ShowInstructionText(step);
    SetDuration(step.duration);
    const InstructionEffect& effect = step.effect;
    const int first = effect.sourceRegister - 1;
    const int target = effect.targetRegister - 1;
    switch (effect.kind) {
    case InstructionKind::S:
        PanTo(target);
        AddBall(target, effect.newValue, step.duration);
        break;
    case InstructionKind::Z:
        PanTo(target);
        ClearStack(target, step.duration);
        break;
    case InstructionKind::T:
        PanTo(std::max(first, target));
        CopyStack(first, target, effect.newValue, step.duration);
        break;
    case InstructionKind::J:
        PanTo(target);
        Compare(first, target, step.registers[static_cast<std::size_t>(first)]);
        break;
    case InstructionKind::Comment:
        AdjustForComment();
        break;
    case InstructionKind::NoOp:
        break;
    }
    ScrollListing(scene_, step.pc, step.editorLines);
    ShowStepCounter(scene_, step.stepCount);
}

void StepAnimation::ShowInstructionText(const StepShown& step)
{
    scene_.InstructionText->SetWidth(TextPerCharacter * static_cast<float>(step.instructionLength));
    scene_.InstructionText->SetText(step.instructionText);
}

void StepAnimation::SetDuration(float duration)
{
    scene_.CameraPan->SetDuration(duration);
    scene_.InstructionSlide->SetDuration(duration);
    scene_.ComparisonRise->SetDuration(duration);
}

void StepAnimation::PanTo(int column)
{
    scene_.CameraPan->SetStopValue(static_cast<float>(column));
    scene_.CameraPan->Start();
    scene_.InstructionSlide->SetStopValue(TextPerColumn * static_cast<float>(column) + TextAtFirstColumn);
    scene_.InstructionSlide->Start();
}

// The stack moves down a slot; the new ball waits above its column for D and
// then bounces into the front group. A register at 0 or below shows no ball.
void StepAnimation::AddBall(int registerIndex, std::int64_t value, float duration)
{
    BallStacks::SlotList& slots = stacks_.SlotsOf(registerIndex);
    if (value <= 0)
        return;
    delete slots[0];
    slots[0] = nullptr;
    for (int j = 0; j < kSlotsPerRegister - 1; ++j) {
        const std::int64_t position = PositionInSlot(j, value);
        if (position < 0)
            continue;
        Ball* ball = slots[static_cast<std::size_t>(j + 1)];
        slots[static_cast<std::size_t>(j)] = ball;
        // A new group of ten pushes every earlier ball a unit back.
        ball->Position.SetZ(BallDepth(value, position));
    }
    const float height = BallHeight(value - 1, stacks_.BallScale());
    Ball* ball = stacks_.NewBall({static_cast<float>(registerIndex), WaitingHeight, BallDepth(value, value - 1)});
    slots[kSlotsPerRegister - 1] = ball;
    FloatAnimation* drop = CopyAnimation(*scene_.DropTemplate, scene_.Owner, *ball);
    drop->SetDuration(duration / 2);
    drop->SetStopValue(height);
    drop->SetStartValue(height - DropHeight);
    drop->SetDelay(scene_.InstructionSlide->Duration());
    drop->OnFinish = RepeatOrFreeAnimationEvent();
    drop->Start();
    stacks_.StartSpin(*ball, 0);
}

// Every ball waits D, then falls out of sight and is freed.
void StepAnimation::ClearStack(int registerIndex, float duration)
{
    stacks_.Cover(registerIndex);
    std::unique_ptr<BallStacks::SlotList>& slots = stacks_.SlotLists[static_cast<std::size_t>(registerIndex)];
    if (!slots)
        return;
    const float delay = scene_.InstructionSlide->Duration();
    for (Ball*& slot : *slots)
        if (slot)
            stacks_.LetFall(slot, duration / 2, delay);
    stacks_.DropSlotList(registerIndex);
}

// The destination's old balls fall at once; the copy appears in the source
// column and slides across with the camera.
void StepAnimation::CopyStack(int sourceIndex, int destinationIndex, std::int64_t value, float duration)
{
    stacks_.Cover(destinationIndex);
    if (const std::unique_ptr<BallStacks::SlotList>& old
        = stacks_.SlotLists[static_cast<std::size_t>(destinationIndex)])
        for (Ball*& slot : *old)
            if (slot)
                stacks_.LetFall(slot, scene_.DropTemplate->Duration(), scene_.DropTemplate->Delay());
    BallStacks::SlotList& slots = stacks_.SlotsOf(destinationIndex);
    const float a = static_cast<float>(sourceIndex);
    const float d = static_cast<float>(destinationIndex);
    // The camera covers d + 2 columns in D, from column -2.
    const float slideDelay = d > a ? (a + 2) * duration / (d + 2) : duration;
    const float slideDuration = d > a ? duration - slideDelay : (a - d) * duration / (d + 2);
    for (int j = 0; j < kSlotsPerRegister; ++j) {
        Ball* ball = stacks_.SpinningBallAt(sourceIndex, value, j);
        if (ball == nullptr)
            continue;
        slots[static_cast<std::size_t>(j)] = ball;
        FloatAnimation* slide = CopyAnimation(*scene_.SlideTemplate, scene_.Owner, *ball);
        slide->SetStartValue(a);
        slide->SetStopValue(d);
        slide->SetDelay(slideDelay);
        slide->SetDuration(slideDuration);
        slide->OnFinish = RepeatOrFreeAnimationEvent();
        slide->Start();
    }
}

// A plane rises between the two columns to the top of the left one's front
// group; comparing a register with itself shortens the step instead.
void StepAnimation::Compare(int leftIndex, int rightIndex, std::int64_t leftValue)
{
    Plane& plane = *scene_.ComparisonPlane;
    plane.SetWidth(static_cast<float>(std::abs(leftIndex - rightIndex)) + PlaneMargin);
    plane.Position.SetX((static_cast<float>(leftIndex + rightIndex) - GridCentreTwice) / 2);
    plane.SetVisible(true);
    scene_.ComparisonRise->SetStopValue(FrontGroupHeight(leftValue, stacks_.BallScale()));
    if (leftIndex != rightIndex) {
        scene_.ComparisonRise->Start();
        return;
    }
    FloatAnimation& pan = *scene_.CameraPan;
    pan.SetStopValue(pan.StartValue());
    pan.SetDuration(pan.Duration() / 8);
    scene_.InstructionSlide->SetDuration(pan.Duration());
    plane.SetVisible(false);
}

// A comment shows no text and the listing moves on without waiting.
void StepAnimation::AdjustForComment()
{
    scene_.CameraPan->SetDuration(0);
    scene_.InstructionText->SetText("");
}

} // namespace tessivar::scene
