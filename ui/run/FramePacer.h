#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace tessivar::render {
class SceneView;
}

namespace tessivar::ui {

// The time from the start of one frame to the start of the next that keeps
// frames costing `frameCostMs` within `share` of the thread, and never under
// `floorMs`.
int FrameGapMs(double frameCostMs, double share, int floorMs);

// Asks the 3D view for a frame no more often than the cost of its frames on
// this thread allows. That cost (the copy of the scene and the paint, or the
// whole frame where the view draws on this thread) shares the thread with the
// run tick and the animation clock: a frame after every clock pass would hold
// them back, and a run at the top speed would no longer make a step per tick.
// A request inside the gap is kept and served when the gap is over.
class FramePacer final : public QObject {
public:
    // `share`: the share of the thread's time that frames may take.
    FramePacer(render::SceneView& view, double share, QObject* parent);

    void RequestFrame();
    // A frame already waiting is paced anew: when a run at the top speed
    // ends, its last steps are shown at once.
    void SetDrawingShare(double share);

private:
    void Draw();
    int GapMs() const;

    render::SceneView& view_;
    QTimer deferred_;
    QElapsedTimer sinceLastFrame_;
    double share_;
};

} // namespace tessivar::ui
