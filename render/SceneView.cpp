#include "SceneView.h"

#include "SceneRenderer.h"
#include "Viewport3D.h"

#include <QOpenGLContext>
#include <QOpenGLVersionFunctionsFactory>
#include <QSurfaceFormat>

#include <algorithm>

namespace tessivar::render {

SceneView::SceneView(scene::TViewport3D* viewport, QWidget* parent) : QOpenGLWidget(parent), viewport_(viewport)
{
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
    connect(this, &QOpenGLWidget::frameSwapped, this, &SceneView::FrameShown);
}

SceneView::~SceneView()
{
    ReleaseGl();
}

void SceneView::UpdateIfChanged()
{
    if (!drawnOnce_ || viewport_->Revision() != drawnRevision_)
        update();
}

void SceneView::SetBalls(BallDrawing drawing)
{
    if (ballDrawing_ == drawing)
        return;
    ballDrawing_ = drawing;
    update();
}

QString SceneView::RenderError() const
{
    return renderer_ ? renderer_->Error() : contextError_;
}

std::uint64_t SceneView::TextMeshBuilds() const
{
    return renderer_ ? renderer_->TextMeshBuilds() : 0;
}

void SceneView::initializeGL()
{
    // A new context (first show, or moved to another window) needs everything anew.
    renderer_.reset();
    auto* gl = QOpenGLVersionFunctionsFactory::get<GL>(context());
    if (!gl || !gl->initializeOpenGLFunctions()) {
        contextError_ = QStringLiteral("OpenGL 3.3 core profile is not available");
        return;
    }
    contextError_.clear();
    renderer_ = std::make_unique<SceneRenderer>(*gl);
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SceneView::ReleaseGl, Qt::UniqueConnection);
}

void SceneView::resizeGL(int width, int height)
{
    viewport_->SetSize(static_cast<float>(width), static_cast<float>(height));
}

void SceneView::paintGL()
{
    sinceFrameStart_.start();
    drawnRevision_ = viewport_->Revision();
    drawnOnce_ = true;
    if (renderer_) {
        FrameSnapshot frame = sync_.Take(*viewport_, width(), height(), ballDrawing_);
        renderer_->Render(frame);
    }
}

// Only a frame drawn since the last swap is measured: a swap can also follow
// a repaint of the other widgets alone. The median is taken here, once per
// frame, not on every request for one.
void SceneView::FrameShown()
{
    if (!sinceFrameStart_.isValid())
        return;
    recentFrameMs_[framesMeasured_++ % recentFrameMs_.size()]
        = static_cast<double>(sinceFrameStart_.nsecsElapsed()) / 1e6;
    sinceFrameStart_.invalidate();
    const std::size_t count = std::min(framesMeasured_, recentFrameMs_.size());
    auto sorted = recentFrameMs_;
    std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count));
    typicalFrameMs_ = sorted[count / 2];
}

void SceneView::ReleaseGl()
{
    if (!renderer_)
        return;
    makeCurrent();
    renderer_.reset();
    doneCurrent();
}

} // namespace tessivar::render
