#pragma once

#include "BallLayout.h"
#include "Stage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessivar::scene {

// The balls that show each register: per register line a slot list of 200
// slots, or none. For a register of value v, slot j holds the ball of stack
// position j + v - 200 when that is 0 or more, and is empty otherwise; a ball
// is held by at most one slot. Balls are copies of the ball template, owned by
// the stage's owner.
class BallStacks {
public:
    using SlotList = std::array<Ball*, kSlotsPerRegister>;

    explicit BallStacks(Stage& scene) : scene_(scene) {}
    BallStacks(const BallStacks&) = delete;
    BallStacks& operator=(const BallStacks&) = delete;

    // Entry i shows R(i + 1); null: no slot list.
    std::vector<std::unique_ptr<SlotList>> SlotLists;

    // Frees every ball held in a slot; the slot lists remain. Balls falling
    // away after a step are not held and free themselves.
    void FreeAllBalls();

    // Set: one entry per register line, and the ball counter back to 0.
    void BeginSet(std::size_t registerLines);

    // Set: gives register `registerIndex` its balls for `value`, dropping in
    // and spinning. False when the slot arithmetic leaves 64 bits: the balls
    // built before that slot remain.
    bool BuildStack(int registerIndex, std::int64_t value);

    // Shows `value` in register `registerIndex` at once: its balls freed and
    // made again in place, spinning, without a drop.
    void RebuildStack(int registerIndex, std::int64_t value);

    // The slot list of a register, made (and SlotLists extended) on first use.
    SlotList& SlotsOf(int registerIndex);
    // Extends SlotLists to cover register index `registerIndex`.
    void Cover(int registerIndex);
    // Leaves the register without a slot list (its slots must be empty).
    void DropSlotList(int registerIndex);

    // A visible copy of BallTemplate at `position`, not yet in any slot.
    Ball* NewBall(const Vector3& position);
    // The spinning ball that slot `slot` of a register showing `value` holds,
    // placed in the column of `registerIndex` but not yet in any slot; null
    // when the slot is empty for that value.
    Ball* SpinningBallAt(int registerIndex, std::int64_t value, int slot);
    // Turns `ball` about its vertical axis 31 times, 2 s each, after `delay`.
    void StartSpin(Ball& ball, float delay);
    // Sends the ball in `slot` down out of sight and empties the slot first:
    // the fall frees the ball, possibly before this returns.
    void LetFall(Ball*& slot, float duration, float delay);

    // The template's height scale: the diameter of a ball.
    float BallScale() const { return scene_.BallTemplate->Scale.Y(); }

private:
    Stage& scene_;
    // Balls made by the current Set; it staggers their spins.
    std::uint32_t ballCounter_ = 0;
};

} // namespace tessivar::scene
