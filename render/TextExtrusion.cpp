#include "TextExtrusion.h"

#include "Text3D.h"

#include <cmath>

namespace tessivar::render {

namespace {

struct BoxMapping {
    float Width, Height;

    float U(qreal x) const { return Width > 0 ? static_cast<float>(x) / Width + 0.5F : 0.5F; }
    float V(qreal y) const { return Height > 0 ? static_cast<float>(y) / Height + 0.5F : 0.5F; }
};

SurfaceVertex At(const QPointF& p, float z, float nx, float ny, float nz, const BoxMapping& box)
{
    const auto x = static_cast<float>(p.x()), y = static_cast<float>(p.y());
    return {x, y, z, nx, ny, nz, box.U(p.x()), box.V(p.y())};
}

// The tessellated triangles have a positive signed area in XY, so they face +Z
// as they come; the front face turns them round.
SurfaceTriangles Face(const std::vector<QPointF>& triangles, float z, bool front, const BoxMapping& box)
{
    const float nz = front ? -1.0F : 1.0F;
    SurfaceTriangles face;
    face.reserve(triangles.size());
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3) {
        face.push_back(At(triangles[i], z, 0, 0, nz, box));
        face.push_back(At(triangles[front ? i + 2 : i + 1], z, 0, 0, nz, box));
        face.push_back(At(triangles[front ? i + 1 : i + 2], z, 0, 0, nz, box));
    }
    return face;
}

// The region lies left of each boundary edge p -> q, so (dy, -dx) points out
// of the solid.
SurfaceTriangles Walls(const QList<QPolygonF>& boundary, float front, float back, const BoxMapping& box)
{
    SurfaceTriangles walls;
    for (const QPolygonF& contour : boundary) {
        for (qsizetype i = 0; i < contour.size(); ++i) {
            const QPointF& p = contour[i];
            const QPointF& q = contour[(i + 1) % contour.size()];
            const qreal dx = q.x() - p.x(), dy = q.y() - p.y();
            const qreal length = std::hypot(dx, dy);
            if (length == 0)
                continue;
            const auto nx = static_cast<float>(dy / length), ny = static_cast<float>(-dx / length);
            const SurfaceVertex pf = At(p, front, nx, ny, 0, box), qf = At(q, front, nx, ny, 0, box);
            const SurfaceVertex pb = At(p, back, nx, ny, 0, box), qb = At(q, back, nx, ny, 0, box);
            walls.insert(walls.end(), {pf, qf, qb, pf, qb, pb});
        }
    }
    return walls;
}

} // namespace

TextMesh ExtrudeText(const Tessellation& region, float width, float height, float depth, std::uint8_t sides)
{
    const BoxMapping box{width, height};
    const float front = -depth / 2, back = depth / 2;
    TextMesh mesh;
    if (sides & scene::SideFront)
        mesh.Front = Face(region.Triangles, front, true, box);
    if (sides & scene::SideBack)
        mesh.Back = Face(region.Triangles, back, false, box);
    if (sides & scene::SideShaft)
        mesh.Shaft = Walls(region.Boundary, front, back, box);
    return mesh;
}

} // namespace tessivar::render
