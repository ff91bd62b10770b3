#include "GlyphTessellator.h"

#include <GL/glu.h>

#include <array>
#include <deque>
#include <memory>

namespace tessivar::render {

namespace {

using Vertex = std::array<GLdouble, 3>;

// What the GLU callbacks write into, passed to them as the polygon data.
struct Collector {
    std::deque<Vertex> Vertices; // stable addresses, for GLU and for combine
    QPolygonF Current;
    Tessellation Result;
    bool BoundaryOnly = false;
    bool Failed = false;
};

Collector& Of(void* data)
{
    return *static_cast<Collector*>(data);
}

void GLAPIENTRY Begin(GLenum, void* data)
{
    Of(data).Current.clear();
}

void GLAPIENTRY AddVertex(void* vertex, void* data)
{
    const auto& v = *static_cast<const Vertex*>(vertex);
    Of(data).Current.append(QPointF(v[0], v[1]));
}

void GLAPIENTRY End(void* data)
{
    Collector& collector = Of(data);
    if (collector.BoundaryOnly) {
        collector.Result.Boundary.append(collector.Current);
        return;
    }
    // With an edge-flag callback GLU emits separate triangles only; slivers
    // of no area are dropped.
    const QPolygonF& points = collector.Current;
    for (qsizetype i = 0; i + 2 < points.size(); i += 3) {
        const QPointF a = points[i], b = points[i + 1], c = points[i + 2];
        const qreal area = (b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y());
        if (area == 0)
            continue;
        auto& triangles = collector.Result.Triangles;
        triangles.insert(triangles.end(), {a, area > 0 ? b : c, area > 0 ? c : b});
    }
}

void GLAPIENTRY Combine(GLdouble coordinates[3], void* [4], GLfloat[4], void** out, void* data)
{
    Collector& collector = Of(data);
    collector.Vertices.push_back({coordinates[0], coordinates[1], 0});
    *out = &collector.Vertices.back();
}

void GLAPIENTRY EdgeFlag(GLboolean, void*)
{}

void GLAPIENTRY Error(GLenum, void* data)
{
    Of(data).Failed = true;
}

template <class F> _GLUfuncptr Callback(F* function)
{
    return reinterpret_cast<_GLUfuncptr>(function);
}

void Run(const QList<QPolygonF>& contours, Collector& collector)
{
    const std::unique_ptr<GLUtesselator, void (*)(GLUtesselator*)> tess(gluNewTess(), gluDeleteTess);
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessProperty(tess.get(), GLU_TESS_BOUNDARY_ONLY, collector.BoundaryOnly ? GL_TRUE : GL_FALSE);
    gluTessNormal(tess.get(), 0, 0, 1);
    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, Callback(&Begin));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, Callback(&AddVertex));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA, Callback(&End));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, Callback(&Combine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, Callback(&Error));
    if (!collector.BoundaryOnly)
        gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, Callback(&EdgeFlag));

    gluTessBeginPolygon(tess.get(), &collector);
    for (const QPolygonF& contour : contours) {
        gluTessBeginContour(tess.get());
        for (qsizetype i = 0; i < contour.size(); ++i) {
            // Closed polygons repeat their first point; GLU wants it once.
            if (i > 0 && contour[i] == contour[i - 1])
                continue;
            if (i == contour.size() - 1 && contour[i] == contour.first())
                continue;
            collector.Vertices.push_back({contour[i].x(), contour[i].y(), 0});
            gluTessVertex(tess.get(), collector.Vertices.back().data(), &collector.Vertices.back());
        }
        gluTessEndContour(tess.get());
    }
    gluTessEndPolygon(tess.get());
}

} // namespace

Tessellation Tessellate(const QList<QPolygonF>& contours)
{
    Collector triangles;
    Run(contours, triangles);
    Collector boundary;
    boundary.BoundaryOnly = true;
    Run(contours, boundary);
    if (triangles.Failed || boundary.Failed)
        return {};
    return {std::move(triangles.Result.Triangles), std::move(boundary.Result.Boundary)};
}

} // namespace tessivar::render
