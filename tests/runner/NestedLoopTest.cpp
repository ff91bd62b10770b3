#include "RunnerComparison.h"
#include "StepHistory.h"
#include "TeachingPrograms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

using namespace teaching;

constexpr std::int64_t kLargest = INT64_MAX;
constexpr StepCount kTwoTo63 = StepCount{1} << 63;
constexpr StepCount kTwoTo64 = StepCount{1} << 64;

struct NestCase {
    std::string name;
    RunInput input;
};

// One of each shape: an inner loop inside an outer one, a reset into the
// inner loop's own head, an inner loop with two ways out, an inner count
// that grows (a sum of a series), a flag that alternates, three loops deep.
std::vector<NestCase> Nests()
{
    return {
        {"Multiplication", {kClassMultiplication, {"13", "9"}}},
        {"Division", {kDivision, {"100", "7"}}},
        {"DivisionWithoutRest", {kDivision, {"98", "7"}}},
        {"Remainder", {kRemainder, {"100", "7"}}},
        {"Triangular", {kTriangular, {"25"}}},
        {"Parity", {kParity, {"61"}}},
        {"Factorial", {kFactorial, {"5"}}},
        {"Power", {kPower, {"5", "3"}}},
    };
}

class NestedLoop : public ::testing::TestWithParam<NestCase> {};

// Every budget from none to the whole run stops where the steps stop.
TEST_P(NestedLoop, MatchesTheStepsUnderEveryBudgetAcrossItsPasses)
{
    const RunInput& input = GetParam().input;
    const RunSnapshot whole = RunStepByStep(input, std::nullopt);
    ASSERT_EQ(whole.stop, RunOutcome::Stop::Ended);
    for (StepCount budget = 0; budget <= whole.executedLines; ++budget) {
        ExpectSameRun(input, budget);
    }
    ExpectSameRun(input, std::nullopt);
    EXPECT_GT(RunCompiled(input, std::nullopt).summarisedLines, 0u);
}

INSTANTIATE_TEST_SUITE_P(Shapes, NestedLoop, ::testing::ValuesIn(Nests()),
                         [](const auto& test) { return test.param.name; });

// The leaps one run makes, counted in the history, where every leap is one entry.
std::size_t LeapsOfARun(const RunInput& input)
{
    Machine machine;
    TextLines panel = input.registers;
    machine.Set(panel, input.program);
    StepHistory history;
    CompiledProgram(machine.program).Run(machine, {.history = &history});
    std::size_t leaps = 0;
    while (const std::optional<HistoryEntry> entry = history.TakeNewest()) {
        leaps += std::holds_alternative<LeapUndo>(*entry) ? 1 : 0;
    }
    return leaps;
}

// The outer loop is summarised with its inner loop in it: a few leaps in
// all, not one per pass of the outer loop.
TEST(NestedLoops, TakeAFewLeapsNotOnePerOuterPass)
{
    const NestCase cases[] = {
        {"multiplication of 1000 by 100000", {kClassMultiplication, {"1000", "100000"}}},
        {"division of 1000000 by 50", {kDivision, {"1000000", "50"}}},
        {"remainder of 1000000 by 7", {kRemainder, {"1000000", "7"}}},
        {"triangular number of 100000", {kTriangular, {"100000"}}},
        {"parity of 1000000", {kParity, {"1000000"}}},
    };
    for (const NestCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_LE(LeapsOfARun(c.input), 8u);
    }
}

struct LargeCase {
    std::string name;
    RunInput input;
    std::size_t resultRegister; // 1-based
    std::int64_t result;
    StepCount steps;
};

// Runs that would take hours to centuries line by line end with the results
// and step counts worked out by hand.
TEST(NestedLoops, LargeRunsEndWithTheResultAndTheStepCountOfTheFormula)
{
    const LargeCase cases[] = {
        {"multiplication 1000 x 10^8",
         {kClassMultiplication, {"1000", "100000000"}},
         1,
         100000000000,
         ClassMultiplicationSteps(1000, 100000000)},
        {"division 10^10 / 50", {kDivision, {"10000000000", "50"}}, 3, 200000000, DivisionSteps(10000000000, 50)},
        {"division 10^10 + 49 / 50", {kDivision, {"10000000049", "50"}}, 3, 200000000, DivisionSteps(10000000049, 50)},
        {"remainder 10^9 mod 7", {kRemainder, {"1000000000", "7"}}, 3, 6, RemainderSteps(1000000000, 7)},
        {"triangular number of 10^8", {kTriangular, {"100000000"}}, 2, 5000000050000000, TriangularSteps(100000000)},
        {"parity of 10^8 + 1", {kParity, {"100000001"}}, 2, 1, ParitySteps(100000001)},
        {"factorial of 20, past 2^63 steps", {kFactorial, {"20"}}, 2, 2432902008176640000, FactorialSteps(20)},
        {"2^61 by repeated multiplication, past 2^64 steps",
         {kPower, {"61", "2"}},
         3,
         std::int64_t{1} << 61,
         PowerSteps(61, 2)},
    };
    for (const LargeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RunSnapshot run = RunCompiled(c.input, std::nullopt);
        EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
        EXPECT_EQ(run.registers[c.resultRegister - 1], c.result);
        EXPECT_EQ(run.stepCount, c.steps);
    }
    EXPECT_GT(FactorialSteps(20), kTwoTo63);
    EXPECT_GT(PowerSteps(61, 2), kTwoTo64);
}

