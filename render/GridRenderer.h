#pragma once

#include "SceneWalk.h"
#include "GlFunctions.h"

#include <QOpenGLBuffer>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>

namespace tessivar::render {

// Grids: coloured line segments, drawn after everything opaque and blended
// by their alpha.
class GridRenderer {
public:
    explicit GridRenderer(GL& gl);

    // With the grid program bound.
    void Draw(GL& gl, QOpenGLShaderProgram& program, const Placed<scene::TGrid3D>& grid,
              const scene::Matrix4& viewProjection);

private:
    QOpenGLVertexArrayObject vertexArray_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
};

} // namespace tessivar::render
