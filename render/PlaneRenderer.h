#pragma once

#include "FrameSnapshot.h"
#include "PictureTextures.h"
#include "SurfaceBuffer.h"

#include <QOpenGLShaderProgram>

namespace tessivar::render {

// Planes: one Width x Height rectangle each, facing local -Z, the picture
// spread once over it with its top edge at -Y.
class PlaneRenderer {
public:
    explicit PlaneRenderer(GL& gl);

    // With the surface program bound and its frame uniforms set.
    void Draw(GL& gl, QOpenGLShaderProgram& surface, const PlaneDraw& plane, PictureTextures& pictures);

private:
    SurfaceBuffer quad_;
};

} // namespace tessivar::render