// A budget anywhere in a run past 2^64 lines, also at the 64-bit limits,
// leaves a state from which the rest of the run ends as the whole run does.
TEST(NestedLoops, BudgetsAtTheLimitsOfSixtyFourBitsSplitARunExactly)
{
    const RunInput input{kPower, {"61", "2"}};
    const RunSnapshot whole = RunCompiled(input, std::nullopt);
    const StepCount total = whole.executedLines;
    for (const StepCount budget :
         {kTwoTo63 - 1, kTwoTo63, kTwoTo63 + 1, kTwoTo64 - 1, kTwoTo64, kTwoTo64 + 1, total - 1, total, total + 1}) {
        SCOPED_TRACE(DecimalText(budget));
        Machine machine;
        TextLines panel = input.registers;
        machine.Set(panel, input.program);
        const CompiledProgram program(machine.program);
        const RunOutcome first = program.Run(machine, {.maxLines = budget});
        EXPECT_EQ(first.stop, budget < total ? RunOutcome::Stop::LineBudget : RunOutcome::Stop::Ended);
        EXPECT_EQ(machine.stepCount, std::min(budget, total)) << "no comments: a line is a step";
        program.Run(machine);
        EXPECT_EQ(machine.registers, whole.registers);
        EXPECT_EQ(machine.pc, whole.pc);
        EXPECT_EQ(machine.stepCount, whole.stepCount);
    }
}

// A register runs into the 64-bit maximum inside a nest: the S that meets it
// fails at the same step as line by line, whatever the budget around it.
TEST(NestedLoops, OverflowInsideANestFailsAtTheStepThatMeetsTheMaximum)
{
    const std::string nearTop = std::to_string(kLargest - 5000);
    const NestCase cases[] = {
        {"a reset into the inner head, counting past the end", {kRemainder, {"5", "7", "0", nearTop}}},
        {"two ways out, neither taken", {kDivision, {"5", "7", "0", nearTop}}},
        {"a sum of a series", {kTriangular, {"1000", std::to_string(kLargest - 300000)}}},
        {"alternating paths", {kParity, {"5", "0", nearTop}}},
    };
    for (const NestCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RunSnapshot whole = RunCompiled(c.input, std::nullopt, LoopAcceleration::Off);
        ASSERT_EQ(whole.stop, RunOutcome::Stop::Error);
        ExpectSameSnapshot(RunCompiled(c.input, std::nullopt), whole);
        for (StepCount budget = whole.executedLines - 40; budget <= whole.executedLines + 1; ++budget) {
            ExpectSameSnapshot(RunCompiled(c.input, budget), RunCompiled(c.input, budget, LoopAcceleration::Off));
        }
        EXPECT_GT(RunCompiled(c.input, std::nullopt).summarisedLines, 0u);
    }
}

// The product 2^63 is one more than the maximum: the S that would make it
// fails, after exactly the steps counted by hand.
TEST(NestedLoops, PowerPastTheMaximumFailsAfterTheStepsCountedByHand)
{
    const RunSnapshot run = RunCompiled({kPower, {"63", "2"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Error);
    EXPECT_EQ(run.errorKind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(run.registers[4], kLargest);
    EXPECT_EQ(run.pc, 6) << "on the line S(5)";
    // The passes before, then the pass multiplying a = 2^62 up to the failing S:
    // its first lines, a middle pass, and a - 1 inner passes of another.
    const StepCount a = StepCount{1} << 62;
    EXPECT_EQ(run.stepCount, PowerSteps(62, 2) - 1 + 4 + (1 + 4 * a - 1 + 3) + 1 + 4 * (a - 1));
}

} // namespace
} // namespace tessivar::test
