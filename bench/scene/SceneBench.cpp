#include "SetWorkload.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace tessivar::scene::bench {
namespace {

// Set on a full machine: 51,200 balls cloned with their three template
// animations, placed, shown, and given a spin and a drop.
void BM_SetWorkload(benchmark::State& state)
{
    ShownScene shown;
    for (auto _ : state) {
        std::vector<TSphere*> balls = BuildAllStacks(shown.scene);
        benchmark::DoNotOptimize(balls.data());
        state.PauseTiming();
        FreeBalls(balls);
        state.ResumeTiming();
    }
    state.counters["balls"] = Balls;
}
BENCHMARK(BM_SetWorkload)->Unit(benchmark::kMillisecond);

// The first Set of a window: the same on a fresh clock, whose list of running
// animations grows from nothing.
void BM_FirstSetWorkload(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownScene>();
        state.ResumeTiming();
        std::vector<TSphere*> balls = BuildAllStacks(shown->scene);
        benchmark::DoNotOptimize(balls.data());
        state.PauseTiming();
        FreeBalls(balls);
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["balls"] = Balls;
}
BENCHMARK(BM_FirstSetWorkload)->Unit(benchmark::kMillisecond);

// Set's first act on a full machine: every ball freed with its animations.
void BM_FreeAllBalls(benchmark::State& state)
{
    ShownScene shown;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<TSphere*> balls = BuildAllStacks(shown.scene);
        state.ResumeTiming();
        FreeBalls(balls);
    }
}
BENCHMARK(BM_FreeAllBalls)->Unit(benchmark::kMillisecond);

// One clock pass over the running animations of `registers` full registers
// (256: 102,400 animations, every spin past its delay, every drop still
// falling; 4: a set small enough to stay in the cache, for comparison).
void BM_ClockPass(benchmark::State& state)
{
    ShownScene shown;
    std::vector<TSphere*> balls = BuildAllStacks(shown.scene, static_cast<int>(state.range(0)));
    shown.Advance(0.9); // delays over, drops not yet landed
    const double tick = 1e-6; // small steps keep every animation running
    for (auto _ : state)
        shown.Advance(tick);
    state.counters["running"] = static_cast<double>(shown.clock.Count());
    FreeBalls(balls);
}
BENCHMARK(BM_ClockPass)->Unit(benchmark::kMicrosecond)->ArgName("registers")->Arg(Registers)->Arg(4);

// Heap held by 51,200 balls with their animations (malloc's own count),
// the clock's list of their running animations included: each iteration is
// a first Set on a fresh clock.
void BM_BallMemory(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownScene>();
        state.ResumeTiming();
        const std::size_t before = mallinfo2().uordblks;
        std::vector<TSphere*> balls = BuildAllStacks(shown->scene);
        bytes = mallinfo2().uordblks - before - balls.capacity() * sizeof(TSphere*);
        state.PauseTiming();
        FreeBalls(balls);
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_total"] = static_cast<double>(bytes);
    state.counters["bytes_per_ball"] = static_cast<double>(bytes) / Balls;
}
BENCHMARK(BM_BallMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace tessivar::scene::bench
