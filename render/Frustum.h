#pragma once

#include "SceneMath.h"

#include <array>

namespace tessivar::render {

// The six planes of a view volume, to skip balls that cannot show.
class Frustum {
public:
    // From a scene-to-clip matrix in the scene's row-vector convention.
    explicit Frustum(const scene::Matrix4& viewProjection);

    // A volume that every sphere touches, for drawing without view culling.
    static Frustum Everything();

    // Whether a sphere reaches into the volume (conservative near the corners).
    bool Touches(const scene::Vector3& centre, float radius) const;

private:
    struct Plane {
        float A, B, C, D; // inside where A x + B y + C z + D >= 0, (A, B, C) unit
    };
    Frustum() = default;
    std::array<Plane, 6> planes_;
};

} // namespace tessivar::render
