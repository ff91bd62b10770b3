#pragma once

#include "Grid.h"

#include <vector>

namespace tessivar::render {

// Everything of a grid that its lines depend on.
struct GridShape {
    float Width, Height, Marks, Frequency;
    scene::Argb LineColor;

    static GridShape Of(const scene::Grid& grid);
    friend bool operator==(const GridShape&, const GridShape&) = default;
};

// One line of a grid in its local XY plane.
struct GridLine {
    float X1, Y1, X2, Y2;
    scene::Argb Colour;
};

// Lines parallel to Y at X = 0, +-Frequency, +-2 Frequency ... while |X| is
// under Width / 2, spanning the height, and lines parallel to X likewise. A
// line whose offset is a whole number and a whole multiple of Marks takes
// LineColor with alpha 0xA0; any other LineColor as it is.
std::vector<GridLine> GridLines(const GridShape& grid);

} // namespace tessivar::render
