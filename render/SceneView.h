#pragma once

#include "BallDrawing.h"
#include "FrameSnapshot.h"

#include <QElapsedTimer>
#include <QOpenGLWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tessivar::scene {
class TViewport3D;
}

namespace tessivar::render {

class SceneRenderer;

// The 3D view: draws the scene under a TViewport3D through the viewport's
// camera (OpenGL 3.3 core). It draws only when Qt asks it to paint: after
// update() or when it is exposed or resized; it has no timer of its own, so
// that a continuous redraw on a software renderer cannot starve the clocks.
class SceneView : public QOpenGLWidget {
    Q_OBJECT

public:
    // The viewport must outlive the view.
    explicit SceneView(scene::TViewport3D* viewport, QWidget* parent = nullptr);
    ~SceneView() override;

    // Schedules a redraw when the scene changed since the last one drawn.
    void UpdateIfChanged();
    // The scene revision that the last drawn frame showed.
    std::uint64_t DrawnRevision() const { return drawnRevision_; }

    // Impostors unless told otherwise; the mesh serves comparisons.
    void SetBalls(BallDrawing drawing);

    // Why nothing but the background is drawn (no OpenGL 3.3 core, shaders
    // that did not build), or empty.
    QString RenderError() const;
    // How many times a 3D text has been laid out so far.
    std::uint64_t TextMeshBuilds() const;
    // How long a frame holds the thread, from the start of its drawing to the
    // window's swap: the median of the last few, so that a frame that builds
    // text meshes or shaders does not count; 0 before the first.
    double TypicalFrameMs() const { return typicalFrameMs_; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    void ReleaseGl();
    void FrameShown();

    scene::TViewport3D* viewport_;
    SceneSync sync_;
    std::unique_ptr<SceneRenderer> renderer_;
    QString contextError_;
    BallDrawing ballDrawing_ = BallDrawing::Impostors;
    std::uint64_t drawnRevision_ = 0;
    bool drawnOnce_ = false;
    QElapsedTimer sinceFrameStart_;
    std::array<double, 5> recentFrameMs_{};
    std::size_t framesMeasured_ = 0;
    double typicalFrameMs_ = 0;
};

} // namespace tessivar::render
