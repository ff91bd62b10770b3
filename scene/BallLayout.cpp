#include "BallLayout.h"

namespace tessivar::scene {

float BallHeight(std::int64_t position, float scaleY)
{
    return -(static_cast<float>(position % 10) + 0.5f) * scaleY;
}

float BallDepth(std::int64_t value, std::int64_t position)
{
    return static_cast<float>((value - 1) / 10 - position / 10);
}

Vector3 BallPosition(int registerIndex, std::int64_t value, std::int64_t position, float scaleY)
{
    return {static_cast<float>(registerIndex), BallHeight(position, scaleY), BallDepth(value, position)};
}

std::int64_t PositionInSlot(int slot, std::int64_t value)
{
    // value - (200 - slot) stays in range down to the smallest value Set loads,
    // where slot + value could pass the maximum.
    return value - (kSlotsPerRegister - slot);
}

} // namespace tessivar::scene
