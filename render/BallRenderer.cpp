#include "BallRenderer.h"

#include "SphereMesh.h"

#include <array>
#include <cstddef>

namespace tessivar::render {

namespace {

void* Offset(std::size_t bytes)
{
    return reinterpret_cast<void*>(bytes);
}

} // namespace

BallRenderer::BallRenderer(GL& gl)
{
    instances_.create();
    instances_.setUsagePattern(QOpenGLBuffer::StreamDraw);

    impostorArray_.create();
    {
        const QOpenGLVertexArrayObject::Binder binder(&impostorArray_);
        const std::array<float, 8> corners{-1, -1, 1, -1, -1, 1, 1, 1};
        corners_.create();
        corners_.bind();
        corners_.allocate(corners.data(), static_cast<int>(sizeof(corners)));
        gl.glEnableVertexAttribArray(0);
        gl.glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
        AttachInstances(gl);
    }

    meshArray_.create();
    {
        const QOpenGLVertexArrayObject::Binder binder(&meshArray_);
        const std::vector<SphereVertex> sphere
            = SphereMesh(scene::Ball::SubdivisionsAxes, scene::Ball::SubdivisionsHeight);
        meshVertexCount_ = static_cast<int>(sphere.size());
        mesh_.create();
        mesh_.bind();
        mesh_.allocate(sphere.data(), static_cast<int>(sphere.size() * sizeof(SphereVertex)));
        const auto stride = static_cast<GLsizei>(sizeof(SphereVertex));
        gl.glEnableVertexAttribArray(0);
        gl.glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(SphereVertex, X)));
        gl.glEnableVertexAttribArray(1);
        gl.glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(SphereVertex, U)));
        AttachInstances(gl);
    }
}

// Per-ball attributes at locations 2 to 4, one step per instance.
void BallRenderer::AttachInstances(GL& gl)
{
    instances_.bind();
    const auto stride = static_cast<GLsizei>(sizeof(BallInstance));
    gl.glEnableVertexAttribArray(2);
    gl.glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(BallInstance, CX)));
    gl.glEnableVertexAttribArray(3);
    gl.glVertexAttribPointer(3, 3, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(BallInstance, YX)));
    gl.glEnableVertexAttribArray(4);
    gl.glVertexAttribPointer(4, 3, GL_FLOAT, GL_FALSE, stride, Offset(offsetof(BallInstance, ZX)));
    for (GLuint location = 2; location <= 4; ++location)
        gl.glVertexAttribDivisor(location, 1);
}

void BallRenderer::Draw(GL& gl, ShaderLibrary& shaders, BallDrawing drawing, const MaterialValues& material,
                        const PlacedBalls& balls, const scene::Matrix4& viewProjection, const FrameLighting& lighting,
                        PictureTextures& pictures)
{
    const FrameUniforms frame{viewProjection, lighting, pictures, material};
    if (drawing == BallDrawing::Impostors) {
        // A quad shows only the sphere's front, whichever way round it winds.
        gl.glDisable(GL_CULL_FACE);
        DrawInstances(gl, shaders.BallImpostor(false), frame, balls.Instances, Shape::Impostor);
        DrawInstances(gl, shaders.BallImpostor(true), frame, balls.Touching, Shape::Impostor);
        gl.glEnable(GL_CULL_FACE);
    } else {
        DrawInstances(gl, shaders.BallMesh(), frame, balls.Instances, Shape::Mesh);
        DrawInstances(gl, shaders.BallMesh(), frame, balls.Touching, Shape::Mesh);
    }
}

void BallRenderer::DrawInstances(GL& gl, QOpenGLShaderProgram& program, const FrameUniforms& frame,
                                 const std::vector<BallInstance>& balls, Shape shape)
{
    if (balls.empty())
        return;
    program.bind();
    if (!SetMaterial(program, frame.Material, frame.Pictures))
        return;
    SetLighting(program, frame.Lighting);
    program.setUniformValue("viewProjection", ToQt(frame.ViewProjection));

    instances_.bind();
    instances_.allocate(balls.data(), static_cast<int>(balls.size() * sizeof(BallInstance)));
    const auto count = static_cast<GLsizei>(balls.size());
    if (shape == Shape::Impostor) {
        const QOpenGLVertexArrayObject::Binder binder(&impostorArray_);
        gl.glDrawArraysInstanced(GL_TRIANGLE_STRIP, 0, 4, count);
    } else {
        const QOpenGLVertexArrayObject::Binder binder(&meshArray_);
        gl.glDrawArraysInstanced(GL_TRIANGLES, 0, meshVertexCount_, count);
    }
}

} // namespace tessivar::render
