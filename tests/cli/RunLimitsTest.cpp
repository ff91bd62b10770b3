#include "CompiledProgram.h"
#include "RunnerComparison.h"
#include "StepHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

namespace tessivar {
namespace {

// R(3) = R(1) × R(2) by repeated addition: an inner loop the runner
// summarises inside an outer loop.
const TextLines kMultiplication{"J(4,2,9)", "Z(5)", "J(5,1,7)", "S(3)", "S(5)", "J(1,1,3)", "S(4)", "J(1,1,1)"};

// Swaps R(1) and R(2) R(5) times: a ring of copies that no summary covers.
const TextLines kSwaps{"T(1,3)", "T(2,1)", "T(3,2)", "S(4)", "J(4,5,0)", "J(1,1,1)"};

Machine SetMachine(TextLines registers, const TextLines& program)
{
    Machine machine;
    EXPECT_FALSE(machine.Set(registers, program).error);
    return machine;
}

struct State {
    RegisterFile Reg;
    std::int64_t PC;
    std::int64_t Step;
    friend bool operator==(const State&, const State&) = default;
};

State Take(const Machine& machine)
{
    return {machine.Reg, machine.PC, machine.Step};
}

// Line by line until the end, a failing line, or a line of `stopLines` that
// is not the first.
State SteppedTo(TextLines registers, const TextLines& program, const std::vector<std::int64_t>& stopLines)
{
    Machine machine = SetMachine(std::move(registers), program);
    for (bool first = true; machine.CanContinue(); first = false) {
        if (!first && std::find(stopLines.begin(), stopLines.end(), machine.PC) != stopLines.end())
            break;
        if (machine.ExecuteStep().error)
            break;
    }
    return Take(machine);
}

// The run stops exactly where stepping does, with or without loops applied
// at once; a loop that passes a stop line is never summarised past it.
TEST(RunLimitsTest, StopLinesEndTheRunBeforeTheirLine)
{
    struct Case {
        const char* name;
        TextLines registers;
        std::vector<std::int64_t> stopLines;
        RunOutcome::Stop stop;
    };
    const Case cases[] = {
        {"reached by a jump, after a summarised inner loop", {"100000", "3"}, {6}, RunOutcome::Stop::StopLine},
        {"inside the loop a summary would take", {"100000", "3"}, {4}, RunOutcome::Stop::StopLine},
        {"on the first line: taken when the outer loop comes back", {"100000", "3"}, {0}, RunOutcome::Stop::StopLine},
        {"the inner loop's jump back, on its second pass", {"100000", "3"}, {5}, RunOutcome::Stop::StopLine},
        {"beyond the program: never reached", {"100000", "3"}, {8, 100, -1}, RunOutcome::Stop::Ended},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const State expected = SteppedTo(c.registers, kMultiplication, c.stopLines);
        for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
            Machine machine = SetMachine(c.registers, kMultiplication);
            const RunOutcome run = CompiledProgram(machine.Prg, acceleration)
                                       .Run(machine,
                                            RunLimits{.maxLines = kUnlimitedLines,
                                                      .stopLines = c.stopLines,
                                                      .cancel = nullptr,
                                                      .progress = nullptr,
                                                      .history = nullptr});
            EXPECT_EQ(run.stop, c.stop);
            EXPECT_EQ(Take(machine), expected);
        }
    }
}

// Cancelled from another thread, a run ends at once in a state that running
// its lines one by one passes through.
TEST(RunLimitsTest, CancelEndsTheRunFromAnotherThread)
{
    const TextLines registers{"1", "2", "0", "0", "1000000000000"};
    Machine machine = SetMachine(registers, kSwaps);
    std::atomic<bool> cancel{false};
    std::vector<std::int64_t> reported;
    const RunProgress progress{.everyLines = 1 << 16, .report = [&](std::int64_t step) { reported.push_back(step); }};
    RunOutcome run;
    std::thread runner([&] {
        // The budget only bounds a run that fails to stop.
        run = CompiledProgram(machine.Prg)
                  .Run(machine,
                       RunLimits{.maxLines = std::uint64_t{1} << 34,
                                 .stopLines = {},
                                 .cancel = &cancel,
                                 .progress = &progress,
                                 .history = nullptr});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    runner.join();
    EXPECT_EQ(run.stop, RunOutcome::Stop::Cancelled);
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_LE(reported.back(), machine.Step);
    Machine expected = SetMachine(registers, kSwaps);
    CompiledProgram(expected.Prg, LoopAcceleration::Off).Run(expected, static_cast<std::uint64_t>(machine.Step));
    EXPECT_EQ(Take(machine), Take(expected));
}

// Every entry the run records undoes exactly: after each one the machine is
// in the state stepping had at that step count, and a summarised loop goes
// back to its entry in one go.
TEST(RunLimitsTest, TheHistoryUndoesEveryLineAndLoopExactly)
{
    const TextLines registers{"300", "4"};
    std::map<std::int64_t, State> stepped;
    Machine reference = SetMachine(registers, kMultiplication);
    stepped[0] = Take(reference);
    while (reference.CanContinue()) {
        ASSERT_FALSE(reference.ExecuteStep().error);
        stepped[reference.Step] = Take(reference);
    }

    Machine machine = SetMachine(registers, kMultiplication);
    StepHistory history;
    const RunOutcome run = CompiledProgram(machine.Prg)
                               .Run(machine,
                                    RunLimits{.maxLines = kUnlimitedLines,
                                              .stopLines = {},
                                              .cancel = nullptr,
                                              .progress = nullptr,
                                              .history = &history});
    ASSERT_EQ(run.stop, RunOutcome::Stop::Ended);
    ASSERT_GT(run.summarisedLines, 0u);
    EXPECT_EQ(Take(machine), stepped.rbegin()->second);
    std::size_t leaps = 0;
    while (std::optional<HistoryEntry> entry = history.TakeNewest()) {
        leaps += std::holds_alternative<LeapUndo>(*entry);
        Undo(machine, *entry);
        ASSERT_TRUE(stepped.contains(machine.Step));
        ASSERT_EQ(Take(machine), stepped[machine.Step]) << "at step " << machine.Step;
    }
    EXPECT_EQ(machine.Step, 0);
    EXPECT_GT(leaps, 0u);
}

} // namespace
} // namespace tessivar
