#include "RunnerComparison.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace tessivar::test {
namespace {

constexpr StepCount kTwoTo63 = StepCount{1} << 63;
constexpr StepCount kTwoTo64 = StepCount{1} << 64;

// Counts R(2) up to R(1), three steps a pass and the last test: 3·R(1) + 1 steps.
const TextLines kCountUp{"J(2,1,4)", "S(2)", "J(3,3,1)"};

struct CountCase {
    std::string name;
    RunInput input;
    std::optional<StepCount> budget;
    RunOutcome::Stop stop;
    StepCount steps;
};

// Step counts and budgets at 2^63 - 1, 2^63 and 2^64 and beyond, exact.
TEST(LargeCounts, StepCountsAndBudgetsPastSixtyThreeBits)
{
    constexpr auto kEnded = RunOutcome::Stop::Ended;
    constexpr auto kBudget = RunOutcome::Stop::LineBudget;
    const TextLines forEver{"J(1,1,1)"};
    const CountCase cases[] = {
        {"ends at 2^63 - 1", {kCountUp, {"3074457345618258602"}}, std::nullopt, kEnded, kTwoTo63 - 1},
        {"ends at 2^63 + 2", {kCountUp, {"3074457345618258603"}}, std::nullopt, kEnded, kTwoTo63 + 2},
        {"ends at 2^64", {kCountUp, {"6148914691236517205"}}, std::nullopt, kEnded, kTwoTo64},
        {"ends on a budget of 2^64, its last line", {kCountUp, {"6148914691236517205"}}, kTwoTo64, kEnded, kTwoTo64},
        {"a budget one short of the end", {kCountUp, {"6148914691236517205"}}, kTwoTo64 - 1, kBudget, kTwoTo64 - 1},
        {"a budget of 2^63 - 1", {forEver, {}}, kTwoTo63 - 1, kBudget, kTwoTo63 - 1},
        {"a budget of 2^63", {forEver, {}}, kTwoTo63, kBudget, kTwoTo63},
        {"a budget of 2^64", {forEver, {}}, kTwoTo64, kBudget, kTwoTo64},
        {"a budget of 10^30",
         {forEver, {}},
         *ParseStepCount("1000000000000000000000000000000"),
         kBudget,
         *ParseStepCount("1000000000000000000000000000000")},
    };
    for (const CountCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RunSnapshot run = RunCompiled(c.input, c.budget);
        EXPECT_EQ(run.stop, c.stop);
        EXPECT_EQ(run.stepCount, c.steps);
        EXPECT_EQ(run.executedLines, c.steps);
    }
}

// 2^62 - 1 passes of two S lines take R(1) from 1 to the maximum; the next S
// fails after 3 · (2^62 - 1) steps.
TEST(LargeCounts, OverflowAfterMoreThan2To63Steps)
{
    const RunSnapshot run = RunCompiled({{"S(1)", "S(1)", "J(3,3,1)"}, {"1"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Error);
    EXPECT_EQ(run.errorKind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(run.stepCount, *ParseStepCount("13835058055282163709"));
    EXPECT_EQ(run.registers[0], INT64_MAX);
    EXPECT_EQ(run.pc, 0);
}

// Without a budget a loop that never ends runs until it is stopped, far past
// 2^64 lines when its passes are skipped.
TEST(LargeCounts, WithoutABudgetARunGoesOnUntilItIsStopped)
{
    Machine machine;
    TextLines panel;
    machine.Set(panel, {"S(2)", "Z(2)", "J(1,1,1)"});
    std::atomic<bool> cancel{false};
    RunOutcome run;
    std::thread runner([&] { run = CompiledProgram(machine.program).Run(machine, {.cancel = &cancel}); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    runner.join();
    EXPECT_EQ(run.stop, RunOutcome::Stop::Cancelled);
    EXPECT_GT(run.executedLines, kTwoTo64);
    EXPECT_EQ(machine.stepCount, run.executedLines);
    EXPECT_EQ(machine.registers[1], machine.pc == 1 ? 1 : 0);
}

} // namespace
} // namespace tessivar::test
