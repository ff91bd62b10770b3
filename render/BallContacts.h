#pragma once

#include "BallInstance.h"

#include <array>
#include <vector>

namespace tessivar::render {

struct SceneFrame;

// The boxes of a frame's planes, texts and grids, where balls meet other
// geometry and must be drawn with their exact depth.
class ContactBoxes {
public:
    ContactBoxes() = default; // none
    explicit ContactBoxes(const SceneFrame& frame);

    // Whether the ball comes within half its radius of a box.
    bool Touches(const BallInstance& ball) const;

private:
    struct Box {
        scene::Vector3 Centre;
        std::array<scene::Vector3, 3> Axes; // unit
        std::array<float, 3> HalfSizes;
        scene::Vector3 Low, High; // bounds along the scene's axes, for a quick miss
    };

    static bool Near(const Box& box, const scene::Vector3& point, float reach);

    void Add(const scene::Matrix4& world, float width, float height, float depth);

    std::vector<Box> boxes_;
};

} // namespace tessivar::render
