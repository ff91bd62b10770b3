#pragma once

#include "Ball.h"

#include <vector>

namespace tessivar::render {

// One ball as the ball shaders read it: where it is, how big, and how it is
// turned (its local +Y and +Z axes in the scene; +X follows).
struct BallInstance {
    float CX, CY, CZ, Radius;
    float YX, YY, YZ;
    float ZX, ZY, ZZ;

    scene::Vector3 Centre() const { return {CX, CY, CZ}; }
};

// A ball of diameter `width` placed by `world` (its local-to-scene matrix). A
// ball is round: an uneven scale takes the mean of the three axes.
BallInstance BallInstanceOf(float width, const scene::Matrix4& world);

// Orders balls nearest to the eye first, so that the depth test turns away
// the hidden parts of the balls behind before they are shaded.
void SortNearestFirst(std::vector<BallInstance>& balls, const scene::Vector3& eye);

} // namespace tessivar::render
