#include "PlaneRenderer.h"

#include "MaterialUniforms.h"
#include "SurfaceDrawing.h"

namespace tessivar::render {

namespace {

// The unit square, its face towards -Z.
SurfaceTriangles UnitQuad()
{
    const SurfaceVertex topLeft{-0.5F, -0.5F, 0, 0, 0, -1, 0, 0};
    const SurfaceVertex topRight{0.5F, -0.5F, 0, 0, 0, -1, 1, 0};
    const SurfaceVertex bottomLeft{-0.5F, 0.5F, 0, 0, 0, -1, 0, 1};
    const SurfaceVertex bottomRight{0.5F, 0.5F, 0, 0, 0, -1, 1, 1};
    return {topLeft, bottomLeft, topRight, topRight, bottomLeft, bottomRight};
}

} // namespace

PlaneRenderer::PlaneRenderer(GL& gl) : quad_(gl, UnitQuad())
{}

void PlaneRenderer::Draw(GL& gl, QOpenGLShaderProgram& surface, const PlaneDraw& plane, PictureTextures& pictures)
{
    if (plane.Width == 0 || plane.Height == 0 || !SetMaterial(surface, plane.Material, pictures))
        return;
    SetModel(surface, scene::Matrix4::Scaling({plane.Width, plane.Height, 1}) * plane.World);
    quad_.Draw(gl, 0, 6);
}

} // namespace tessivar::render
