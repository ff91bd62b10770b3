#include "Frustum.h"

#include <cmath>

namespace tessivar::render {

Frustum::Frustum(const scene::Matrix4& viewProjection)
{
    // Clip coordinate j of a point p is p . column j; the volume is
    // -w <= x, y, z <= w, that is column 3 +- column j >= 0.
    const auto column = [&](int j) {
        const auto& m = viewProjection.m;
        return std::array<float, 4>{m[0][j], m[1][j], m[2][j], m[3][j]};
    };
    const auto w = column(3);
    int next = 0;
    for (int axis = 0; axis < 3; ++axis) {
        const auto c = column(axis);
        for (const float sign : {1.0F, -1.0F}) {
            Plane plane{w[0] + sign * c[0], w[1] + sign * c[1], w[2] + sign * c[2], w[3] + sign * c[3]};
            const float length = std::sqrt(plane.A * plane.A + plane.B * plane.B + plane.C * plane.C);
            if (length > 0)
                plane = {plane.A / length, plane.B / length, plane.C / length, plane.D / length};
            planes_[next++] = plane;
        }
    }
}

Frustum Frustum::Everything()
{
    Frustum everything;
    everything.planes_.fill(Plane{0, 0, 0, 1});
    return everything;
}

bool Frustum::Touches(const scene::Vector3& centre, float radius) const
{
    for (const Plane& plane : planes_)
        if (plane.A * centre.X + plane.B * centre.Y + plane.C * centre.Z + plane.D < -radius)
            return false;
    return true;
}

} // namespace tessivar::render
