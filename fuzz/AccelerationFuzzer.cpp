// Loop acceleration: a random program with random registers, a random line
// budget and now and then lines to stop before ends exactly as it does
// without acceleration, also when the accelerated run goes in pieces with
// progress reports; and the history it keeps undoes it into states the lines
// run one by one pass through. Programs are random lines, the loop nests of
// teaching programs (nested loops, resets into an inner loop's head,
// alternating paths, sums of series) with their registers mixed up and lines
// slipped in, or loops whose path repeats after many trips.

#include "CompiledProgram.h"
#include "FuzzCheck.h"
#include "Machine.h"
#include "StepHistory.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
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
    std::vector<std::int64_t> stopLines;
    bool recorded = false; // run with a history, then undone
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

// Loop nests of teaching programs, in a small assembly: "S a", "Z a", "T a b",
// "J a b label", "label:", "/" (a comment); a to f stand for registers, "end"
// for the end of the program.
using Shape = std::vector<std::string_view>;

const std::array<Shape, 8> kShapes{
    // Multiplication: an inner loop adding a to c, run b times.
    Shape{"top:", "J e b end", "Z d", "inner:", "J d a next", "S c", "S d", "J f f inner", "next:", "S e", "J f f top"},
    // Remainder: the reset jumps back to the inner loop's own first line.
    Shape{"top:", "J d a end", "S d", "S c", "J c b reset", "J f f top", "reset:", "Z c", "J f f top"},
    // Division: the inner loop has two ways out.
    Shape{"top:", "J d a end", "Z e", "inner:", "S d", "S e", "J e b block", "J d a end", "J f f inner",
          "block:", "S c", "J f f top"},
    // Triangular numbers: the inner count grows by one each pass.
    Shape{"top:", "J c a end", "S c", "Z d", "inner:", "S b", "S d", "J d c top", "J f f inner"},
    // Parity: a flag alternates every other pass.
    Shape{"top:", "J c a end", "S c", "J b e set", "Z b", "J f f top", "set:", "S b", "J f f top"},
    // Factorial: three loops deep, a comment in the outer one.
    Shape{"Z b",   "S b", "Z c",         "S c",     "outer:",      "J c a end",   "S c",    "/",
          "T b d", "Z e", "S e",         "middle:", "J e c outer", "Z f",         "inner:", "J f d next",
          "S b",   "S f", "J a a inner", "next:",   "S e",         "J a a middle"},
    // Powers by repeated multiplication: a middle loop over an inner one, outside not affine.
    Shape{"S c", "top:",       "J d a end",    "S d",   "Z e",        "Z f",         "middle:",
          "Z b", "inner:",     "S e",          "S b",   "J b c done", "J a a inner", "done:",
          "S f", "J f b copy", "J a a middle", "copy:", "T e c",      "J a a top"},
    // Two counters in one pass, one of them restarted by the other.
    Shape{"top:", "J c a end", "S c", "S d", "J d b wrap", "J f f top", "wrap:", "Z d", "S e", "J f f top"},
};

std::string ShapeRegister(char name, const std::array<std::string, 6>& registers)
{
    return registers[static_cast<std::size_t>(name - 'a')];
}

// The shape with its registers named, and now and then an S, Z, T or comment
// slipped in before a line.
TextLines MakeShaped(FuzzedDataProvider& data)
{
    const Shape& shape = kShapes[data.ConsumeIntegralInRange<std::size_t>(0, kShapes.size() - 1)];
    std::array<std::string, 6> registers;
    for (std::string& name : registers) {
        name = std::to_string(data.ConsumeIntegralInRange(1, data.ConsumeBool() ? 6 : 8));
    }
    std::vector<std::string> assembly;
    for (const std::string_view item : shape) {
        if (data.ConsumeIntegralInRange(0, 7) == 0) {
            const char extra = data.PickValueInArray({'S', 'Z', 'T', '/'});
            const std::string a(1, static_cast<char>('a' + data.ConsumeIntegralInRange(0, 5)));
            const std::string b(1, static_cast<char>('a' + data.ConsumeIntegralInRange(0, 5)));
            assembly.push_back(extra == 'T'       ? "T " + a + " " + b
                                   : extra == '/' ? "/"
                                                  : std::string(1, extra) + " " + a);
        }
        assembly.emplace_back(item);
    }
    std::unordered_map<std::string, int> labels;
    int lineCount = 0;
    for (const std::string& item : assembly) {
        if (item.back() == ':') {
            labels[item.substr(0, item.size() - 1)] = lineCount + 1;
        } else {
            ++lineCount;
        }
    }
    labels["end"] = lineCount + 1;
    TextLines program;
    for (const std::string& item : assembly) {
        if (item.back() == ':') {
            continue;
        }
        if (item == "/") {
            program.push_back("/ note");
            continue;
        }
        const std::string first = ShapeRegister(item[2], registers);
        switch (item[0]) {
        case 'S':
        case 'Z':
            program.push_back(std::string(1, item[0]) + "(" + first + ")");
            break;
        case 'T':
            program.push_back("T(" + first + "," + ShapeRegister(item[4], registers) + ")");
            break;
        default:
            program.push_back("J(" + first + "," + ShapeRegister(item[4], registers) + ","
                              + std::to_string(labels.at(item.substr(6))) + ")");
            break;
        }
    }
    return program;
}

