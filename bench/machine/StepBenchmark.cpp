// The machine's share of one step as the window takes it (decode the line at
// PC, apply it, rewrite the register line), and of Set with a full register editor.

#include "Machine.h"
#include "RegisterText.h"
#include "StepHistory.h"

#include <benchmark/benchmark.h>

#include <string>

namespace tessivar {
namespace {

// With R(1) = 0 this loop never ends: lines 2 to 5 repeat for ever.
const TextLines kLoopProgram{"S(3)", "J(1,3,6)", "S(2)", "S(3)", "J(1,1,2)", "T(2,1)", "/ R(1):=R(1)-1", "/ 不完全"};

void BM_WindowStep(benchmark::State& state)
{
    Machine machine;
    TextLines panel{"0"};
    machine.Set(panel, kLoopProgram);
    for (auto _ : state) {
        const DecodedInstruction decoded = machine.DecodeCurrent();
        const StepOutcome outcome = machine.Apply(decoded);
        UpdateRegisterPanel(panel, outcome.effect);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WindowStep);

// The same step remembered for step back, in a history already full, so each
// record also drops the oldest.
void BM_WindowStepWithHistory(benchmark::State& state)
{
    Machine machine;
    TextLines panel{"0"};
    machine.Set(panel, kLoopProgram);
    StepHistory history;
    for (std::size_t i = 0; i < StepHistory::kDefaultCapacity; ++i)
        history.Record({});
    for (auto _ : state) {
        const DecodedInstruction decoded = machine.DecodeCurrent();
        const StepOutcome outcome = machine.Apply(decoded);
        history.Record(UndoRecord::Of(outcome.effect));
        UpdateRegisterPanel(panel, outcome.effect);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["history"] = static_cast<double>(history.Size());
}
BENCHMARK(BM_WindowStepWithHistory);

void BM_DecodeInstruction(benchmark::State& state, std::string line)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeInstruction(line, 4, 8));
    }
}
BENCHMARK_CAPTURE(BM_DecodeInstruction, jump, std::string("J 1,3,6 "));
BENCHMARK_CAPTURE(BM_DecodeInstruction, relative_hex_jump, std::string("J 1 , 2 , .$10 "));
BENCHMARK_CAPTURE(BM_DecodeInstruction, comment, std::string("/ R(1):=R(1)-1"));

TextLines RegisterLines(bool canonical)
{
    TextLines lines;
    for (int i = 0; i < kRegisterCount; ++i) {
        const std::int64_t value = std::int64_t{i} * 1000003;
        lines.push_back(canonical ? CanonicalRegisterText(value) : "  +000" + CanonicalRegisterText(value));
    }
    return lines;
}

// Lines already canonical: Set reads them and rewrites none.
void BM_SetCanonicalRegisters(benchmark::State& state)
{
    TextLines registers = RegisterLines(true);
    Machine machine;
    for (auto _ : state) {
        benchmark::DoNotOptimize(machine.Set(registers, kLoopProgram));
    }
}
BENCHMARK(BM_SetCanonicalRegisters);

// Every line rewritten; the copy of the 256 typed lines is part of the figure.
void BM_SetRewrittenRegisters(benchmark::State& state)
{
    const TextLines typed = RegisterLines(false);
    Machine machine;
    for (auto _ : state) {
        TextLines registers = typed;
        benchmark::DoNotOptimize(machine.Set(registers, kLoopProgram));
    }
}
BENCHMARK(BM_SetRewrittenRegisters);

} // namespace
} // namespace tessivar
