#include "SceneView.h"

#include "FrameDrawer.h"
#include "GlFunctions.h"
#include "RenderThread.h"
#include "SceneRoot.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace tessivar::render {

namespace {

double MsSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

SceneView::SceneView(scene::SceneRoot* viewport, QWidget* parent) : QWidget(parent), viewport_(viewport)
{
    // Every pixel is painted from the frame: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SceneView::~SceneView()
{
    // The render thread ends its drawer itself; here, a drawer that could
    // not begin still releases its context.
    if (renderThread_)
        renderThread_.reset();
    else if (drawer_)
        drawer_->End();
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

bool SceneView::DrawNow(std::chrono::milliseconds within)
{
    bool finished = true;
    if (renderThread_) {
        Sync();
        finished = renderThread_->WaitUntilIdle(within);
    } else if (drawerReady_) {
        DrawHere();
    }
    update();
    return finished;
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
    return drawer_ ? drawer_->Error() : QString();
}

std::uint64_t SceneView::TextMeshBuilds() const
{
    if (renderThread_)
        return renderThread_->TextMeshBuilds();
    return drawer_ ? drawer_->TextMeshBuilds() : 0;
}

void SceneView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!drawer_)
        StartDrawing();
}

void SceneView::StartDrawing()
{
    drawer_ = std::make_unique<FrameDrawer>();
    if (threading_ == FrameThreading::ViewThread) {
        drawerReady_ = drawer_->Begin();
        return;
    }
    renderThread_ = std::make_unique<RenderThread>(*drawer_);
    connect(renderThread_.get(), &RenderThread::FrameFinished, this, &SceneView::RenderedFrameFinished,
            Qt::QueuedConnection);
    Sync();
}

void SceneView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    viewport_->SetSize(static_cast<float>(width()), static_cast<float>(height()));
    UpdateIfChanged();
}

FrameSnapshot SceneView::Snapshot()
{
    syncedRevision_ = viewport_->Revision();
    syncedOnce_ = true;
    const qreal ratio = devicePixelRatioF();
    return sync_.Take(*viewport_, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), ballDrawing_);
}

// The copy of the scene for a frame: besides the paint, the one time that a
// frame holds this thread.
void SceneView::Sync()
{
    QElapsedTimer timer;
    timer.start();
    syncWanted_ = false;
    renderThread_->Hand(Snapshot());
    const double syncMs = MsSince(timer);
    syncMsSincePaint_ += syncMs;
    longestSyncMs_ = std::max(longestSyncMs_, syncMs);
}

// Queued: a newer frame may have been handed over since this one finished,
// and the scene is copied again only once that one is finished too.
void SceneView::RenderedFrameFinished()
{
    update();
    if (syncWanted_ && !renderThread_->Busy())
        Sync();
}

void SceneView::paintEvent(QPaintEvent*)
{
    QElapsedTimer timer;
    timer.start();
    const QImage frame = FrameToPaint();
    QPainter painter(this);
    if (!frame.isNull()) {
        painter.drawImage(rect(), frame);
        Measured(MsSince(timer));
        return;
    }
    painter.fillRect(rect(), QColor::fromRgba(viewport_->Color()));
    // Without frames the user is told why, in place of the scene.
    if (const QString error = RenderError(); !error.isEmpty()) {
        painter.setPen(Qt::lightGray);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("3D 表示を描けません。") + QLatin1Char('\n') + error);
    }
}

// Told in place of the scene, the reason it cannot be drawn follows the language.
void SceneView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        update();
}

QImage SceneView::FrameToPaint()
{
    if (renderThread_) {
        FinishedFrame newest = renderThread_->Newest();
        if (!newest.Image.isNull())
            drawnRevision_ = newest.Revision;
        return std::move(newest.Image);
    }
    if (!drawerReady_)
        return {};
    // Drawn here and now, unless the scene is as last drawn (an expose).
    if (!syncedOnce_ || viewport_->Revision() != syncedRevision_ || lastFrame_.size() != size() * devicePixelRatioF())
        DrawHere();
    return lastFrame_;
}

void SceneView::DrawHere()
{
    FrameSnapshot frame = Snapshot();
    lastFrame_ = drawer_->Draw(frame);
    drawnRevision_ = frame.Revision;
}

// Only the frames painted are measured, each copy of the scene once; the
// median is taken here, once per frame, not on every request for one.
void SceneView::Measured(double paintMs)
{
    recentFrameMs_[framesMeasured_++ % recentFrameMs_.size()] = std::exchange(syncMsSincePaint_, 0) + paintMs;
    const std::size_t count = std::min(framesMeasured_, recentFrameMs_.size());
    auto sorted = recentFrameMs_;
    std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(count));
    typicalFrameMs_ = sorted[count / 2];
}

} // namespace tessivar::render
