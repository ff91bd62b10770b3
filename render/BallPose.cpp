#include "BallPose.h"

#include <algorithm>
#include <cmath>

namespace tessivar::render {

namespace {

// How much a parent enlarges, for the balls' quick view test.
float ScaleOf(const scene::Matrix4& world)
{
    return std::max({world.Row(0).Length(), world.Row(1).Length(), world.Row(2).Length()});
}

// Most of 51,200 balls lie outside a close view: tell them by their centre
// and a bound on their radius, before working out their matrices.
bool OutOfView(const BallPose& pose, const scene::Matrix4& parentWorld, float parentScale, const Frustum& view)
{
    const scene::Vector3& s = pose.Scale;
    const float radius = pose.Width / 2 * std::max({std::abs(s.X), std::abs(s.Y), std::abs(s.Z)}) * parentScale;
    return !view.Touches(parentWorld.TransformPoint(pose.Position), radius);
}

} // namespace

void PlaceBalls(std::span<const BallPose> poses, const std::vector<scene::Matrix4>& parents, const Frustum& view,
                const ContactBoxes& contacts, PlacedBalls& placed)
{
    // Balls come in long runs of one parent: its scale once per run.
    std::uint32_t scaledParent = 0;
    float parentScale = parents.empty() ? 1 : ScaleOf(parents.front());
    for (const BallPose& pose : poses) {
        const scene::Matrix4& parentWorld = parents[pose.Parent];
        if (pose.Parent != scaledParent) {
            scaledParent = pose.Parent;
            parentScale = ScaleOf(parentWorld);
        }
        if (OutOfView(pose, parentWorld, parentScale, view))
            continue;
        const scene::Matrix4 world
            = scene::PlacedObject::LocalMatrixOf(pose.Position, pose.Rotation, pose.Scale) * parentWorld;
        const BallInstance ball = BallInstanceOf(pose.Width, world);
        (contacts.Touches(ball) ? placed.Touching : placed.Instances).push_back(ball);
    }
}

} // namespace tessivar::render
