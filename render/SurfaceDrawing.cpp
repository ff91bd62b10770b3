#include "SurfaceDrawing.h"

#include "GlFunctions.h"

namespace tessivar::render {

void SetModel(QOpenGLShaderProgram& surface, const scene::Matrix4& world)
{
    const QMatrix4x4 model = ToQt(world);
    surface.setUniformValue("model", model);
    surface.setUniformValue("normalMatrix", model.normalMatrix());
}

} // namespace tessivar::render
