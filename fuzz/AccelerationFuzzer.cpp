// Loop acceleration: a random program with random registers and a random line
// budget ends exactly as it does without acceleration, also when the
// accelerated run goes in pieces with progress reports.

#include "CompiledProgram.h"
#include "FuzzCheck.h"
#include "Machine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace tessivar;
using fuzz::Check;

struct FuzzRun {
    TextLines program;
    TextLines registers;
    std::uint64_t budget = 0;
    std::uint64_t piece = 0; // lines per Run call of the accelerated run
    std::uint64_t reportEvery = 0;
};

// Mostly a few registers, so that loops test and change the same ones.
std::string Register(FuzzedDataProvider& data)
{
    switch (data.ConsumeIntegralInRange(0, 15)) {
    case 0:
        return "256";
    case 1:
        return std::to_string(data.ConsumeIntegralInRange(257, 300));
    default:
        return std::to_string(data.ConsumeIntegralInRange(1, 5));
    }
}

// Backward targets more often than not, so that there are loops, nested or not.
std::string Target(FuzzedDataProvider& data, int index, int lineCount)
{
    switch (data.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return std::to_string(data.ConsumeIntegralInRange(-3, lineCount + 3));
    case 1:
        return "." + std::to_string(data.ConsumeIntegralInRange(-index - 2, lineCount - index + 2));
    default:
        return std::to_string(data.ConsumeIntegralInRange(1, index + 1));
    }
}

std::string Line(FuzzedDataProvider& data, int index, int lineCount)
{
    switch (data.ConsumeIntegralInRange(0, 9)) {
    case 0:
    case 1:
    case 2:
        return "S(" + Register(data) + ")";
    case 3:
        return "Z(" + Register(data) + ")";
    case 4:
        return "T(" + Register(data) + "," + Register(data) + ")";
    case 5:
    case 6:
    case 7:
        return "J(" + Register(data) + "," + Register(data) + "," + Target(data, index, lineCount) + ")";
    case 8:
        return "/ comment";
    default:
        return data.PickValueInArray({"", "S(0)", "J(1,2)", "q(1)"});
    }
}

// Small values, values a long loop reaches, and values near the limits Set takes.
std::string RegisterValue(FuzzedDataProvider& data)
{
    switch (data.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return std::to_string(kLargestSetValue - data.ConsumeIntegralInRange<std::int64_t>(0, 5000));
    case 1:
        return std::to_string(-kLargestSetValue + data.ConsumeIntegralInRange<std::int64_t>(0, 5000));
    case 2:
        return std::to_string(data.ConsumeIntegralInRange<std::int64_t>(-100000, 100000));
    default:
        return std::to_string(data.ConsumeIntegralInRange(-5, 10));
    }
}

FuzzRun MakeRun(FuzzedDataProvider& data)
{
    FuzzRun run;
    run.budget = data.ConsumeBool() ? data.ConsumeIntegralInRange<std::uint64_t>(0, 3000)
                                    : data.ConsumeIntegralInRange<std::uint64_t>(0, 400000);
    // At most a few dozen pieces, so that a run stays quick.
    run.piece = data.ConsumeBool() ? run.budget
                                   : std::max(data.ConsumeIntegralInRange<std::uint64_t>(1, 5000), run.budget / 32);
    run.reportEvery = data.ConsumeIntegralInRange<std::uint64_t>(0, 5000);
    const int registerCount = data.ConsumeIntegralInRange(0, 6);
    for (int index = 0; index < registerCount; ++index) {
        run.registers.push_back(RegisterValue(data));
    }
    const int lineCount = data.ConsumeIntegralInRange(1, 16);
    for (int index = 0; index < lineCount; ++index) {
        run.program.push_back(Line(data, index, lineCount));
    }
    return run;
}

Machine SetMachine(const FuzzRun& run)
{
    Machine machine;
    TextLines panel = run.registers;
    Check(!machine.Set(panel, run.program).error);
    return machine;
}

// The accelerated run in pieces of `run.piece` lines, merged into one outcome.
RunOutcome RunInPieces(const FuzzRun& run, Machine& machine)
{
    const CompiledProgram compiled(machine.Prg, LoopAcceleration::On);
    StepCount lastReported = machine.Step;
    const RunProgress progress{.everyLines = run.reportEvery, .report = [&](StepCount step) {
                                   Check(step >= lastReported);
                                   lastReported = step;
                               }};
    RunOutcome whole;
    for (;;) {
        RunOutcome part = compiled.Run(
            machine,
            {.maxLines = std::min<StepCount>(run.piece, run.budget - whole.executedLines), .progress = &progress});
        whole.stop = part.stop;
        whole.executedLines += part.executedLines;
        whole.error = std::move(part.error);
        for (std::size_t index = 0; index < whole.written.size(); ++index) {
            whole.written[index] = whole.written[index] || part.written[index];
        }
        if (part.stop != RunOutcome::Stop::LineBudget || whole.executedLines == run.budget) {
            Check(lastReported <= machine.Step);
            return whole;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const FuzzRun run = MakeRun(data);

    Machine expectedMachine = SetMachine(run);
    const RunOutcome expected = CompiledProgram(expectedMachine.Prg, LoopAcceleration::Off)
                                    .Run(expectedMachine, RunLimits{.maxLines = run.budget});
    Machine actualMachine = SetMachine(run);
    const RunOutcome actual = RunInPieces(run, actualMachine);

    Check(actual.stop == expected.stop);
    Check(actual.executedLines == expected.executedLines);
    Check(actual.written == expected.written);
    Check(actual.error.has_value() == expected.error.has_value());
    if (expected.error) {
        Check(actual.error->kind == expected.error->kind && actual.error->message == expected.error->message);
    }
    Check(actualMachine.PC == expectedMachine.PC);
    Check(actualMachine.Step == expectedMachine.Step);
    Check(actualMachine.Reg == expectedMachine.Reg);
    return 0;
}
