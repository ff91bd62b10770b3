#include "SceneView.h"

#include "RenderThread.h"
#include "SceneRenderer.h"
#include "Viewport3D.h"

#include <QOpenGLContext>
#include <QOpenGLVersionFunctionsFactory>
#include <QSurfaceFormat>

#include <algorithm>

namespace tessivar::render {

namespace {

double MsSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

GL* FunctionsOf(QOpenGLContext* context)
{
    auto* gl = QOpenGLVersionFunctionsFactory::get<GL>(context);
    return gl && gl->initializeOpenGLFunctions() ? gl : nullptr;
}

} // namespace

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
    if (syncedOnce_ && viewport_->Revision() == syncedRevision_)
        return;
    if (!renderThread_) {
        update();
        return;
    }
    if (renderThread_->Busy())
        syncWanted_ = true;
    else
        Sync();
}

void SceneView::DrawNow()
{
    if (!renderThread_)
        return;
    renderThread_->WaitUntilIdle();
    Sync();
    renderThread_->WaitUntilIdle();
}

void SceneView::SetBalls(BallDrawing drawing)
{
    if (ballDrawing_ == drawing)
        return;
    ballDrawing_ = drawing;
    syncedOnce_ = false;
    UpdateIfChanged();
}

QString SceneView::RenderError() const
{
    if (renderThread_)
        return renderThread_->Error();
    return renderer_ ? renderer_->Error() : contextError_;
}

std::uint64_t SceneView::TextMeshBuilds() const
{
    if (renderThread_)
        return renderThread_->TextMeshBuilds();
    return renderer_ ? renderer_->TextMeshBuilds() : 0;
}

void SceneView::initializeGL()
{
    // A new context (first show, or moved to another window) needs everything anew.
    ReleaseGl();
    GL* gl = FunctionsOf(context());
    if (!gl) {
        contextError_ = NoOpenGl33Error();
        return;
    }
    contextError_.clear();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &SceneView::ReleaseGl, Qt::UniqueConnection);
    syncedOnce_ = false;
    if (threading_ == FrameThreading::ViewThread) {
        renderer_ = std::make_unique<SceneRenderer>(*gl);
        return;
    }
    gl->glGenFramebuffers(1, &readFramebuffer_);
    renderThread_ = std::make_unique<RenderThread>(*context());
    connect(renderThread_.get(), &RenderThread::FrameFinished, this, &SceneView::RenderedFrameFinished,
            Qt::QueuedConnection);
    Sync();
}

void SceneView::resizeGL(int width, int height)
{
    viewport_->SetSize(static_cast<float>(width), static_cast<float>(height));
    UpdateIfChanged();
}

void SceneView::paintGL()
{
    sinceFrameStart_.start();
    if (renderThread_) {
        ShowNewestFrame();
        return;
    }
    lastSyncMs_ = 0;
    syncedRevision_ = drawnRevision_ = viewport_->Revision();
    syncedOnce_ = true;
    if (!renderer_)
        return;
    FrameSnapshot frame = sync_.Take(*viewport_, width(), height(), ballDrawing_);
    renderer_->Render(frame);
}

// The copy of the scene for a frame: the one time a frame holds this thread
// besides showing it.
void SceneView::Sync()
{
    QElapsedTimer timer;
    timer.start();
    syncWanted_ = false;
    syncedRevision_ = viewport_->Revision();
    syncedOnce_ = true;
    const qreal ratio = devicePixelRatioF();
    renderThread_->Hand(
        sync_.Take(*viewport_, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), ballDrawing_));
    lastSyncMs_ = MsSince(timer);
    longestSyncMs_ = std::max(longestSyncMs_, lastSyncMs_);
}

void SceneView::RenderedFrameFinished()
{
    update();
    if (syncWanted_)
        Sync();
}

// The texture is read to its end here: the render thread draws into it again
// only after the next hand-over, which this thread makes.
void SceneView::ShowNewestFrame()
{
    GL* gl = FunctionsOf(context());
    const FinishedFrame newest = renderThread_->Newest();
    const QVector4D background = ColourOf(viewport_->Color());
    gl->glClearColor(background.x(), background.y(), background.z(), background.w());
    gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (newest.Texture == 0)
        return;
    drawnRevision_ = newest.Revision;
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, readFramebuffer_);
    gl->glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, newest.Texture, 0);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
    const qreal ratio = devicePixelRatioF();
    gl->glBlitFramebuffer(0, 0, newest.Width, newest.Height, 0, 0, static_cast<GLint>(width() * ratio),
                          static_cast<GLint>(height() * ratio), GL_COLOR_BUFFER_BIT, GL_LINEAR);
    gl->glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    gl->glFinish();
}

// Only a frame painted since the last swap is measured: a swap can also follow
// a repaint of the other widgets alone. The median is taken here, once per
// frame, not on every request for one.
void SceneView::FrameShown()
{
    if (!sinceFrameStart_.isValid())
        return;
    recentFrameMs_[framesMeasured_++ % recentFrameMs_.size()] = lastSyncMs_ + MsSince(sinceFrameStart_);
    sinceFrameStart_.invalidate();
    const std::size_t count = std::min(framesMeasured_, recentFrameMs_.size());
    auto sorted = recentFrameMs_;
    std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count));
    typicalFrameMs_ = sorted[count / 2];
}

void SceneView::ReleaseGl()
{
    if (!renderer_ && !renderThread_)
        return;
    renderThread_.reset();
    makeCurrent();
    renderer_.reset();
    if (readFramebuffer_ != 0) {
        if (GL* gl = FunctionsOf(context()))
            gl->glDeleteFramebuffers(1, &readFramebuffer_);
        readFramebuffer_ = 0;
    }
    doneCurrent();
}

} // namespace tessivar::render
