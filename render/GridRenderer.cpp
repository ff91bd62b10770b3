#include "GridRenderer.h"

#include "GridLines.h"

#include <cstddef>
#include <vector>

namespace tessivar::render {

namespace {

struct LineVertex {
    float X, Y, Z;
    float R, G, B, A;
};

std::vector<LineVertex> LineVertices(const GridShape& grid)
{
    std::vector<LineVertex> vertices;
    for (const GridLine& line : GridLines(grid)) {
        const QVector4D c = ColourOf(line.Colour);
        vertices.push_back({line.X1, line.Y1, 0, c.x(), c.y(), c.z(), c.w()});
        vertices.push_back({line.X2, line.Y2, 0, c.x(), c.y(), c.z(), c.w()});
    }
    return vertices;
}

} // namespace

GridRenderer::GridRenderer(GL& gl)
{
    vertexArray_.create();
    const QOpenGLVertexArrayObject::Binder binder(&vertexArray_);
    buffer_.create();
    buffer_.setUsagePattern(QOpenGLBuffer::StreamDraw);
    buffer_.bind();
    const auto stride = static_cast<GLsizei>(sizeof(LineVertex));
    gl.glEnableVertexAttribArray(0);
    gl.glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(LineVertex, X)));
    gl.glEnableVertexAttribArray(1);
    gl.glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(LineVertex, R)));
}

void GridRenderer::Draw(GL& gl, QOpenGLShaderProgram& program, const GridDraw& grid,
                        const scene::Matrix4& viewProjection)
{
    Upload(grid.Shape);
    if (vertexCount_ == 0)
        return;
    program.setUniformValue("modelViewProjection", ToQt(grid.World * viewProjection));
    const QOpenGLVertexArrayObject::Binder binder(&vertexArray_);
    gl.glDrawArrays(GL_LINES, 0, vertexCount_);
}

void GridRenderer::Upload(const GridShape& grid)
{
    if (uploaded_ == grid)
        return;
    uploaded_ = grid;
    const std::vector<LineVertex> vertices = LineVertices(grid);
    vertexCount_ = static_cast<GLsizei>(vertices.size());
    if (vertices.empty())
        return;
    buffer_.bind();
    buffer_.allocate(vertices.data(), static_cast<int>(vertices.size() * sizeof(LineVertex)));
}

} // namespace tessivar::render
