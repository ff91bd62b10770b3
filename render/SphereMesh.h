#pragma once

#include "SceneMath.h"

#include <vector>

namespace tessivar::render {

// A point of the unit sphere and its texture coordinates.
struct SphereVertex {
    float X, Y, Z;
    float U, V;
};

// The point of the unit sphere at texture coordinates (u, v): v runs from the
// top (-Y, v = 0) to the bottom (+Y, v = 1), u around the vertical axis with
// u = 0.5 facing -Z and growing towards +X, so the picture reads the right way
// round from the front.
scene::Vector3 SphereDirection(float u, float v);

// The unit sphere as separate triangles, `segments` around the vertical axis
// and `bands` from top to bottom, facing outwards (counter-clockwise as seen).
std::vector<SphereVertex> SphereMesh(int segments, int bands);

} // namespace tessivar::render
