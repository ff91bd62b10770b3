#pragma once

#include "BallDrawing.h"
#include "FrameSnapshot.h"
#include "GlFunctions.h"
#include "MaterialUniforms.h"
#include "ShaderLibrary.h"

#include <QOpenGLBuffer>
#include <QOpenGLVertexArrayObject>

namespace tessivar::render {

// Draws the balls of a batch with instanced calls: one for the balls that
// meet other geometry, one for the rest.
class BallRenderer {
public:
    explicit BallRenderer(GL& gl);

    void Draw(GL& gl, ShaderLibrary& shaders, BallDrawing drawing, const MaterialValues& material,
              const PlacedBalls& balls, const scene::Matrix4& viewProjection, const FrameLighting& lighting,
              PictureTextures& pictures);

private:
    enum class Shape { Impostor, Mesh };
    struct FrameUniforms {
        const scene::Matrix4& ViewProjection;
        const FrameLighting& Lighting;
        PictureTextures& Pictures;
        const MaterialValues& Material;
    };

    void AttachInstances(GL& gl);
    void DrawInstances(GL& gl, QOpenGLShaderProgram& program, const FrameUniforms& frame,
                       const std::vector<BallInstance>& balls, Shape shape);

    QOpenGLBuffer instances_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer corners_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer mesh_{QOpenGLBuffer::VertexBuffer};
    QOpenGLVertexArrayObject impostorArray_, meshArray_;
    int meshVertexCount_ = 0;
};

} // namespace tessivar::render
