#include "SetWorkload.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace tessivar::scene::bench {
namespace {

// Set on a full machine: 256 register lines of 200, so 51,200 balls cloned
// with their three template animations, placed, shown, and given a spin and
// a drop, after the previous Set's balls have been freed.
void BM_Set(benchmark::State& state)
{
    ShownScene shown;
    shown.Set();
    for (auto _ : state)
        shown.Set();
    state.counters["balls"] = Balls;
}
BENCHMARK(BM_Set)->Unit(benchmark::kMillisecond);

// The first Set of a window: the same on a fresh clock, whose list of running
// animations grows from nothing.
void BM_FirstSet(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownScene>();
        state.ResumeTiming();
        shown->Set();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["balls"] = Balls;
}
BENCHMARK(BM_FirstSet)->Unit(benchmark::kMillisecond);

// Set's first act on a full machine: every ball freed with its animations.
void BM_FreeAllBalls(benchmark::State& state)
{
    ShownScene shown;
    for (auto _ : state) {
        state.PauseTiming();
        shown.Set();
        state.ResumeTiming();
        shown.shown.FreeAllBalls();
    }
}
BENCHMARK(BM_FreeAllBalls)->Unit(benchmark::kMillisecond);

// The clock over the first 10 s after a full Set, in the window's 10 ms
// passes: the drops land, and every 2 s a seventh of the spins restart in
// the same pass. Reports the mean and the longest pass.
void BM_ClockAfterSet(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    double longest = 0, total = 0;
    int passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ShownScene shown;
        shown.Set();
        state.ResumeTiming();
        for (int pass = 0; pass < 1000; ++pass) {
            const auto start = Clock::now();
            shown.Advance(0.01);
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            longest = std::max(longest, ms);
            total += ms;
            ++passes;
        }
        state.PauseTiming();
        shown.shown.FreeAllBalls();
        state.ResumeTiming();
    }
    state.counters["mean_pass_ms"] = total / passes;
    state.counters["longest_pass_ms"] = longest;
}
BENCHMARK(BM_ClockAfterSet)->Unit(benchmark::kMillisecond)->Iterations(3);

// One clock pass over the running animations of `registers` full registers
// (256: 102,400 animations, every spin past its delay, every drop still
// falling; 4: a set small enough to stay in the cache, for comparison).
void BM_ClockPass(benchmark::State& state)
{
    ShownScene shown;
    shown.Set(static_cast<int>(state.range(0)));
    shown.Advance(0.9); // delays over, drops not yet landed
    const double tick = 1e-6; // small steps keep every animation running
    for (auto _ : state)
        shown.Advance(tick);
    state.counters["running"] = static_cast<double>(shown.clock.Count());
}
BENCHMARK(BM_ClockPass)->Unit(benchmark::kMicrosecond)->ArgName("registers")->Arg(Registers)->Arg(4);

// Heap held by 51,200 balls with their animations (malloc's own count), the
// clock's list of their running animations included, and what 100 Sets in a
// row leave beyond the first.
void BM_BallMemory(benchmark::State& state)
{
    std::size_t bytes = 0, growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownScene>();
        state.ResumeTiming();
        const std::size_t before = mallinfo2().uordblks;
        shown->Set();
        const std::size_t afterFirst = mallinfo2().uordblks;
        bytes = afterFirst - before;
        for (int i = 0; i < 99; ++i)
            shown->Set();
        growth = mallinfo2().uordblks - afterFirst;
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_total"] = static_cast<double>(bytes);
    state.counters["bytes_per_ball"] = static_cast<double>(bytes) / Balls;
    state.counters["growth_after_100_sets"] = static_cast<double>(growth);
}
BENCHMARK(BM_BallMemory)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace tessivar::scene::bench
