// Frame time of the scene view at the window's viewport size (736 x 602), on
// whatever OpenGL the display offers (Mesa llvmpipe under Xvfb). Each frame is
// drawn and read back in full (grabFramebuffer), so the time includes the
// renderer's walk over the scene, the draw and the wait for the rasteriser.
#include "DesignScene.h"
#include "SceneView.h"
#include "SceneWalk.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tessivar;

// The view needs a QApplication; one for the whole run, made on first use.
void EnsureApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "bench_render_frames";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
}

class StillClockDriver final : public scene::ClockDriver {
public:
    double Now() override { return 0; }
    void StartTimer(int) override {}
    void StopTimer() override {}
};

// The design after show with `registers` registers of 200 balls each, placed
// as a Set of value 200 places them, spun to assorted angles, and a listing.
class BallScene {
public:
    BallScene(int registers, scene::Vector3 camera, render::BallDrawing drawing)
    {
        design_.BuildRegisterLabels();
        design_.Text3D2->SetWidth(35);
        design_.Plane2->SetWidth(35);
        design_.Text3D2->SetText("S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全");
        design_.Text3D3->SetText("Step:   0");
        design_.Camera1->Position.SetPoint(camera);
        for (int i = 0; i < registers; ++i)
            for (int m = 0; m < 200; ++m)
                AddBall(i, 200, m);
        view_ = std::make_unique<render::SceneView>(design_.Viewport3D1);
        view_->SetBalls(drawing);
        view_->resize(736, 602);
        view_->show();
        (void)QTest::qWaitForWindowExposed(view_.get());
        view_->grabFramebuffer();   // shaders, pictures and text meshes made once
    }

    void DrawFrame() { benchmark::DoNotOptimize(view_->grabFramebuffer()); }

    // What the renderer gathers from the scene for one frame.
    render::SceneFrame Walk() const
    {
        const scene::TCamera& camera = *design_.Camera1;
        return render::WalkScene(*design_.Viewport3D1,
                                 render::Frustum(camera.ViewMatrix() * camera.ProjectionMatrix(736.0F / 602.0F)));
    }

    // How many balls the frame draws (those in view).
    std::size_t BallsInView() const
    {
        const render::SceneFrame frame = Walk();
        std::size_t count = 0;
        for (const render::BallBatch& batch : frame.Balls)
            count += batch.Instances.size();
        return count;
    }

private:
    void AddBall(int registerIndex, long long value, long long position)
    {
        auto* ball = design_.Sphere1->CloneAs<scene::TSphere>(&design_.Form);
        ball->SetParent(design_.Viewport3D1);
        ball->Position.SetPoint({static_cast<float>(registerIndex), -(static_cast<float>(position % 10) + 0.5F) * 0.5F,
                                 static_cast<float>((value - 1) / 10 - position / 10)});
        ball->RotationAngle.SetY(static_cast<float>((position * 37 + registerIndex * 11) % 360));
        ball->SetVisible(true);
    }

    StillClockDriver driver_;
    scene::AnimationClock clock_{driver_};
    scene::DesignScene design_{clock_};
    std::unique_ptr<render::SceneView> view_;
};

void Frames(benchmark::State& state, int registers, scene::Vector3 camera, render::BallDrawing drawing)
{
    EnsureApplication();
    BallScene scene(registers, camera, drawing);
    for (auto _ : state)
        scene.DrawFrame();
    state.counters["balls_in_view"] = static_cast<double>(scene.BallsInView());
}

// The renderer's own share of a frame on the CPU: gathering the scene (world
// matrices, view culling, contacts) for all 51,200 balls in view.
void WalkWholeRuler(benchmark::State& state)
{
    EnsureApplication();
    BallScene scene(256, {127.5F, 0, -260}, render::BallDrawing::Impostors);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.Walk());
    state.counters["balls_in_view"] = static_cast<double>(scene.BallsInView());
}
BENCHMARK(WalkWholeRuler)->Unit(benchmark::kMillisecond);

using render::BallDrawing;

// Wall-clock time per frame; the CPU column is the whole process, the
// software rasteriser's threads included.
#define FRAME_BENCHMARK(name, registers, camera, drawing)                                                    \
    BENCHMARK_CAPTURE(Frames, name, registers, camera, drawing)                                             \
        ->MeasureProcessCPUTime()                                                                          \
        ->UseRealTime()                                                                                    \
        ->Unit(benchmark::kMillisecond)

constexpr scene::Vector3 DefaultCamera{-2, 0, -10};
// The zoom slider at its bottom.
constexpr scene::Vector3 ZoomedOutCamera{-2, 0, -50};
// Far enough back and centred to have every register in view.
constexpr scene::Vector3 WholeRulerCamera{127.5F, 0, -260};

// The design with no balls, for reference.
FRAME_BENCHMARK(NoBalls_DefaultView, 0, DefaultCamera, BallDrawing::Impostors);
FRAME_BENCHMARK(NoBalls_ZoomedOut, 0, ZoomedOutCamera, BallDrawing::Impostors);
// (a) The default view with thirteen registers of 200 balls.
FRAME_BENCHMARK(DefaultView13Registers_Impostors, 13, DefaultCamera, BallDrawing::Impostors);
FRAME_BENCHMARK(DefaultView13Registers_Mesh, 13, DefaultCamera, BallDrawing::Mesh);
// (b) All 256 registers of 200 balls, zoomed out.
FRAME_BENCHMARK(ZoomedOut256Registers_Impostors, 256, ZoomedOutCamera, BallDrawing::Impostors);
FRAME_BENCHMARK(ZoomedOut256Registers_Mesh, 256, ZoomedOutCamera, BallDrawing::Mesh);
// (c) All 51,200 balls in view.
FRAME_BENCHMARK(WholeRuler256Registers_Impostors, 256, WholeRulerCamera, BallDrawing::Impostors);
FRAME_BENCHMARK(WholeRuler256Registers_Mesh, 256, WholeRulerCamera, BallDrawing::Mesh);

} // namespace
