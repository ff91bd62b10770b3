#include "SurfaceBuffer.h"

#include <cstddef>

namespace tessivar::render {

SurfaceBuffer::SurfaceBuffer(GL& gl, const SurfaceTriangles& vertices)
{
    vertexArray_.create();
    const QOpenGLVertexArrayObject::Binder binder(&vertexArray_);
    buffer_.create();
    buffer_.bind();
    buffer_.allocate(vertices.data(), static_cast<int>(vertices.size() * sizeof(SurfaceVertex)));
    const auto stride = static_cast<GLsizei>(sizeof(SurfaceVertex));
    gl.glEnableVertexAttribArray(0);
    gl.glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(SurfaceVertex, X)));
    gl.glEnableVertexAttribArray(1);
    gl.glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(SurfaceVertex, NX)));
    gl.glEnableVertexAttribArray(2);
    gl.glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(SurfaceVertex, U)));
}

void SurfaceBuffer::Draw(GL& gl, int first, int count)
{
    if (count <= 0)
        return;
    const QOpenGLVertexArrayObject::Binder binder(&vertexArray_);
    gl.glDrawArrays(GL_TRIANGLES, first, count);
}

} // namespace tessivar::render
