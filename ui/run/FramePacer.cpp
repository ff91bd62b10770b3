#include "FramePacer.h"

#include "SceneView.h"

#include <algorithm>
#include <cmath>

namespace tessivar::ui {

namespace {

// No more than 25 frames a second, however cheap they are.
constexpr int kFloorGapMs = 40;
// However dear frames are, the view follows at two frames a second.
constexpr int kCeilingGapMs = 500;

} // namespace

int FrameGapMs(double frameCostMs, double share, int floorMs)
{
    if (!(frameCostMs > 0) || !(share > 0))
        return floorMs;
    const double gap = std::ceil(frameCostMs / share);
    return static_cast<int>(std::clamp(gap, static_cast<double>(floorMs), static_cast<double>(kCeilingGapMs)));
}

FramePacer::FramePacer(render::SceneView& view, double share, QObject* parent)
    : QObject(parent), view_(view), share_(share)
{
    deferred_.setSingleShot(true);
    deferred_.setTimerType(Qt::PreciseTimer);
    connect(&deferred_, &QTimer::timeout, this, &FramePacer::Draw);
}

void FramePacer::RequestFrame()
{
    if (deferred_.isActive())
        return;
    const int gap = GapMs();
    const qint64 since = sinceLastFrame_.isValid() ? sinceLastFrame_.elapsed() : gap;
    if (since >= gap)
        Draw();
    else
        deferred_.start(static_cast<int>(gap - since));
}

void FramePacer::SetDrawingShare(double share)
{
    // Called at the end of every step; only a change re-paces.
    if (share == share_)
        return;
    share_ = share;
    if (!deferred_.isActive())
        return;
    deferred_.stop();
    RequestFrame();
}

void FramePacer::Draw()
{
    sinceLastFrame_.start();
    view_.UpdateIfChanged();
}

int FramePacer::GapMs() const
{
    return FrameGapMs(view_.TypicalFrameMs(), share_, kFloorGapMs);
}

} // namespace tessivar::ui
