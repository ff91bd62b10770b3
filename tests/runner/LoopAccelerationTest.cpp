#include "RunnerComparison.h"
#include "TeachingPrograms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tessivar::test {
namespace {

using namespace teaching;

// A loop of `lines` S(2) lines and a count of its trips up to R(3).
TextLines LongBody(std::size_t lines)
{
    TextLines program(lines, "S(2)");
    program.push_back("S(1)");
    program.push_back("J(1,3,0)");
    program.push_back("J(1,1,1)");
    return program;
}

struct LoopCase {
    std::string name;
    RunInput input;
};

// Loops whose iterations are applied at once.
std::vector<LoopCase> SummarisedLoops()
{
    return {
        {"CountUpToARegister", {{"J(1,2,4)", "S(1)", "J(3,3,1)"}, {"0", "700"}}},
        {"CountFromNegative", {{"J(1,2,4)", "S(1)", "J(3,3,1)"}, {"-300", "400"}}},
        {"ClassMultiplication", {kClassMultiplication, {"37", "23"}}},
        {"CommentsInTheBody", {{"/ count", "S(3)", "S(1)", "/ again", "J(1,2,.2)", "J(4,4,1)", "S(6)"}, {"0", "900"}}},
        {"TwoStepsAgainstOne", {{"J(1,2,5)", "S(1)", "S(1)", "S(2)", "J(3,3,1)", "Z(2)"}, {"0", "500"}}},
        {"OddGapNeverCloses", {{"J(1,2,4)", "S(1)", "S(1)", "J(3,3,1)"}, {"0", "501"}}},
        {"GapOpensNeverCloses", {{"S(2)", "J(1,2,0)", "J(3,3,1)"}, {"3", "5"}}},
        {"JumpBackOnEqualsForEver", {{"S(1)", "S(4)", "J(1,4,1)", "S(5)"}, {"7", "0", "0", "7"}}},
        {"ConstantsAndCopiesSettle",
         {{"Z(6)", "S(6)", "T(1,4)", "T(4,7)", "S(7)", "S(1)", "J(1,2,9)", "J(3,3,1)", "T(6,8)"}, {"0", "450"}}},
        {"JumpOutOfTheProgram", {{"S(1)", "J(1,2,99)", "S(2)", "S(2)", "J(3,3,.-3)"}, {"799", "0"}}},
        {"ComparisonAtAFixedDistance", {{"S(1)", "S(2)", "J(1,2,0)", "J(3,4,1)", "S(5)"}, {"4", "0", "0", "0"}}},
        {"JumpToItselfForEver", {{"S(2)", "J(1,1,.0)"}, {}}},
        {"JumpTakenInOneIterationOnly", {{"J(1,3,3)", "S(4)", "S(1)", "J(1,2,0)", "J(5,5,1)"}, {"0", "100", "1"}}},
        {"InnerLoopRunTwicePerRound",
         {{"Z(3)", "S(3)", "S(4)", "J(3,5,.2)", "J(1,1,2)", "S(1)", "J(1,2,9)", "J(1,1,1)"},
          {"0", "300", "0", "0", "2"}}},
        {"OverflowInTheMiddleOfAnIteration", {{"S(1)", "S(1)", "S(2)", "J(3,3,1)"}, {"9223372036854775607"}}},
        {"CopiedCounterRunsIntoTheMaximum", {{"S(1)", "T(1,2)", "J(3,3,1)", "S(2)"}, {"9223372036854775500"}}},
        {"RegisterAboveTopAfterTheLoop", {{"J(1,2,4)", "S(1)", "J(3,3,1)", "S(300)"}, {"0", "500"}}},
        {"TopRegister", {{"J(256,2,4)", "S(256)", "J(3,3,1)"}, {"0", "500"}}},
        {"SwapRingInPairsOfTrips",
         {{"T(1,3)", "T(2,1)", "T(3,2)", "S(4)", "J(4,5,0)", "J(1,1,1)"}, {"1", "2", "0", "0", "400"}}},
        {"JumpWhoseOutcomeAlternates",
         {{"J(3,5,4)", "Z(3)", "J(1,1,5)", "S(3)", "S(1)", "J(1,2,0)", "J(4,4,1)"}, {"0", "400"}}},
        {"LongBody", {LongBody(130), {"0", "0", "40"}}},
        {"RotationOfFive", {kRotation, {"1", "2", "3", "4", "5", "0", "0", "400"}}},
    };
}

// Loops that must run line by line.
std::vector<LoopCase> LoopsThatRunLineByLine()
{
    return {
        {"RingsThatRepeatAfterSeventyTrips", {kThreeRings, ThreeRingsRegisters("400")}},
        {"BodyLongerThanASearchFollows", {LongBody(1100), {"0", "0", "40"}}},
        {"FewIterations", {{"J(1,2,4)", "S(1)", "J(3,3,1)"}, {"0", "3"}}},
        {"OverflowWithinThreeIterations",
         {[] {
              // From the largest value Set takes to three below the maximum.
              TextLines program(196, "S(1)");
              program.push_back("S(1)");
              program.push_back("J(3,3,197)");
              return program;
          }(),
          {"9223372036854775608"}}},
    };
}

const std::vector<std::uint64_t> kBudgets{0, 1, 2, 3, 4, 5, 7, 8, 13, 30, 99, 100, 101, 999, 1000, 1001, 4321};

class SummarisedLoop : public ::testing::TestWithParam<LoopCase> {};
class LoopRunLineByLine : public ::testing::TestWithParam<LoopCase> {};

TEST_P(SummarisedLoop, MatchesStepByStepUnderEveryBudget)
{
    for (const std::uint64_t budget : kBudgets) {
        ExpectSameRun(GetParam().input, budget);
    }
    ExpectSameRun(GetParam().input, 100000);
    EXPECT_GT(RunCompiled(GetParam().input, 100000).summarisedLines, 0u);
}

TEST_P(LoopRunLineByLine, MatchesStepByStepAndSkipsNothing)
{
    for (const std::uint64_t budget : kBudgets) {
        ExpectSameRun(GetParam().input, budget);
    }
    ExpectSameRun(GetParam().input, 100000);
    EXPECT_EQ(RunCompiled(GetParam().input, 100000).summarisedLines, 0u);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SummarisedLoop, ::testing::ValuesIn(SummarisedLoops()),
                         [](const auto& test) { return test.param.name; });
INSTANTIATE_TEST_SUITE_P(Shapes, LoopRunLineByLine, ::testing::ValuesIn(LoopsThatRunLineByLine()),
                         [](const auto& test) { return test.param.name; });

// Too long for the steps: the line-by-line compiled runner stands in for them.
void ExpectSameAsLineByLine(const RunInput& input, std::optional<StepCount> budget)
{
    SCOPED_TRACE(budget ? DecimalText(*budget) : "no budget");
    const RunSnapshot expected = RunCompiled(input, budget, LoopAcceleration::Off);
    const RunSnapshot actual = RunCompiled(input, budget, LoopAcceleration::On);
    ExpectSameSnapshot(actual, expected);
    EXPECT_GT(actual.summarisedLines, 0u);
}

TEST(LoopAcceleration, BudgetEndsInsideALongSummarisedLoop)
{
    const RunInput input{kClassMultiplication, {"3000000", "4"}};
    for (std::uint64_t budget = 3'000'000; budget < 3'000'010; ++budget) {
        ExpectSameAsLineByLine(input, budget);
    }
    ExpectSameAsLineByLine(input, std::nullopt);
}

// An inner loop of R(20) passes inside rings that no summary covers: each
// entry of the inner loop is a chance to leap over the rest of its passes.
RunInput InnerLoopInRings(const std::string& innerPasses, const std::string& outerPasses)
{
    TextLines program(kThreeRings.begin(), kThreeRings.end() - 3);
    program.insert(program.end(), {"Z(19)", "S(19)", "J(19,20,22)", "J(1,1,19)", "S(7)", "J(7,8,0)", "J(1,1,1)"});
    TextLines registers = ThreeRingsRegisters(outerPasses);
    registers.insert(registers.end(), {"0", "0", innerPasses});
    return {program, registers};
}

// A leap is taken only where it skips more lines than its search follows, so
// that a loop of a few passes runs line by line; one of many passes is skipped.
TEST(LoopAcceleration, LeapsAreTakenOnlyWhereTheySaveMoreThanTheirSearch)
{
    const RunInput shortInner = InnerLoopInRings("4", "300");
    const RunInput longInner = InnerLoopInRings("2000", "30");
    ExpectSameRun(shortInner, std::nullopt);
    ExpectSameRun(longInner, std::nullopt);
    EXPECT_EQ(RunCompiled(shortInner, std::nullopt).summarisedLines, 0u);
    EXPECT_GT(RunCompiled(longInner, std::nullopt).summarisedLines, 30 * 3 * 1900);
}

TEST(LoopAcceleration, ClassMultiplicationOfLargeNumbersTakesTheStepsOfTheFormula)
{
    for (const auto& [a, b] : std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 1}, {5, 3}, {100000, 100000}}) {
        SCOPED_TRACE(std::to_string(a) + " x " + std::to_string(b));
        const RunSnapshot run
            = RunCompiled({kClassMultiplication, {std::to_string(a), std::to_string(b)}}, std::nullopt);
        EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
        EXPECT_EQ(run.registers[0], a * b);
        EXPECT_EQ(run.stepCount, ClassMultiplicationSteps(a, b));
    }
}

TEST(LoopAcceleration, ClassMultiplicationFormulaHoldsLineByLine)
{
    for (const auto& [a, b] : std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 1}, {1, 9}, {7, 1}, {12, 30}}) {
        SCOPED_TRACE(std::to_string(a) + " x " + std::to_string(b));
        const RunSnapshot run
            = RunStepByStep({kClassMultiplication, {std::to_string(a), std::to_string(b)}}, std::nullopt);
        EXPECT_EQ(run.registers[0], a * b);
        EXPECT_EQ(run.stepCount, ClassMultiplicationSteps(a, b));
    }
}

TEST(LoopAcceleration, LoopThatNeverEndsStopsOnTheBudget)
{
    const RunSnapshot run = RunCompiled({{"S(2)", "/ wait", "J(1,1,1)"}, {}}, 3'000'000'000'001);
    EXPECT_EQ(run.stop, RunOutcome::Stop::LineBudget);
    EXPECT_EQ(run.executedLines, 3'000'000'000'001u);
    EXPECT_EQ(run.stepCount, 2'000'000'000'001);
    EXPECT_EQ(run.registers[1], 1'000'000'000'001);
    EXPECT_EQ(run.pc, 1);
}

TEST(LoopAcceleration, OverflowFailsAtTheStepThatMeetsTheMaximum)
{
    // 807 iterations reach the maximum; the 808th fails on its S(1).
    const RunSnapshot run = RunCompiled({{"S(2)", "S(1)", "J(1,1,1)"}, {"9223372036854775000"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Error);
    EXPECT_EQ(run.errorKind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(run.registers[0], 9223372036854775807);
    EXPECT_EQ(run.registers[1], 808);
    EXPECT_EQ(run.stepCount, 807 * 3 + 1);
    EXPECT_EQ(run.pc, 1);
    EXPECT_GT(run.summarisedLines, 0u);
}

// Runs `input` with progress reports every `everyLines` lines, recording the steps reported.
RunSnapshot RunReporting(const RunInput& input, std::optional<StepCount> maxLines, std::uint64_t everyLines,
                         std::vector<StepCount>& reported)
{
    Machine machine;
    TextLines panel = input.registers;
    machine.Set(panel, input.program);
    const RunProgress progress{.everyLines = everyLines, .report = [&](StepCount step) { reported.push_back(step); }};
    const RunOutcome run = CompiledProgram(machine.program).Run(machine, {.maxLines = maxLines, .progress = &progress});
    RunSnapshot snapshot;
    snapshot.registers = machine.registers;
    snapshot.pc = machine.pc;
    snapshot.stepCount = machine.stepCount;
    snapshot.stop = run.stop;
    snapshot.executedLines = run.executedLines;
    return snapshot;
}

TEST(LoopAcceleration, ProgressReportsLeaveTheRunAsItIs)
{
    const RunInput multiplication{kClassMultiplication, {"300", "400"}};
    const RunInput rings{kThreeRings, ThreeRingsRegisters("-1")};
    for (const auto& [input, budget] :
         {std::pair{multiplication, std::optional<StepCount>()}, std::pair{rings, std::optional<StepCount>(1000)}}) {
        const RunSnapshot quiet = RunCompiled(input, budget);
        for (const std::uint64_t every : {0u, 1u, 7u, 1000u, 100000u}) {
            SCOPED_TRACE(every);
            std::vector<StepCount> reported;
            const RunSnapshot run = RunReporting(input, budget, every, reported);
            EXPECT_EQ(run.stop, quiet.stop);
            EXPECT_EQ(run.executedLines, quiet.executedLines);
            EXPECT_EQ(run.pc, quiet.pc);
            EXPECT_EQ(run.stepCount, quiet.stepCount);
            EXPECT_EQ(run.registers, quiet.registers);
            EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
            EXPECT_LE(reported.empty() ? StepCount{0} : reported.back(), run.stepCount);
            EXPECT_EQ(reported.empty(), every >= run.executedLines);
        }
    }
}

TEST(LoopAcceleration, ProgressIsReportedAtEveryPauseOfALineByLineRun)
{
    struct Case {
        std::uint64_t every;
        std::size_t reports; // pauses before the budget's end at 1000 lines
        StepCount last;
    };
    for (const Case& test : {Case{7, 142, 994}, Case{1, 999, 999}, Case{0, 999, 999}}) {
        SCOPED_TRACE(test.every);
        std::vector<StepCount> reported;
        RunReporting({kThreeRings, ThreeRingsRegisters("-1")}, 1000, test.every, reported);
        ASSERT_EQ(reported.size(), test.reports);
        EXPECT_EQ(reported.back(), test.last);
    }
}

// Leaps land anywhere between two progress reports, or just past one.
TEST(LoopAcceleration, LeapsOverProgressReportsKeepTheBudget)
{
    const RunInput input{{"J(1,2,0)", "S(1)", "/ next", "J(3,3,1)"}, {"0", "1200"}};
    const RunSnapshot quiet = RunCompiled(input, 1000);
    for (std::uint64_t every = 1; every <= 1000; ++every) {
        SCOPED_TRACE(every);
        std::vector<StepCount> reported;
        const RunSnapshot run = RunReporting(input, 1000, every, reported);
        EXPECT_EQ(run.stop, RunOutcome::Stop::LineBudget);
        EXPECT_EQ(run.executedLines, 1000u);
        EXPECT_EQ(run.stepCount, quiet.stepCount);
        EXPECT_EQ(run.registers, quiet.registers);
        EXPECT_EQ(run.pc, quiet.pc);
    }
    EXPECT_GT(quiet.summarisedLines, 0u);
}

} // namespace
} // namespace tessivar::test
