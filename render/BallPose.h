#pragma once

#include "Ball.h"
#include "BallContacts.h"
#include "BallInstance.h"
#include "Frustum.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tessivar::render {

// What a ball's instance is made from, as the scene holds it: copying these
// is all the scene's thread does for a ball that moved or turned; the
// matrices are worked out where the frame is drawn.
struct BallPose {
    scene::Vector3 Position, Rotation, Scale;
    float Width;
    std::uint32_t Parent; // its parent's world in the frame's BallParents

    static BallPose Of(const scene::Ball& ball, std::uint32_t parent)
    {
        return {ball.Position.Point(), ball.RotationAngle.Point(), ball.Scale.Point(), ball.Width(), parent};
    }
};

// The balls of one material that show in a frame.
struct PlacedBalls {
    std::vector<BallInstance> Instances;
    // Those that meet other geometry (planes, texts, grids), drawn with the
    // depth of the sphere itself.
    std::vector<BallInstance> Touching;
};

// Adds the balls of `poses` that reach into `view` to `placed`, in order,
// those that meet `contacts` to its Touching list.
void PlaceBalls(std::span<const BallPose> poses, const std::vector<scene::Matrix4>& parents, const Frustum& view,
                const ContactBoxes& contacts, PlacedBalls& placed);

} // namespace tessivar::render
