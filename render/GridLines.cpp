#include "GridLines.h"

#include <cmath>

namespace tessivar::render {

namespace {

constexpr scene::Argb MarkAlpha = 0xA0000000;

bool IsWhole(float value)
{
    return std::abs(value - std::round(value)) < 1e-4F;
}

scene::Argb LineColour(float offset, const GridShape& grid)
{
    const float marks = grid.Marks;
    const bool marked = IsWhole(offset) && marks != 0 && IsWhole(offset / marks);
    return marked ? (grid.LineColor & 0x00FFFFFF) | MarkAlpha : grid.LineColor;
}

// Offsets 0, +-step, +-2 step ... strictly inside (-half, half).
std::vector<float> Offsets(float half, float step)
{
    std::vector<float> offsets;
    if (!(step > 0))
        return offsets;
    for (int k = 0; static_cast<float>(k) * step < half; ++k) {
        offsets.push_back(static_cast<float>(k) * step);
        if (k > 0)
            offsets.push_back(-static_cast<float>(k) * step);
    }
    return offsets;
}

} // namespace

GridShape GridShape::Of(const scene::Grid& grid)
{
    return {grid.Width(), grid.Height(), grid.Marks(), grid.Frequency(), grid.LineColor()};
}

std::vector<GridLine> GridLines(const GridShape& grid)
{
    const float halfWidth = grid.Width / 2, halfHeight = grid.Height / 2;
    std::vector<GridLine> lines;
    for (const float x : Offsets(halfWidth, grid.Frequency))
        lines.push_back({x, -halfHeight, x, halfHeight, LineColour(x, grid)});
    for (const float y : Offsets(halfHeight, grid.Frequency))
        lines.push_back({-halfWidth, y, halfWidth, y, LineColour(y, grid)});
    return lines;
}

} // namespace tessivar::render