// A loop whose path or registers repeat only after several trips, up to
// past the longest period a summary follows: R(1) counts the trips up to
// R(2); R(3) counts up to R(4) and restarts; a ring of copies from R(first)
// turns once a trip, through R(first - 1); and now and then a jump on the
// ring's first register, or an S, Z or T slipped in, changes the path as the
// ring turns.
TextLines MakePeriodic(FuzzedDataProvider& data)
{
    const int ring = data.ConsumeIntegralInRange(1, 13);
    const int first = data.ConsumeIntegralInRange(7, 9);
    const auto r = [](int number) { return std::to_string(number); };
    TextLines body{"S(3)", "J(3,4,RESET)", "J(5,5,RING)", "Z(3)"};
    body.push_back("T(" + r(first) + "," + r(first - 1) + ")");
    for (int index = first + 1; index < first + ring; ++index) {
        body.push_back("T(" + r(index) + "," + r(index - 1) + ")");
    }
    body.push_back("T(" + r(first - 1) + "," + r(first + ring - 1) + ")");
    if (data.ConsumeBool()) {
        body.push_back("J(" + r(first) + "," + r(data.ConsumeIntegralInRange(3, 4)) + ",.2)");
        body.push_back("S(" + r(data.ConsumeIntegralInRange(1, 5)) + ")");
    }
    if (data.ConsumeIntegralInRange(0, 3) == 0) {
        const std::string a = r(data.ConsumeIntegralInRange(1, first + ring));
        const std::string b = r(data.ConsumeIntegralInRange(1, first + ring));
        body.insert(body.begin()
                        + data.ConsumeIntegralInRange<std::ptrdiff_t>(4, static_cast<std::ptrdiff_t>(body.size())),
                    data.PickValueInArray({"S(" + a + ")", "Z(" + a + ")", "T(" + a + "," + b + ")"}));
    }
    const int lineCount = static_cast<int>(body.size()) + 3;
    TextLines program{"S(1)", "J(1,2," + r(lineCount + 1) + ")"};
    for (std::string& line : body) {
        if (line == "J(3,4,RESET)") {
            line = "J(3,4,6)";
        } else if (line == "J(5,5,RING)") {
            line = "J(5,5,7)";
        }
        program.push_back(std::move(line));
    }
    program.push_back("J(5,5,1)");
    return program;
}

