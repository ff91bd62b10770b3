#pragma once

#include "BallLayout.h"
#include "DesignScene.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessivar::scene {

// The balls that show each register: per register line a slot list of 200
// slots, or none. For a register of value v, slot j holds the ball of stack
// position j + v - 200 when that is 0 or more, and is empty otherwise; a ball
// is held by at most one slot. Balls are copies of the template Sphere1,
// owned by the design's form.
class BallStacks {
public:
    using SlotList = std::array<TSphere*, kSlotsPerRegister>;

    explicit BallStacks(DesignScene& scene) : scene_(scene) {}
    BallStacks(const BallStacks&) = delete;
    BallStacks& operator=(const BallStacks&) = delete;

    // Entry i shows R(i + 1); null: no slot list.
    std::vector<std::unique_ptr<SlotList>> Sphere;

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

    // The slot list of a register, made (and Sphere extended) on first use.
    SlotList& SlotsOf(int registerIndex);
    // Extends Sphere to cover register index `registerIndex`.
    void Cover(int registerIndex);
    // Leaves the register without a slot list (its slots must be empty).
    void DropSlotList(int registerIndex);

    // A visible copy of Sphere1 at `position`, not yet in any slot.
    TSphere* NewBall(const Vector3& position);
    // The spinning ball that slot `slot` of a register showing `value` holds,
    // placed in the column of `registerIndex` but not yet in any slot; null
    // when the slot is empty for that value.
    TSphere* SpinningBallAt(int registerIndex, std::int64_t value, int slot);
    // Turns `ball` about its vertical axis 31 times, 2 s each, after `delay`.
    void StartSpin(TSphere& ball, float delay);
    // Sends the ball in `slot` down out of sight and empties the slot first:
    // the fall frees the ball, possibly before this returns.
    void LetFall(TSphere*& slot, float duration, float delay);

    // The template's height scale: the diameter of a ball.
    float BallScale() const { return scene_.Sphere1->Scale.Y(); }

private:
    DesignScene& scene_;
    // Balls made by the current Set; it staggers their spins.
    std::uint32_t ballCounter_ = 0;
};

} // namespace tessivar::scene
