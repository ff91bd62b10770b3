#include "CompiledProgram.h"
#include "PeriodicLoops.h"
#include "RunnerComparison.h"
#include "StepHistory.h"
#include "TeachingPrograms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tessivar {
namespace {

using namespace teaching;

// R(3) = R(1) × R(2) by repeated addition: an inner loop the runner
// summarises inside an outer loop.
const TextLines kMultiplication{"J(4,2,9)", "Z(5)", "J(5,1,7)", "S(3)", "S(5)", "J(1,1,3)", "S(4)", "J(1,1,1)"};

// Counts R(256) up to R(1), copying it into R(255) on the way.
const TextLines kTopRegister{"Z(256)", "S(256)", "T(256,255)", "J(256,1,0)", "J(1,1,2)"};

// Loops whose path repeats every R(3) trips, beside rings of seven and of two.
using test::CounterBesideARing;
using test::CounterBesideARingRegisters;
using test::kCounterReset;
using test::LineAfterTheRing;
const TextLines kCounterBesideRingOfSeven = CounterBesideARing(7);
const TextLines kCounterBesideRingOfTwo = CounterBesideARing(2);

Machine SetMachine(TextLines registers, const TextLines& program)
{
    Machine machine;
    EXPECT_FALSE(machine.Set(registers, program).error);
    return machine;
}

struct State {
    RegisterFile registers;
    std::int64_t pc;
    StepCount stepCount;
    friend bool operator==(const State&, const State&) = default;
};

State Take(const Machine& machine)
{
    return {machine.registers, machine.pc, machine.stepCount};
}

bool IsStopLine(const std::vector<std::int64_t>& stopLines, std::int64_t pc)
{
    return std::find(stopLines.begin(), stopLines.end(), pc) != stopLines.end();
}

// Line by line until the end, a failing line, or a line of `stopLines` that
// is not the first.
State SteppedTo(Machine machine, const std::vector<std::int64_t>& stopLines)
{
    for (bool first = true; machine.CanContinue(); first = false) {
        if (!first && IsStopLine(stopLines, machine.pc))
            break;
        if (machine.ExecuteStep().error)
            break;
    }
    return Take(machine);
}

struct StopCase {
    const char* name;
    const TextLines& program;
    TextLines registers;
    std::vector<std::int64_t> stopLines;
    RunOutcome::Stop stop;
};

// The run stops exactly where stepping does, with or without loops applied
// at once; no summary, of a loop or of loops inside it, passes a stop line.
TEST(RunLimitsTest, StopLinesEndTheRunBeforeTheirLine)
{
    constexpr auto kStopLine = RunOutcome::Stop::StopLine;
    const StopCase cases[] = {
        {"reached by a jump, after a summarised inner loop", kMultiplication, {"100000", "3"}, {6}, kStopLine},
        {"inside the loop a summary would take", kMultiplication, {"100000", "3"}, {4}, kStopLine},
        {"on the first line: taken when the outer loop comes back", kMultiplication, {"100000", "3"}, {0}, kStopLine},
        {"the inner loop's jump back, on its second pass", kMultiplication, {"100000", "3"}, {5}, kStopLine},
        {"beyond the program: never reached", kMultiplication, {"100000", "3"}, {8, 100, -1}, RunOutcome::Stop::Ended},
        {"in the innermost of three loops", kFactorial, {"9"}, {13}, kStopLine},
        {"in the middle loop, after the innermost", kFactorial, {"9"}, {16}, kStopLine},
        {"on the outer loop's comment", kFactorial, {"9"}, {6}, kStopLine},
        {"the outer loop's exit test", kFactorial, {"9"}, {4}, kStopLine},
        {"the reset of an inner loop entered at its head", kRemainder, {"100000", "7"}, {5}, kStopLine},
        {"the reset's jump back", kRemainder, {"100000", "7"}, {6}, kStopLine},
        {"in an inner loop whose count grows", kTriangular, {"100000"}, {4}, kStopLine},
        {"late in a sum of a series", kTriangular, {"100000"}, {5}, kStopLine},
        {"on the line of every other pass", kParity, {"100001"}, {3}, kStopLine},
        {"on an inner loop's second way out", kDivision, {"1000003", "7"}, {5}, kStopLine},
        {"after a loop of period 7",
         kCounterBesideRingOfSeven,
         CounterBesideARingRegisters(7, 7, 100000),
         {LineAfterTheRing(7)},
         kStopLine},
        {"on the reset of a loop of period 64",
         kCounterBesideRingOfTwo,
         CounterBesideARingRegisters(2, 64, 100000),
         {kCounterReset},
         kStopLine},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        const State expected = SteppedTo(SetMachine(c.registers, c.program), c.stopLines);
        for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
            Machine machine = SetMachine(c.registers, c.program);
            const RunOutcome run
                = CompiledProgram(machine.program, acceleration).Run(machine, {.stopLines = c.stopLines});
            EXPECT_EQ(run.stop, c.stop);
            EXPECT_EQ(Take(machine), expected);
        }
    }
}

// A run started on a stop line carries it out, and the next run from where a
// stop left the machine goes on to the next stop, as stepping does.
TEST(RunLimitsTest, RunsFromStopToStopAsStepping)
{
    const std::vector<std::int64_t> stopLines{13};
    Machine stepped = SetMachine({"6"}, kFactorial);
    Machine machine = SetMachine({"6"}, kFactorial);
    const CompiledProgram program(machine.program);
    for (int stop = 0; stop < 50; ++stop) {
        SCOPED_TRACE(stop);
        const State expected = SteppedTo(stepped, stopLines);
        const RunOutcome run = program.Run(machine, {.stopLines = stopLines});
        ASSERT_EQ(Take(machine), expected);
        ASSERT_EQ(run.stop, RunOutcome::Stop::StopLine);
        stepped = machine;
    }
}

