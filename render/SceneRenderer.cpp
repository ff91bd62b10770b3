#include "SceneRenderer.h"

namespace tessivar::render {

SceneRenderer::SceneRenderer(GL& gl) : gl_(gl), ready_(shaders_.Build()), planes_(gl), grids_(gl), balls_(gl)
{}

void SceneRenderer::Render(const FrameSnapshot& frame)
{
    const QVector4D& background = frame.Background;
    gl_.glClearColor(background.x(), background.y(), background.z(), background.w());
    gl_.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!ready_ || !frame.HasCamera)
        return;
    const scene::Matrix4& viewProjection = frame.ViewProjection;
    const Frustum view = frame.Balls == BallDrawing::PlainMesh ? Frustum::Everything() : Frustum(viewProjection);
    const scene::Vector3& eye = frame.Eye;
    const FrameLighting& lighting = frame.Lighting;

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
    for (const BallsDraw& batch : frame.BallBatches) {
        PlacedBalls placed;
        for (const auto& chunk : batch.Chunks)
            PlaceBalls(*chunk, frame.BallParents, view, frame.Contacts, placed);
        SortNearestFirst(placed.Instances, eye);
        balls_.Draw(gl_, shaders_, frame.Balls, batch.Material, placed, viewProjection, lighting, pictures_);
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
