// Steps per second of a long run: the compiled runner against the machine's own
// step-by-step loop, on programs that multiply and raise to a power by repeated addition.

#include "CompiledProgram.h"
#include "Machine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tessivar {
namespace {

// R(3) := R(1) * R(2).
const TextLines kMultiplication{"Z(3)", "Z(4)", "J(4,2,0)", "Z(5)", "J(5,1,9)",
                                "S(3)", "S(5)", "J(1,1,5)", "S(4)", "J(1,1,3)"};

// R(2) := R(1)! (R(1) at least 1) by repeated addition, with a comment in the outer loop.
const TextLines kFactorial{"Z(2)",   "S(2)",      "Z(3)", "S(3)",     "J(3,1,0)", "S(3)",      "/ R(2) := R(2) * R(3)",
                           "T(2,4)", "Z(5)",      "S(5)", "J(5,3,5)", "Z(6)",     "J(6,4,17)", "S(2)",
                           "S(6)",   "J(1,1,13)", "S(5)", "J(1,1,11)"};

// Sets the machine and returns it ready to run from line 1.
Machine SetMachine(const TextLines& program, const TextLines& registers)
{
    Machine machine;
    TextLines panel = registers;
    machine.Set(panel, program);
    return machine;
}

void BM_CompiledRun(benchmark::State& state, const TextLines& program, const TextLines& registers)
{
    std::int64_t steps = 0;
    for (auto _ : state) {
        Machine machine = SetMachine(program, registers);
        const RunOutcome run = CompiledProgram(machine.program, LoopAcceleration::Off).Run(machine);
        if (run.stop != RunOutcome::Stop::Ended) {
            state.SkipWithError("the program did not end");
            return;
        }
        benchmark::DoNotOptimize(machine.registers);
        steps += machine.stepCount;
    }
    state.SetItemsProcessed(steps);
}

// The same run as the window's step loop would make it, one ExecuteStep at a time.
void BM_StepByStepRun(benchmark::State& state, const TextLines& program, const TextLines& registers)
{
    std::int64_t steps = 0;
    for (auto _ : state) {
        Machine machine = SetMachine(program, registers);
        TextLines panel = registers;
        while (machine.CanContinue()) {
            const StepOutcome step = machine.ExecuteStep();
            UpdateRegisterPanel(panel, step.effect);
        }
        benchmark::DoNotOptimize(panel);
        steps += machine.stepCount;
    }
    state.SetItemsProcessed(steps);
}

// About 400 million steps.
BENCHMARK_CAPTURE(BM_CompiledRun, multiplication_20000x5000, kMultiplication, TextLines{"20000", "5000"})
    ->Unit(benchmark::kMillisecond);
// About 150 million steps.
BENCHMARK_CAPTURE(BM_CompiledRun, factorial_11, kFactorial, TextLines{"11"})->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_StepByStepRun, multiplication_200x50, kMultiplication, TextLines{"200", "50"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CompiledRun, multiplication_200x50, kMultiplication, TextLines{"200", "50"})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar
