#include "BallContacts.h"

#include "SceneWalk.h"

#include <algorithm>
#include <cmath>

namespace tessivar::render {

ContactBoxes::ContactBoxes(const SceneFrame& frame)
{
    for (const auto& plane : frame.Planes)
        Add(plane.World, plane.Object->Width(), plane.Object->Height(), 0);
    for (const auto& text : frame.Texts)
        Add(text.World, text.Object->Width(), text.Object->Height(), text.Object->Depth());
    for (const auto& grid : frame.Grids)
        Add(grid.World, grid.Object->Width(), grid.Object->Height(), grid.Object->Depth());
}

void ContactBoxes::Add(const scene::Matrix4& world, float width, float height, float depth)
{
    Box box{world.Row(3), {}, {}, world.Row(3), world.Row(3)};
    const float sizes[3] = {width, height, depth};
    for (int k = 0; k < 3; ++k) {
        const scene::Vector3 axis = world.Row(k);
        box.Axes[k] = axis.Normalized();
        box.HalfSizes[k] = sizes[k] / 2 * axis.Length();
        const scene::Vector3 half = axis * (sizes[k] / 2);
        const scene::Vector3 spread{std::abs(half.X), std::abs(half.Y), std::abs(half.Z)};
        box.Low = box.Low - spread;
        box.High = box.High + spread;
    }
    boxes_.push_back(box);
}

bool ContactBoxes::Near(const Box& box, const scene::Vector3& point, float reach)
{
    if (point.X < box.Low.X - reach || point.X > box.High.X + reach || point.Y < box.Low.Y - reach
        || point.Y > box.High.Y + reach || point.Z < box.Low.Z - reach || point.Z > box.High.Z + reach)
        return false;
    const scene::Vector3 offset = point - box.Centre;
    float outside = 0;
    for (int k = 0; k < 3; ++k) {
        const float beyond = std::max(std::abs(scene::Dot(offset, box.Axes[k])) - box.HalfSizes[k], 0.0F);
        outside += beyond * beyond;
    }
    return outside < reach * reach;
}

bool ContactBoxes::Touches(const BallInstance& ball) const
{
    const float reach = 1.5F * ball.Radius;
    return std::any_of(boxes_.begin(), boxes_.end(), [&](const Box& box) { return Near(box, ball.Centre(), reach); });
}

} // namespace tessivar::render
