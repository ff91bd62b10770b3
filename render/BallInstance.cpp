#include "BallInstance.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tessivar::render {

BallInstance BallInstanceOf(float width, const scene::Matrix4& world)
{
    const scene::Vector3 x = world.Row(0), y = world.Row(1), z = world.Row(2), centre = world.Row(3);
    const float scale = (x.Length() + y.Length() + z.Length()) / 3;
    const scene::Vector3 axisY = y.Normalized(), axisZ = z.Normalized();
    return {centre.X, centre.Y, centre.Z, width / 2 * scale, axisY.X, axisY.Y, axisY.Z, axisZ.X, axisZ.Y, axisZ.Z};
}

void SortNearestFirst(std::vector<BallInstance>& balls, const scene::Vector3& eye)
{
    // Distances once per ball, then one gather, rather than two distances
    // per comparison.
    std::vector<std::pair<float, std::uint32_t>> order(balls.size());
    for (std::size_t i = 0; i < balls.size(); ++i) {
        const scene::Vector3 offset = balls[i].Centre() - eye;
        order[i] = {offset.X * offset.X + offset.Y * offset.Y + offset.Z * offset.Z, static_cast<std::uint32_t>(i)};
    }
    std::sort(order.begin(), order.end());
    std::vector<BallInstance> sorted;
    sorted.reserve(balls.size());
    for (const auto& entry : order)
        sorted.push_back(balls[entry.second]);
    balls = std::move(sorted);
}

} // namespace tessivar::render
