#include "FramePacer.h"

#include "SceneView.h"

namespace tessivar::ui {

FramePacer::FramePacer(render::SceneView& view, int minimumGapMs, QObject* parent)
    : QObject(parent), view_(view), minimumGapMs_(minimumGapMs)
{
    deferred_.setSingleShot(true);
    deferred_.setTimerType(Qt::PreciseTimer);
    connect(&deferred_, &QTimer::timeout, this, &FramePacer::Draw);
}

void FramePacer::RequestFrame()
{
    if (deferred_.isActive())
        return;
    const qint64 since = sinceLastFrame_.isValid() ? sinceLastFrame_.elapsed() : minimumGapMs_;
    if (since >= minimumGapMs_)
        Draw();
    else
        deferred_.start(static_cast<int>(minimumGapMs_ - since));
}

void FramePacer::Draw()
{
    sinceLastFrame_.start();
    view_.UpdateIfChanged();
}

} // namespace tessivar::ui
