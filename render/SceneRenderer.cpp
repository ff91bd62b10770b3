#include "SceneRenderer.h"

#include "Camera.h"
#include "Viewport3D.h"

namespace tessivar::render {

SceneRenderer::SceneRenderer(GL& gl) : gl_(gl), ready_(shaders_.Build()), planes_(gl), grids_(gl), balls_(gl)
{}

void SceneRenderer::Render(const scene::TViewport3D& viewport, int width, int height, BallDrawing balls)
{
    const QVector4D background = ColourOf(viewport.Color());
    gl_.glClearColor(background.x(), background.y(), background.z(), background.w());
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const scene::TCamera* camera = viewport.Camera();
    if (!ready_ || !camera || width <= 0 || height <= 0)
        return;

    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    const scene::Matrix4 viewProjection = camera->ViewMatrix() * camera->ProjectionMatrix(aspect);
    const Frustum view = balls == BallDrawing::PlainMesh ? Frustum::Everything() : Frustum(viewProjection);
    SceneFrame frame = WalkScene(viewport, view);
    const scene::Vector3 eye = camera->EyePosition();
    const FrameLighting lighting = FrameLighting::Of(frame.Light, eye);

    // Opaque surfaces, front faces only.
    gl_.glEnable(GL_DEPTH_TEST);
    gl_.glDepthFunc(GL_LESS);
    gl_.glDepthMask(GL_TRUE);
    gl_.glDisable(GL_BLEND);
    gl_.glEnable(GL_CULL_FACE);
    gl_.glCullFace(GL_BACK);
    gl_.glFrontFace(GL_CCW);

    // Near things first, so that the depth test spares the software renderer
    // the shading of what they hide: balls nearest first, the texts, then the
    // planes (the large backdrop stands behind everything).
    for (BallBatch& batch : frame.Balls) {
        SortNearestFirst(batch.Instances, eye);
        balls_.Draw(gl_, shaders_, balls, batch, viewProjection, lighting, pictures_);
    }
    QOpenGLShaderProgram& surface = shaders_.Surface();
    surface.bind();
    SetLighting(surface, lighting);
    surface.setUniformValue("viewProjection", ToQt(viewProjection));
    for (const auto& text : frame.Texts)
        texts_.Draw(gl_, surface, text, view, eye, pictures_);
    texts_.Sweep();
    for (const auto& plane : frame.Planes)
        planes_.Draw(gl_, surface, plane, pictures_);

    // Grid lines last, blended over what they cross, leaving depth alone.
    gl_.glEnable(GL_BLEND);
    gl_.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl_.glDepthMask(GL_FALSE);
    QOpenGLShaderProgram& grid = shaders_.Grid();
    grid.bind();
    for (const auto& placed : frame.Grids)
        grids_.Draw(gl_, grid, placed, viewProjection);
    gl_.glDepthMask(GL_TRUE);
    gl_.glDisable(GL_BLEND);
}

} // namespace tessivar::render
