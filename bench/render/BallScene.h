#pragma once

#include "FrameSnapshot.h"
#include "SceneView.h"
#include "SceneWalk.h"
#include "Stage.h"

#include <memory>
#include <vector>

namespace tessivar::render::bench {

class StillClockDriver final : public scene::ClockDriver {
public:
    double Now() override { return 0; }
    void StartTimer(int) override {}
    void StopTimer() override {}
};

// The design after show, shown in a scene view at the window's viewport size
// (736 x 602), with `registers` registers of 200 balls each placed as a Set of
// value 200 places them, spun to assorted angles, and the sample listing.
class BallScene {
public:
    BallScene(int registers, scene::Vector3 camera, BallDrawing drawing);

    // One frame drawn and read back in full, so that the time includes the
    // walk over the scene, the draw and the wait for the rasteriser.
    void DrawFrame();

    // What the renderer gathers from the scene for one frame.
    SceneFrame Walk() const;
    // The copy of the scene that a frame drawn on the render thread is drawn
    // from, taken as the view takes it.
    FrameSnapshot Sync();
    // The next Sync copies every ball, as the first does.
    void ForgetSync() { sync_ = SceneSync(); }
    // Turns every ball by `degrees` about its vertical axis, as its spin does.
    void TurnBalls(float degrees);
    // How many balls a frame draws (those in view).
    std::size_t BallsInView() const;

private:
    void AddBall(int registerIndex, long long value, long long position);

    StillClockDriver driver_;
    scene::AnimationClock clock_{driver_};
    scene::Stage design_{clock_};
    SceneSync sync_;
    std::unique_ptr<SceneView> view_;
    std::vector<scene::Ball*> balls_;
};

} // namespace tessivar::render::bench