// A run started on a stop line carries out whatever the line is, a comment
// too, which counts no step.
TEST(RunLimitsTest, ARunCarriesOutTheStopLineItStartsOn)
{
    for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
        Machine machine = SetMachine({}, {"/ first", "S(1)", "/ last"});
        const CompiledProgram program(machine.program, acceleration);
        EXPECT_EQ(program.Run(machine, {.stopLines = {0, 2}}).stop, RunOutcome::Stop::StopLine);
        EXPECT_EQ(Take(machine), (State{.registers = {1}, .pc = 2, .stepCount = 1}));
        EXPECT_EQ(program.Run(machine, {.stopLines = {0, 2}}).stop, RunOutcome::Stop::Ended);
        EXPECT_EQ(Take(machine), (State{.registers = {1}, .pc = 3, .stepCount = 1}));
    }
}

// Cancelled from another thread, a run ends at once in a state that running
// its lines one by one passes through.
TEST(RunLimitsTest, CancelEndsTheRunFromAnotherThread)
{
    const TextLines registers = ThreeRingsRegisters("1000000000000");
    Machine machine = SetMachine(registers, kThreeRings);
    std::atomic<bool> cancel{false};
    std::vector<StepCount> reported;
    const RunProgress progress{.everyLines = 1 << 16, .report = [&](StepCount step) { reported.push_back(step); }};
    RunOutcome run;
    std::thread runner([&] {
        // The budget only bounds a run that fails to stop.
        run = CompiledProgram(machine.program)
                  .Run(machine, {.maxLines = StepCount{1} << 34, .cancel = &cancel, .progress = &progress});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    runner.join();
    EXPECT_EQ(run.stop, RunOutcome::Stop::Cancelled);
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_LE(reported.back(), machine.stepCount);
    Machine expected = SetMachine(registers, kThreeRings);
    CompiledProgram(expected.program, LoopAcceleration::Off).Run(expected, {.maxLines = machine.stepCount});
    EXPECT_EQ(Take(machine), Take(expected));
}

// The states stepping passes through, from Set to where `runs` ends.
std::vector<State> SteppedStates(Machine machine, const std::vector<std::int64_t>& stopLines, int runs)
{
    std::vector<State> states{Take(machine)};
    for (int run = 0; run < runs && machine.CanContinue(); ++run) {
        for (bool first = true; machine.CanContinue() && (first || !IsStopLine(stopLines, machine.pc)); first = false) {
            if (machine.ExecuteStep().error)
                break;
            states.push_back(Take(machine));
        }
    }
    return states;
}

struct HistoryCase {
    const char* name;
    const TextLines& program;
    TextLines registers;
    std::vector<std::int64_t> stopLines;
    int runs; // from stop to stop
};

// Every entry the runs record undoes exactly: a line goes back one state of
// stepping, a summarised loop back to a state stepping passed at its entry,
// and undoing everything leads back to Set.
TEST(RunLimitsTest, TheHistoryUndoesEveryLineAndLoopExactly)
{
    const HistoryCase cases[] = {
        {"multiplication", kMultiplication, {"300", "4"}, {}, 1},
        {"factorial, its comment counted by no step", kFactorial, {"5"}, {}, 1},
        {"remainder", kRemainder, {"3000", "7"}, {}, 1},
        {"factorial, from stop to stop", kFactorial, {"6"}, {7}, 7},
        {"the top register", kTopRegister, {"300"}, {}, 1},
        {"a sum of a series", kTriangular, {"30"}, {}, 1},
        {"alternating passes", kParity, {"300"}, {}, 1},
        {"division, from stop to stop", kDivision, {"5000", "70"}, {7}, 20},
        {"a rotation of five", kRotation, {"1", "2", "3", "4", "5", "0", "0", "5000"}, {}, 1},
        {"a loop of period 7, to a stop after it and on",
         kCounterBesideRingOfSeven,
         CounterBesideARingRegisters(7, 7, 7003),
         {LineAfterTheRing(7)},
         2},
        {"a loop of period 64", kCounterBesideRingOfTwo, CounterBesideARingRegisters(2, 64, 6405), {}, 1},
    };
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<State> stepped = SteppedStates(SetMachine(c.registers, c.program), c.stopLines, c.runs);
        Machine machine = SetMachine(c.registers, c.program);
        StepHistory history;
        const CompiledProgram program(machine.program);
        for (int run = 0; run < c.runs; ++run)
            program.Run(machine, {.stopLines = c.stopLines, .history = &history});
        ASSERT_EQ(Take(machine), stepped.back());

        std::size_t at = stepped.size() - 1;
        std::size_t leaps = 0;
        while (std::optional<HistoryEntry> entry = history.TakeNewest()) {
            Undo(machine, *entry);
            if (std::holds_alternative<UndoRecord>(*entry)) {
                ASSERT_GT(at, 0u);
                --at;
                ASSERT_EQ(Take(machine), stepped[at]) << "a line undone, at step " << DecimalText(machine.stepCount);
                continue;
            }
            ++leaps;
            const State undone = Take(machine);
            const auto entryState = std::find(stepped.rend() - static_cast<std::ptrdiff_t>(at), stepped.rend(), undone);
            ASSERT_NE(entryState, stepped.rend()) << "a loop undone, at step " << DecimalText(machine.stepCount);
            at = static_cast<std::size_t>(stepped.rend() - entryState) - 1;
        }
        EXPECT_EQ(at, 0u);
        EXPECT_GT(leaps, 0u);
    }
}

} // namespace
} // namespace tessivar
