// Loop acceleration side by side with the line-by-line runner: the same
// programs, in time per run and steps per second of effective speed.

#include "CompiledProgram.h"
#include "Machine.h"
#include "StepHistory.h"
#include "TeachingPrograms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <time.h>

namespace tessivar {
namespace {

using namespace teaching;

constexpr auto On = LoopAcceleration::On;
constexpr auto Off = LoopAcceleration::Off;

Machine SetMachine(const TextLines& program, const TextLines& registers)
{
    Machine machine;
    TextLines panel = registers;
    machine.Set(panel, program);
    return machine;
}

// Whether a run ended with the step count expected (0: any).
bool EndedAsExpected(const RunOutcome& run, const Machine& machine, StepCount expectedSteps)
{
    return run.stop == RunOutcome::Stop::Ended && (expectedSteps == 0 || machine.stepCount == expectedSteps);
}

// One whole run per iteration; `expectedSteps`, when not 0, is checked. Step
// counts add up past 64 bits, so the rate is kept in floating point.
void BM_Run(benchmark::State& state, const TextLines& program, const TextLines& registers,
            LoopAcceleration acceleration, StepCount expectedSteps)
{
    double steps = 0;
    StepCount stepsPerRun = 0;
    for (auto _ : state) {
        Machine machine = SetMachine(program, registers);
        const RunOutcome run = CompiledProgram(machine.program, acceleration).Run(machine);
        if (!EndedAsExpected(run, machine, expectedSteps)) {
            state.SkipWithError("the run did not end with the expected step count");
            return;
        }
        benchmark::DoNotOptimize(machine.registers);
        steps += static_cast<double>(machine.stepCount);
        stepsPerRun = machine.stepCount;
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
        Machine machine = SetMachine(program, registers);
        history.Clear();
        const RunOutcome run = CompiledProgram(machine.program).Run(machine, {.history = &history});
        if (!EndedAsExpected(run, machine, 0)) {
            state.SkipWithError("the run did not end");
            return;
        }
        benchmark::DoNotOptimize(machine.registers);
        steps += static_cast<double>(machine.stepCount);
    }
    state.counters["steps_per_second"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}

double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The processor time of one run, which other programs on the machine do not
// lengthen; -1 when it did not end.
double RunMilliseconds(const TextLines& program, const TextLines& registers, LoopAcceleration acceleration)
{
    Machine machine = SetMachine(program, registers);
    const double start = ThreadMilliseconds();
    const RunOutcome run = CompiledProgram(machine.program, acceleration).Run(machine);
    const double end = ThreadMilliseconds();
    benchmark::DoNotOptimize(machine.registers);
    return run.stop == RunOutcome::Stop::Ended ? end - start : -1;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs with and without acceleration in turns, so that both meet the same
// state of the machine, and compares the medians of their processor times:
// "slowdown" above 1.05 is acceleration more than 5% slower than line by line.
void BM_Alternated(benchmark::State& state, const TextLines& program, const TextLines& registers)
{
    constexpr int kPairs = 7;
    for (auto _ : state) {
        std::vector<double> accelerated;
        std::vector<double> lineByLine;
        for (int pair = 0; pair < kPairs; ++pair) {
            accelerated.push_back(RunMilliseconds(program, registers, On));
            lineByLine.push_back(RunMilliseconds(program, registers, Off));
        }
        if (std::min(*std::min_element(accelerated.begin(), accelerated.end()),
                     *std::min_element(lineByLine.begin(), lineByLine.end()))
            < 0) {
            state.SkipWithError("a run did not end");
            return;
        }
        state.counters["accelerated_ms"] = Median(accelerated);
        state.counters["line_by_line_ms"] = Median(lineByLine);
        state.counters["slowdown"] = Median(accelerated) / Median(lineByLine);
    }
}

// Nested loops, summarised in one go, each with its line-by-line speed on a
// size line by line can run: the large runs would take minutes to hours.
BENCHMARK_CAPTURE(BM_Run, multiplication_1000x100000000_accelerated, kClassMultiplication,
                  TextLines{"1000", "100000000"}, On, ClassMultiplicationSteps(1000, 100000000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, multiplication_1000x100000_line_by_line, kClassMultiplication, TextLines{"1000", "100000"},
                  Off, ClassMultiplicationSteps(1000, 100000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, division_10000000000_by_50_accelerated, kDivision, TextLines{"10000000000", "50"}, On,
                  DivisionSteps(10000000000, 50))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, division_10000000_by_50_line_by_line, kDivision, TextLines{"10000000", "50"}, Off,
                  DivisionSteps(10000000, 50))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_1000000000_mod_7_accelerated, kRemainder, TextLines{"1000000000", "7"}, On,
                  RemainderSteps(1000000000, 7))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, remainder_100000000_mod_7_line_by_line, kRemainder, TextLines{"100000000", "7"}, Off,
                  RemainderSteps(100000000, 7))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, triangular_100000000_accelerated, kTriangular, TextLines{"100000000"}, On,
                  TriangularSteps(100000000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, triangular_20000_line_by_line, kTriangular, TextLines{"20000"}, Off, TriangularSteps(20000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, parity_100000000_accelerated, kParity, TextLines{"100000000"}, On, ParitySteps(100000000))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, parity_100000000_line_by_line, kParity, TextLines{"100000000"}, Off, ParitySteps(100000000))
    ->Unit(benchmark::kMillisecond);

// Step counts past 2^63, exact.
BENCHMARK_CAPTURE(BM_Run, factorial_20_accelerated, kFactorial, TextLines{"20"}, On, FactorialSteps(20))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, factorial_11_line_by_line, kFactorial, TextLines{"11"}, Off, FactorialSteps(11))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, power_2_to_61_accelerated, kPower, TextLines{"61", "2"}, On, PowerSteps(61, 2))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, power_2_to_26_line_by_line, kPower, TextLines{"26", "2"}, Off, PowerSteps(26, 2))
    ->Unit(benchmark::kMillisecond);

// A path that repeats every five trips (a ring of five registers), 10^8 trips.
BENCHMARK_CAPTURE(BM_Run, rotation_100000000_accelerated, kRotation,
                  TextLines{"1", "2", "3", "4", "5", "0", "0", "100000000"}, On, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Run, rotation_100000000_line_by_line, kRotation,
                  TextLines{"1", "2", "3", "4", "5", "0", "0", "100000000"}, Off, 0)
    ->Unit(benchmark::kMillisecond);

// Acceleration must cost nothing where it cannot help, and little where its
// leaps are short: medians of alternated runs. The rings' search walks as
// far as any search does before it gives up.
BENCHMARK_CAPTURE(BM_Alternated, three_rings_10000000, kThreeRings, ThreeRingsRegisters("10000000"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Alternated, rotation_50000000, kRotation, TextLines{"1", "2", "3", "4", "5", "0", "0", "50000000"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Alternated, remainder_100000000_mod_4, kRemainder, TextLines{"100000000", "4"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Kept for step back, a run no summary helps must stay well above half the
// line-by-line speed without a history.
BENCHMARK_CAPTURE(BM_Run, three_rings_10000000_line_by_line, kThreeRings, ThreeRingsRegisters("10000000"), Off, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunRecorded, three_rings_10000000_recorded, kThreeRings, ThreeRingsRegisters("10000000"))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar
