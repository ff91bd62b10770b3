#pragma once

#include <QList>
#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace tessivar::render {

// The region enclosed by a set of closed contours under the non-zero winding
// rule, whatever direction each contour runs in (TrueType and CFF fonts wind
// their outlines oppositely).
struct Tessellation {
    // Three points per triangle, each with a positive signed area
    // (x1 y2 - x2 y1 summed over its edges).
    std::vector<QPointF> Triangles;
    // The region's boundary: outer contours with a positive signed area, holes
    // with a negative one, so that the region always lies to the left of an edge.
    QList<QPolygonF> Boundary;
};

// Fails only on input that GLU rejects; the result is then empty.
Tessellation Tessellate(const QList<QPolygonF>& contours);

} // namespace tessivar::render
