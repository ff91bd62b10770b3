// Frame time of the scene view at the window's viewport size (736 x 602), on
// whatever OpenGL the display offers (Mesa llvmpipe under Xvfb).
#include "BallScene.h"
#include "BenchApplication.h"

#include <benchmark/benchmark.h>

namespace tessivar::render::bench {
namespace {

void Frames(benchmark::State& state, int registers, scene::Vector3 camera, BallDrawing drawing)
{
    EnsureApplication();
    BallScene scene(registers, camera, drawing);
    for (auto _ : state)
        scene.DrawFrame();
    state.counters["balls_in_view"] = static_cast<double>(scene.BallsInView());
}

// Wall-clock time per frame; the CPU column is the whole process, the
// software rasteriser's threads included.
#define FRAME_BENCHMARK(name, registers, camera, drawing)                                                              \
    BENCHMARK_CAPTURE(Frames, name, registers, camera, drawing)                                                        \
        ->MeasureProcessCPUTime()                                                                                      \
        ->UseRealTime()                                                                                                \
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
FRAME_BENCHMARK(ZoomedOut256Registers_PlainMesh, 256, ZoomedOutCamera, BallDrawing::PlainMesh);
// (c) All 51,200 balls in view.
FRAME_BENCHMARK(WholeRuler256Registers_Impostors, 256, WholeRulerCamera, BallDrawing::Impostors);
FRAME_BENCHMARK(WholeRuler256Registers_Mesh, 256, WholeRulerCamera, BallDrawing::Mesh);

// The renderer's own share of a frame on the CPU: gathering the scene (world
// matrices, view culling, contacts) with all 51,200 balls in view.
void WalkWholeRuler(benchmark::State& state)
{
    EnsureApplication();
    BallScene scene(256, WholeRulerCamera, BallDrawing::Impostors);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.Walk());
    state.counters["balls_in_view"] = static_cast<double>(scene.BallsInView());
}
BENCHMARK(WalkWholeRuler)->Unit(benchmark::kMillisecond);

// What happens to the scene between two frames.
enum class Between {
    Nothing,
    // Every ball turns, as they all do while they spin.
    EveryBallTurns,
    // The copy starts over, as for the view's first frame.
    SyncForgotten,
};

// What a frame drawn on the render thread holds the window's thread for: the
// copy of the scene, with 51,200 balls in the default view (most of them
// culled) and all of them in view.
void Sync(benchmark::State& state, scene::Vector3 camera, Between between)
{
    EnsureApplication();
    BallScene scene(256, camera, BallDrawing::Impostors);
    benchmark::DoNotOptimize(scene.Sync());
    for (auto _ : state) {
        state.PauseTiming();
        if (between == Between::EveryBallTurns)
            scene.TurnBalls(1);
        else if (between == Between::SyncForgotten)
            scene.ForgetSync();
        state.ResumeTiming();
        benchmark::DoNotOptimize(scene.Sync());
    }
    state.counters["balls_in_view"] = static_cast<double>(scene.BallsInView());
}
#define SYNC_BENCHMARK(name, camera, between)                                                                          \
    BENCHMARK_CAPTURE(Sync, name, camera, between)->Unit(benchmark::kMillisecond)

SYNC_BENCHMARK(DefaultView256Registers, DefaultCamera, Between::Nothing);
SYNC_BENCHMARK(WholeRuler256Registers, WholeRulerCamera, Between::Nothing);
SYNC_BENCHMARK(DefaultView256Registers_Spinning, DefaultCamera, Between::EveryBallTurns);
SYNC_BENCHMARK(WholeRuler256Registers_Spinning, WholeRulerCamera, Between::EveryBallTurns);
SYNC_BENCHMARK(WholeRuler256Registers_First, WholeRulerCamera, Between::SyncForgotten);

} // namespace
} // namespace tessivar::render::bench
