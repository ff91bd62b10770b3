#pragma once

#include "GlFunctions.h"
#include "SurfaceMesh.h"

#include <QOpenGLBuffer>
#include <QOpenGLVertexArrayObject>

namespace tessivar::render {

// Triangles of surface vertices in GL memory, laid out for the surface shader
// (position at location 0, normal at 1, texture coordinates at 2).
class SurfaceBuffer {
public:
    // Needs the GL context current, as do the other members and the destructor.
    SurfaceBuffer(GL& gl, const SurfaceTriangles& vertices);

    // Draws `count` vertices from `first`, as separate triangles.
    void Draw(GL& gl, int first, int count);

private:
    QOpenGLVertexArrayObject vertexArray_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
};

} // namespace tessivar::render
