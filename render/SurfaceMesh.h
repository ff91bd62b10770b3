#pragma once

#include <vector>

namespace tessivar::render {

// One vertex of a drawn surface, as the surface shaders read it: position and
// normal in the object's local coordinates, texture coordinates.
struct SurfaceVertex {
    float X, Y, Z;
    float NX, NY, NZ;
    float U, V;
};

// Separate triangles, three vertices each, front faces counter-clockwise as
// seen (their normal, by the right-hand rule in scene coordinates, points
// towards the viewer).
using SurfaceTriangles = std::vector<SurfaceVertex>;

} // namespace tessivar::render
