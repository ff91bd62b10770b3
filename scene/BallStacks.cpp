#include "BallStacks.h"

#include "AnimationCopies.h"

namespace tessivar::scene {

namespace {

constexpr int SpinRepeats = 30;
constexpr float DropHeight = 5;
// Below the grid and out of sight.
constexpr float FallDepth = 50;

// The stack position shown in `slot`, with the 64-bit overflow that Set
// reports for values near the limits.
bool CheckedPositionInSlot(int slot, std::int64_t value, std::int64_t& position)
{
    std::int64_t sum = 0;
    return !__builtin_add_overflow(static_cast<std::int64_t>(slot), value, &sum)
        && !__builtin_sub_overflow(sum, std::int64_t{kSlotsPerRegister}, &position);
}

// Neighbouring balls start their spins a seventh of a turn apart.
float SpinDelay(std::uint32_t ballNumber)
{
    return static_cast<float>(ballNumber % 7) / 7;
}

} // namespace

void BallStacks::FreeAllBalls()
{
    for (const std::unique_ptr<SlotList>& slots : SlotLists) {
        if (!slots)
            continue;
        for (Ball*& slot : *slots) {
            Ball* ball = slot;
            slot = nullptr;
            delete ball;
        }
    }
}

void BallStacks::BeginSet(std::size_t registerLines)
{
    ballCounter_ = 0;
    SlotLists.resize(registerLines);
}

bool BallStacks::BuildStack(int registerIndex, std::int64_t value)
{
    SlotList& slots = SlotsOf(registerIndex);
    for (int j = 0; j < kSlotsPerRegister; ++j) {
        std::int64_t position = 0;
        if (!CheckedPositionInSlot(j, value, position))
            return false;
        if (position < 0)
            continue;
        Ball* ball = NewBall(BallPosition(registerIndex, value, position, BallScale()));
        slots[static_cast<std::size_t>(j)] = ball;
        StartSpin(*ball, SpinDelay(ballCounter_++));
        FloatAnimation* drop = CopyAnimation(*scene_.DropTemplate, scene_.Owner, *ball);
        drop->SetStartValue(ball->Position.Y() - DropHeight);
        drop->SetStopValue(ball->Position.Y());
        drop->OnFinish = RepeatOrFreeAnimationEvent();
        drop->Start();
    }
    return true;
}

void BallStacks::RebuildStack(int registerIndex, std::int64_t value)
{
    SlotList& slots = SlotsOf(registerIndex);
    for (int j = 0; j < kSlotsPerRegister; ++j) {
        Ball*& slot = slots[static_cast<std::size_t>(j)];
        delete slot;
        slot = SpinningBallAt(registerIndex, value, j);
    }
}

Ball* BallStacks::SpinningBallAt(int registerIndex, std::int64_t value, int slot)
{
    const std::int64_t position = PositionInSlot(slot, value);
    if (position < 0)
        return nullptr;
    Ball* ball = NewBall(BallPosition(registerIndex, value, position, BallScale()));
    StartSpin(*ball, SpinDelay(static_cast<std::uint32_t>(slot)));
    return ball;
}

BallStacks::SlotList& BallStacks::SlotsOf(int registerIndex)
{
    Cover(registerIndex);
    std::unique_ptr<SlotList>& slots = SlotLists[static_cast<std::size_t>(registerIndex)];
    if (!slots)
        slots = std::make_unique<SlotList>(SlotList{});
    return *slots;
}

void BallStacks::Cover(int registerIndex)
{
    if (SlotLists.size() <= static_cast<std::size_t>(registerIndex))
        SlotLists.resize(static_cast<std::size_t>(registerIndex) + 1);
}

void BallStacks::DropSlotList(int registerIndex)
{
    SlotLists[static_cast<std::size_t>(registerIndex)].reset();
}

Ball* BallStacks::NewBall(const Vector3& position)
{
    auto* ball = scene_.BallTemplate->CloneAs<Ball>(&scene_.Owner);
    ball->SetParent(scene_.BallTemplate->Parent());
    ball->Position.SetX(position.X);
    ball->Position.SetY(position.Y);
    ball->Position.SetZ(position.Z);
    // Before the animations: none starts under a hidden parent.
    ball->SetVisible(true);
    return ball;
}

void BallStacks::StartSpin(Ball& ball, float delay)
{
    FloatAnimation* spin = CopyAnimation(*scene_.SpinTemplate, scene_.Owner, ball);
    spin->SetDelay(delay);
    spin->SetLoop(false);
    spin->Tag = SpinRepeats;
    spin->OnFinish = RepeatOrFreeAnimationEvent();
    spin->Start();
}

void BallStacks::LetFall(Ball*& slot, float duration, float delay)
{
    Ball* ball = slot;
    slot = nullptr;
    FloatAnimation* fall = CopyAnimation(*scene_.DropTemplate, scene_.Owner, *ball);
    fall->SetStopValue(FallDepth);
    fall->SetStartValue(ball->Position.Y());
    fall->SetDuration(duration);
    fall->SetDelay(delay);
    fall->OnFinish = FreeAnimatedSphereEvent();
    fall->Start();
}

} // namespace tessivar::scene
