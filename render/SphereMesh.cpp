#include "SphereMesh.h"

#include <cmath>
#include <numbers>

namespace tessivar::render {

namespace {

SphereVertex At(float u, float v)
{
    const scene::Vector3 d = SphereDirection(u, v);
    return {d.X, d.Y, d.Z, u, v};
}

// Appends the triangle facing away from the centre; skips the slivers at the poles.
void AddOutward(std::vector<SphereVertex>& mesh, SphereVertex a, SphereVertex b, SphereVertex c)
{
    const scene::Vector3 pa{a.X, a.Y, a.Z}, pb{b.X, b.Y, b.Z}, pc{c.X, c.Y, c.Z};
    const scene::Vector3 normal = scene::Cross(pb - pa, pc - pa);
    if (normal.Length() < 1e-6F)
        return;
    if (scene::Dot(normal, pa + pb + pc) < 0)
        std::swap(b, c);
    mesh.insert(mesh.end(), {a, b, c});
}

} // namespace

scene::Vector3 SphereDirection(float u, float v)
{
    const double theta = std::numbers::pi * v, phi = 2 * std::numbers::pi * u;
    return {static_cast<float>(-std::sin(theta) * std::sin(phi)), static_cast<float>(-std::cos(theta)),
            static_cast<float>(std::sin(theta) * std::cos(phi))};
}

std::vector<SphereVertex> SphereMesh(int segments, int bands)
{
    std::vector<SphereVertex> mesh;
    for (int band = 0; band < bands; ++band) {
        const float v0 = static_cast<float>(band) / static_cast<float>(bands);
        const float v1 = static_cast<float>(band + 1) / static_cast<float>(bands);
        for (int segment = 0; segment < segments; ++segment) {
            const float u0 = static_cast<float>(segment) / static_cast<float>(segments);
            const float u1 = static_cast<float>(segment + 1) / static_cast<float>(segments);
            AddOutward(mesh, At(u0, v0), At(u0, v1), At(u1, v1));
            AddOutward(mesh, At(u0, v0), At(u1, v1), At(u1, v0));
        }
    }
    return mesh;
}

} // namespace tessivar::render
