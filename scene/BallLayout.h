#pragma once

#include "SceneMath.h"

#include <cstdint>

namespace tessivar::scene {

// A register shows at most its newest balls, one slot each.
inline constexpr int kSlotsPerRegister = 200;

// Height of the ball at stack position `position` (0: the lowest) in a
// column of ten balls of diameter `scaleY`, rising from the grid (Y points down).
float BallHeight(std::int64_t position, float scaleY);

// Depth of that ball in a register of value `value` (>= 1): the group of ten
// that holds the newest ball stands at the front, each earlier group a unit behind.
float BallDepth(std::int64_t value, std::int64_t position);

// Where the ball at stack position `position` of register index
// `registerIndex` (0 for R(1)) stands while the register holds `value`.
Vector3 BallPosition(int registerIndex, std::int64_t value, std::int64_t position, float scaleY);

// The stack position that slot `slot` shows for a register of `value`; negative
// when the slot is empty. Never overflows for values a step can reach.
std::int64_t PositionInSlot(int slot, std::int64_t value);

} // namespace tessivar::scene
