#pragma once

#include "BallDrawing.h"
#include "FrameSnapshot.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace tessivar::scene {
class SceneRoot;
}

namespace tessivar::render {

class FrameDrawer;
class RenderThread;

// Where the frames of a view are drawn.
enum class FrameThreading {
    // A thread of the view's own draws them; the view's thread only copies
    // what a frame needs and paints finished frames.
    RenderThread,
    // The view's thread draws them inside its paint, held meanwhile.
    ViewThread,
};

// The 3D view: draws the scene under a SceneRoot through the viewport's
// camera (OpenGL 3.3 core, offscreen) and paints the frames as images. It
// draws only when asked to (UpdateIfChanged) or when it is first shown or
// resized; it has no timer of its own, so that a continuous redraw on a
// software renderer cannot starve the clocks.
class SceneView : public QWidget {
    Q_OBJECT

public:
    // The viewport must outlive the view.
    explicit SceneView(scene::SceneRoot* viewport, QWidget* parent = nullptr);
    ~SceneView() override;

    // Before the view is first shown; a render thread unless told otherwise.
    void SetThreading(FrameThreading threading) { threading_ = threading; }

    // Asks for a frame when the scene changed since the last one asked for.
    // With a render thread, the scene is copied now when the thread is free,
    // or as soon as it has finished its frame.
    void UpdateIfChanged();
    // The scene revision that the last frame painted showed.
    std::uint64_t DrawnRevision() const { return drawnRevision_; }
    // Draws a frame of the scene as it is, and waits until it is finished:
    // the next paint or grab shows it. False when the render thread did not
    // finish it `within`.
    bool DrawNow(std::chrono::milliseconds within);

    // Impostors unless told otherwise; the mesh serves comparisons.
    void SetBalls(BallDrawing drawing);

    // Why nothing but the background is drawn (no OpenGL 3.3 core, shaders
    // that did not build), or empty.
    QString RenderError() const;
    // How many times a 3D text has been laid out so far.
    std::uint64_t TextMeshBuilds() const;
    // How long a frame holds the view's thread: the copy of the scene and the
    // paint. The median of the last few, so that a frame that builds text
    // meshes or shaders does not count; 0 before the first.
    double TypicalFrameMs() const { return typicalFrameMs_; }
    // The longest copy of the scene for a frame since the last call.
    double TakeLongestSyncMs() { return std::exchange(longestSyncMs_, 0); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void StartDrawing();
    FrameSnapshot Snapshot();
    void Sync();
    void RenderedFrameFinished();
    QImage FrameToPaint();
    void DrawHere();
    void Measured(double paintMs);

    scene::SceneRoot* viewport_;
    FrameThreading threading_ = FrameThreading::RenderThread;
    SceneSync sync_;
    std::unique_ptr<FrameDrawer> drawer_;
    bool drawerReady_ = false; // on the view's thread
    std::unique_ptr<RenderThread> renderThread_;
    BallDrawing ballDrawing_ = BallDrawing::Impostors;
    std::uint64_t syncedRevision_ = 0;
    bool syncedOnce_ = false;
    bool syncWanted_ = false;
    std::uint64_t drawnRevision_ = 0;
    QImage lastFrame_; // on the view's thread
    double syncMsSincePaint_ = 0;
    double longestSyncMs_ = 0;
    std::array<double, 5> recentFrameMs_{};
    std::size_t framesMeasured_ = 0;
    double typicalFrameMs_ = 0;
};

} // namespace tessivar::render
