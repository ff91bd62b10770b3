// Loop acceleration side by side with the line-by-line runner: the same runs,
// in steps per second of effective speed.

#include "CompiledProgram.h"
#include "Machine.h"
#include "StepHistory.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace tessivar {
namespace {

// R(1) := R(1) * R(2) by repeated addition, the classroom version.
const TextLines kClassMultiplication{"J(1,3,12)", "J(2,3,11)", "T(1,3)", "S(5)", "J(2,5,11)", "Z(4)", "S(3)", "S(4)",
                                     "J(1,4,4)",  "J(1,1,7)",  "T(3,1)", "Z(2)", "Z(3)",      "Z(4)", "Z(5)"};

// Its steps for a, b of 1 or more: lines 1 to 3; b - 1 rounds of lines 4 to 6
// and an inner loop of a iterations of lines 7 to 10, the last without line 10;
// lines 4 and 5 once more; lines 11 to 15.
std::int64_t ClassMultiplicationSteps(std::int64_t a, std::int64_t b)
{
    return 3 + (b - 1) * (3 + 4 * a - 1) + 2 + 5;
}

// R(2) := R(1)! (R(1) at least 1) by repeated addition, with a comment in the outer loop.
const TextLines kFactorial{"Z(2)",   "S(2)",      "Z(3)", "S(3)",     "J(3,1,0)", "S(3)",      "/ R(2) := R(2) * R(3)",
                           "T(2,4)", "Z(5)",      "S(5)", "J(5,3,5)", "Z(6)",     "J(6,4,17)", "S(2)",
                           "S(6)",   "J(1,1,13)", "S(5)", "J(1,1,11)"};

// R(3) := R(1) mod R(2): a short inner loop whose leaps save little, left
// through a reset that jumps back to its own first line.
const TextLines kRemainder{"J(4,1,10)", "S(4)", "S(3)", "J(3,2,6)", "J(1,1,1)", "Z(3)", "J(1,1,1)"};

// Swaps R(1) and R(2) R(5) times: a ring of copies, which no summary covers.
const TextLines kSwaps{"T(1,3)", "T(2,1)", "T(3,2)", "S(4)", "J(4,5,0)", "J(1,1,1)"};

// One whole run per iteration; `expectedSteps`, when not 0, is checked. Step
// counts add up past 64 bits, so the rate is kept in floating point.
void BM_Run(benchmark::State& state, const TextLines& program, const TextLines& registers,
            LoopAcceleration acceleration, StepCount expectedSteps)
{
    double steps = 0;
    StepCount stepsPerRun = 0;
    for (auto _ : state) {
        Machine machine;
        TextLines panel = registers;
        machine.Set(panel, program);
        const RunOutcome run = CompiledProgram(machine.Prg, acceleration).Run(machine);
        if (run.stop != RunOutcome::Stop::Ended || (expectedSteps != 0 && machine.Step != expectedSteps)) {
            state.SkipWithError("the run did not end with the expected step count");
            return;
        }
        benchmark::DoNotOptimize(machine.Reg);
        steps += static_cast<double>(machine.Step);
        stepsPerRun = machine.Step;
    }
    state.counters["steps"] = static_cast<double>(stepsPerRun);
    state.counters["steps_per_second"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}

// The same run as the window's run at full speed makes it, every line and
// leap kept in a history for step back. The history lives across runs, as
// in the window, so that its ring is not grown anew each time.
void BM_RunRecorded(benchmark::State& state, const TextLines& program, const TextLines& registers)
{
    StepHistory history;
    double steps = 0;
    for (auto _ : state) {
        Machine machine;
        TextLines panel = registers;
        machine.Set(panel, program);
        history.Clear();
        const RunOutcome run = CompiledProgram(machine.Prg).Run(machine, {.history = &history});
        if (run.stop != RunOutcome::Stop::Ended) {
            state.SkipWithError("the run did not end");
            return;
        }
        benchmark::DoNotOptimize(machine.Reg);
        steps += static_cast<double>(machine.Step);
    }
    state.counters["steps_per_second"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}

constexpr auto On = LoopAcceleration::On;
constexpr auto Off = LoopAcceleration::Off;

BENCHMARK_CAPTURE(BM_Run, multiplication_20000x20000_accelerated, kClassMultiplication, TextLines{"20000", "20000"}, On,
                  ClassMultiplicationSteps(20000, 20000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, multiplication_20000x20000_line_by_line, kClassMultiplication, TextLines{"20000", "20000"},
                  Off, ClassMultiplicationSteps(20000, 20000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, multiplication_1000000x1000000_accelerated, kClassMultiplication,
                  TextLines{"1000000", "1000000"}, On, ClassMultiplicationSteps(1000000, 1000000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, factorial_11_accelerated, kFactorial, TextLines{"11"}, On, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, factorial_11_line_by_line, kFactorial, TextLines{"11"}, Off, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, factorial_18_accelerated, kFactorial, TextLines{"18"}, On, 0)->Unit(benchmark::kMillisecond);
// Leaps of a few passes: acceleration must not cost more than it saves.
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_4_accelerated, kRemainder, TextLines{"100000000", "4"}, On, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_4_line_by_line, kRemainder, TextLines{"100000000", "4"}, Off, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_5_accelerated, kRemainder, TextLines{"100000000", "5"}, On, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_5_line_by_line, kRemainder, TextLines{"100000000", "5"}, Off, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_6_accelerated, kRemainder, TextLines{"100000000", "6"}, On, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_6_line_by_line, kRemainder, TextLines{"100000000", "6"}, Off, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, multiplication_31x100000000_accelerated, kClassMultiplication, TextLines{"31", "100000000"},
                  On, ClassMultiplicationSteps(31, 100000000))
    ->Unit(benchmark::kMillisecond);
// Not summarised: the accelerated runner must keep the line-by-line speed.
BENCHMARK_CAPTURE(BM_Run, swaps_50000000_accelerated, kSwaps, TextLines{"1", "2", "0", "0", "50000000"}, On, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, swaps_50000000_line_by_line, kSwaps, TextLines{"1", "2", "0", "0", "50000000"}, Off, 0)
    ->Unit(benchmark::kMillisecond);
// Kept for step back, a run no summary helps must stay well above half the
// line-by-line speed without a history.
BENCHMARK_CAPTURE(BM_RunRecorded, swaps_50000000_recorded, kSwaps, TextLines{"1", "2", "0", "0", "50000000"})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar
