#pragma once

#include "BallDrawing.h"
#include "GlFunctions.h"
#include "MaterialUniforms.h"
#include "SceneWalk.h"
#include "ShaderLibrary.h"

#include <QOpenGLBuffer>
#include <QOpenGLVertexArrayObject>

namespace tessivar::render {

// Draws every ball of a batch in one instanced call.
class BallRenderer {
public:
    explicit BallRenderer(GL& gl);

    void Draw(GL& gl, ShaderLibrary& shaders, BallDrawing drawing, const BallBatch& batch,
              const scene::Matrix4& viewProjection, const FrameLighting& lighting, PictureTextures& pictures);

private:
    void AttachInstances(GL& gl);

    QOpenGLBuffer instances_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer corners_{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer mesh_{QOpenGLBuffer::VertexBuffer};
    QOpenGLVertexArrayObject impostorArray_, meshArray_;
    int meshVertexCount_ = 0;
};

} // namespace tessivar::render