// Small values, values a long loop reaches, and values near the limits Set takes.
std::string RegisterValue(FuzzedDataProvider& data)
{
    switch (data.ConsumeIntegralInRange(0, 7)) {
    case 0:
        return std::to_string(kLargestSetValue - data.ConsumeIntegralInRange<std::int64_t>(0, 5000));
    case 1:
        return std::to_string(-kLargestSetValue + data.ConsumeIntegralInRange<std::int64_t>(0, 5000));
    case 2:
        return std::to_string(data.ConsumeIntegralInRange<std::int64_t>(-100000, 100000));
    case 3:
        return std::to_string(data.ConsumeIntegralInRange(0, 700));
    default:
        return std::to_string(data.ConsumeIntegralInRange(-5, 12));
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
    const int registerCount = data.ConsumeIntegralInRange(0, 8);
    for (int index = 0; index < registerCount; ++index) {
        run.registers.push_back(RegisterValue(data));
    }
    const int kind = data.ConsumeIntegralInRange(0, 2);
    if (kind == 0) {
        run.program = MakeShaped(data);
    } else if (kind == 1) {
        run.program = MakePeriodic(data);
        for (int index = registerCount; index < 22; ++index) {
            run.registers.push_back(std::to_string(data.ConsumeIntegralInRange(0, 3)));
        }
    } else {
        const int lineCount = data.ConsumeIntegralInRange(1, 16);
        for (int index = 0; index < lineCount; ++index) {
            run.program.push_back(Line(data, index, lineCount));
        }
    }
    const auto lineCount = static_cast<std::int64_t>(run.program.size());
    for (int stop = data.ConsumeIntegralInRange(-4, 2); stop > 0; --stop) {
        run.stopLines.push_back(data.ConsumeIntegralInRange<std::int64_t>(0, lineCount - 1));
    }
    run.recorded = run.budget <= 3000 && data.ConsumeIntegralInRange(0, 3) == 0;
    return run;
}

Machine SetMachine(const FuzzRun& run)
{
    Machine machine;
    TextLines panel = run.registers;
    Check(!machine.Set(panel, run.program).error);
    return machine;
}

// The accelerated run in pieces of `run.piece` lines, merged into one outcome;
// a stop line ends it.
RunOutcome RunInPieces(const FuzzRun& run, Machine& machine)
{
    const CompiledProgram compiled(machine.program, LoopAcceleration::On);
    StepCount lastReported = machine.stepCount;
    const RunProgress progress{.everyLines = run.reportEvery, .report = [&](StepCount step) {
                                   Check(step >= lastReported);
                                   lastReported = step;
                               }};
    RunOutcome whole;
    for (bool first = true;; first = false) {
        // A piece that starts on a stop line carries it out: only the first may.
        const bool onStopLine = std::count(run.stopLines.begin(), run.stopLines.end(), machine.pc) > 0;
        if (!first && onStopLine) {
            whole.stop = RunOutcome::Stop::StopLine;
            return whole;
        }
        RunOutcome part = compiled.Run(machine,
                                       {.maxLines = std::min<StepCount>(run.piece, run.budget - whole.executedLines),
                                        .stopLines = run.stopLines,
                                        .progress = &progress});
        whole.stop = part.stop;
        whole.executedLines += part.executedLines;
        whole.error = std::move(part.error);
        for (std::size_t index = 0; index < whole.written.size(); ++index) {
            whole.written[index] = whole.written[index] || part.written[index];
        }
        if (part.stop != RunOutcome::Stop::LineBudget || whole.executedLines == run.budget) {
            Check(lastReported <= machine.stepCount);
            return whole;
        }
    }
}

std::uint64_t StateHash(const Machine& machine)
{
    std::uint64_t hash = 1469598103934665603u;
    const auto mix = [&](std::uint64_t word) { hash = (hash ^ word) * 1099511628211u; };
    for (const std::int64_t value : machine.registers) {
        mix(static_cast<std::uint64_t>(value));
    }
    mix(static_cast<std::uint64_t>(machine.pc));
    mix(static_cast<std::uint64_t>(machine.stepCount));
    return hash;
}

// Runs accelerated with a history, then undoes it entry by entry: a line goes
// back one state of the lines run one by one, iterations applied at once to
// an earlier one, and all of it back to Set.
void CheckHistory(const FuzzRun& run)
{
    Machine machine = SetMachine(run);
    StepHistory history(4096); // more than the lines of any recorded run
    const RunOutcome accelerated
        = CompiledProgram(machine.program, LoopAcceleration::On)
              .Run(machine, {.maxLines = run.budget, .stopLines = run.stopLines, .history = &history});
    Machine stepped = SetMachine(run);
    std::vector<std::uint64_t> states{StateHash(stepped)};
    for (StepCount line = 0; line < accelerated.executedLines; ++line) {
        Check(!stepped.ExecuteStep().error);
        states.push_back(StateHash(stepped));
    }
    Check(states.back() == StateHash(machine));
    std::size_t at = states.size() - 1;
    while (std::optional<HistoryEntry> entry = history.TakeNewest()) {
        Undo(machine, *entry);
        const std::uint64_t undone = StateHash(machine);
        Check(at > 0);
        if (std::holds_alternative<UndoRecord>(*entry)) {
            Check(states[--at] == undone);
            continue;
        }
        do {
            Check(at > 0);
        } while (states[--at] != undone);
    }
    Check(at == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const FuzzRun run = MakeRun(data);

    Machine expectedMachine = SetMachine(run);
    const RunOutcome expected = CompiledProgram(expectedMachine.program, LoopAcceleration::Off)
                                    .Run(expectedMachine, {.maxLines = run.budget, .stopLines = run.stopLines});
    Machine actualMachine = SetMachine(run);
    const RunOutcome actual = RunInPieces(run, actualMachine);

    Check(actual.stop == expected.stop);
    Check(actual.executedLines == expected.executedLines);
    Check(actual.written == expected.written);
    Check(actual.error.has_value() == expected.error.has_value());
    if (expected.error) {
        Check(actual.error->kind == expected.error->kind && actual.error->message == expected.error->message);
    }
    Check(actualMachine.pc == expectedMachine.pc);
    Check(actualMachine.stepCount == expectedMachine.stepCount);
    Check(actualMachine.registers == expectedMachine.registers);
    if (run.recorded) {
        CheckHistory(run);
    }
    return 0;
}
