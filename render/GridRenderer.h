#pragma once

#include "GlFunctions.h"
#include "SceneWalk.h"

#include <QOpenGLBuffer>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>

#include <optional>

namespace tessivar::render {

// Everything of a grid that its lines depend on.
struct GridShape {
    float Width, Height, Marks, Frequency;
    scene::TAlphaColor LineColor;

    static GridShape Of(const scene::TGrid3D& grid);
    friend bool operator==(const GridShape&, const GridShape&) = default;
};

// Grids: coloured line segments, drawn after everything opaque and blended
// by their alpha. The lines last uploaded stay in GL memory until a grid of
// another shape is drawn.
class GridRenderer {
public:
    explicit GridRenderer(GL& gl);

    // With the grid program bound.
    void Draw(GL& gl, QOpenGLShaderProgram& program, const Placed<scene::TGrid3D>& grid,
              const scene::Matrix4& viewProjection);

private:
    void Upload(const scene::TGrid3D& grid);

    QOpenGLVertexArrayObject vertexArray_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
    std::optional<GridShape> uploaded_;
    GLsizei vertexCount_ = 0;
};

} // namespace tessivar::render
