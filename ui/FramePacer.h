#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace tessivar::render {
class SceneView;
}

namespace tessivar::ui {

// Asks the 3D view for a frame at most once per `minimumGapMs`. Drawing
// shares the one thread with the run tick and the animation clock; on a
// software renderer a frame after every clock pass would hold them back, so
// a run at the top speed would no longer make a step per tick. A request
// inside the gap is kept and served when the gap is over.
class FramePacer final : public QObject {
public:
    FramePacer(render::SceneView& view, int minimumGapMs, QObject* parent);

    void RequestFrame();
    void SetMinimumGap(int minimumGapMs) { minimumGapMs_ = minimumGapMs; }

private:
    void Draw();

    render::SceneView& view_;
    QTimer deferred_;
    QElapsedTimer sinceLastFrame_;
    int minimumGapMs_;
};

} // namespace tessivar::ui
