#pragma once

#include "FrameSnapshot.h"
#include "GlFunctions.h"

#include <QOpenGLBuffer>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>

#include <optional>

namespace tessivar::render {

// Grids: coloured line segments, drawn after everything opaque and blended
// by their alpha. The lines last uploaded stay in GL memory until a grid of
// another shape is drawn.
class GridRenderer {
public:
    explicit GridRenderer(GL& gl);

    // With the grid program bound.
    void Draw(GL& gl, QOpenGLShaderProgram& program, const GridDraw& grid, const scene::Matrix4& viewProjection);

private:
    void Upload(const GridShape& grid);

    QOpenGLVertexArrayObject vertexArray_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
    std::optional<GridShape> uploaded_;
    GLsizei vertexCount_ = 0;
};

} // namespace tessivar::render
