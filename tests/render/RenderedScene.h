#pragma once

#include "SceneView.h"
#include "Stage.h"
#include "StillClockDriver.h"

#include <QImage>
#include <QPoint>

#include <memory>

namespace tessivar::render::testing {

// The window's design scene after show (labels built, templates hidden),
// drawn by a SceneView at the window's viewport size.
class RenderedScene {
public:
    static constexpr int Width = 736;
    static constexpr int Height = 602;

    explicit RenderedScene(FrameThreading threading = FrameThreading::RenderThread);
    ~RenderedScene();
    RenderedScene(const RenderedScene&) = delete;
    RenderedScene& operator=(const RenderedScene&) = delete;

    scene::Stage& Design() { return design_; }
    SceneView& View() { return *view_; }

    // A ball copied from the template as the ball layout places the ball at
    // stack position `position` of register index `registerIndex` holding `value`.
    scene::Ball* AddBall(int registerIndex, long long value, long long position);

    // Draws the scene now and returns the frame; fails the test when the
    // render thread does not finish it in time.
    QImage Frame();

    // Where a scene point lands in the frame, through the scene's camera.
    QPointF Project(const scene::Vector3& point) const;
    // The projected radius, in pixels, of a sphere around a scene point.
    double ProjectedRadius(const scene::Vector3& centre, float radius) const;

private:
    StillClockDriver driver_;
    scene::AnimationClock clock_{driver_};
    scene::Stage design_{clock_};
    std::unique_ptr<SceneView> view_;
};

// Colour distance, the largest difference of the three channels.
int ChannelDistance(QRgb a, QRgb b);

} // namespace tessivar::render::testing
