#include "RunnerComparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

const TextLines kSampleProgram{"S(3)", "J(1,3,6)", "S(2)", "S(3)", "J(1,1,2)", "T(2,1)", "/ R(1):=R(1)-1", "/ 不完全"};

// R(3) := R(1) * R(2) by repeated addition.
const TextLines kMultiplication{"Z(3)", "Z(4)", "J(4,2,0)", "Z(5)", "J(5,1,9)",
                                "S(3)", "S(5)", "J(1,1,5)", "S(4)", "J(1,1,3)"};

struct ProgramCase {
    std::string name;
    RunInput input;
    bool ends = false; // also compared with no line budget at all
};

std::vector<ProgramCase> ProgramCases()
{
    return {
        {"SampleWith3", {kSampleProgram, {"3"}}, true},
        {"SampleWith0NeverEnds", {kSampleProgram, {"0"}}},
        {"SampleWith1", {kSampleProgram, {"1"}}, true},
        {"SampleWith10", {kSampleProgram, {"10"}}, true},
        {"SampleWithNegativeNeverEnds", {kSampleProgram, {"-1"}}},
        {"Multiplication3x4", {kMultiplication, {"3", "4"}}, true},
        {"Multiplication0x5", {kMultiplication, {"0", "5"}}, true},
        {"Multiplication7x0", {kMultiplication, {"7", "0"}}, true},
        {"RelativeLoopForwardAndBack", {{"J(1,2,.3)", "S(1)", "J(3,3,.-2)", "T(1,4)"}, {"0", "5"}}, true},
        {"RelativeZeroRepeatsLine", {{"S(2)", "J(1,1,.0)"}, {}}},
        {"RelativeMinusOneOnFirstLineEnds", {{"J(1,1,.-1)", "S(1)"}, {}}, true},
        {"RelativeMinusTwoOnFirstLineNeverTaken", {{"J(1,1,.-2)", "S(1)"}, {}}, true},
        {"RelativeBackToLineBefore", {{"S(1)", "J(1,2,.2)", "J(3,3,.-2)", "Z(1)"}, {"0", "4"}}, true},
        {"RelativeBeyondEndEnds", {{"S(1)", "J(1,1,.5)", "S(2)"}, {}}, true},
        {"DotAloneRepeatsLine", {{"S(1)", "J(1,1,.)"}, {}}},
        {"DotWithGarbageRepeatsLine", {{"S(1)", "J(1,1,.x)"}, {}}},
        {"JumpToZeroEnds", {{"S(1)", "J(1,1,0)", "S(2)"}, {}}, true},
        {"JumpBeyondEndEnds", {{"S(1)", "J(1,1,99)", "S(2)"}, {}}, true},
        {"JumpJustPastEndEnds", {{"S(1)", "J(1,1,4)", "S(2)"}, {}}, true},
        {"JumpToLastLine", {{"J(1,1,3)", "S(1)", "S(2)"}, {}}, true},
        {"NegativeTargetNeverTaken", {{"J(1,1,-5)", "S(2)"}, {}}, true},
        {"MissingTargetGoesToLineTwo", {{"J(1,2)", "S(1)", "S(3)"}, {}}, true},
        {"UnreadableTargetGoesToLineTwo", {{"J(1,2,x)", "S(1)", "S(3)"}, {"4", "4"}}, true},
        {"EmptyFourthFieldGoesToLineTwo", {{"J(1,1,,)", "S(4)", "S(3)"}, {}}, true},
        {"TrailingCommaTargetGoesToLineTwo", {{"J(1,1,", "S(4)", "S(3)"}, {}}, true},
        {"JumpToFirstLineLoops", {{"S(1)", "J(1,1,1)"}, {}}},
        {"HugeAbsoluteTargetEnds", {{"S(1)", "J(1,1,2147483647)", "S(2)"}, {}}, true},
        {"HexAbsoluteTargetEnds", {{"S(1)", "J(1,1,$7FFFFFFF)"}, {}}, true},
        {"LowestAbsoluteTargetNeverTaken", {{"J(1,1,-2147483648)", "J(1,1,-2147483647)", "S(1)"}, {}}, true},
        {"HugeRelativeTargetsNeverTaken", {{"J(1,1,.-2147483648)", "S(1)", "J(1,1,.2147483647)", "S(2)"}, {}}, true},
        {"HugeRelativeTargetOnSecondLineEnds", {{"S(2)", "J(1,1,.2147483647)", "S(1)"}, {}}, true},
        {"FirstLineComment", {{"/ start", "S(1)", "/ again", "S(1)"}, {}}, true},
        {"IndentedCommentsAndBrackets", {{" /x(1)", "S(1)", "\t/y", "/", "S(2)"}, {"4"}}, true},
        {"CommentsOnly", {{"/ a", "/ b"}, {"1"}}, true},
        {"EmptyProgram", {{}, {"1", "2"}}, true},
        {"EmptyAndBlankLines", {{"", "S(1)", "   ", "", "S(1)", ""}, {}}, true},
        {"MalformedLines",
         {{",S(1)", "S3", "S(0)", "S(-1)", "S()", "S", "T(2)", "J(1)", "S(2147483648)", "Ｓ（１）", "S(1", "\"s\" 2",
           "\"s\"\"\" 3", "\"S", "s 0x2", "S($A)", "z,,1", "T 1,2,3,4", "\t S(5)"},
          {"7", "8"}},
         true},
        {"RegisterAboveTopFails", {{"S(1)", "S(1)", "S(300)", "S(2)"}, {}}, true},
        {"TransferToRegisterAboveTopFails", {{"S(1)", "T(1,257)"}, {}}, true},
        {"TransferFromRegisterAboveTopFails", {{"T(999,1)"}, {}}, true},
        {"ZeroRegisterAboveTopFails", {{"Z(257)"}, {}}, true},
        {"JumpOnRegisterAboveTopFails", {{"S(1)", "J(256,300,1)"}, {}}, true},
        {"NeverTakenJumpOnRegisterAboveTop", {{"J(300,1,-5)", "S(1)"}, {}}, true},
        {"TopRegisterWorks", {{"Z(256)", "S(256)", "T(256,1)", "J(1,256,0)", "S(3)"}, {}}, true},
        {"IncrementPastTopFails", {{"S(1)", "J(1,1,1)"}, {"9223372036854775607"}}, true},
        {"CopiedTopValueFailsElsewhere", {{"T(1,2)", "S(2)", "J(2,2,2)"}, {"9223372036854775600"}}, true},
        {"LowestValuesCount", {{"S(1)", "T(1,2)", "Z(1)", "S(2)"}, {"-9223372036854775607"}}, true},
        {"TransferToItself", {{"T(2,2)", "T(1,3)", "T(5,5)"}, {"5", "7"}}, true},
        {"PanelExtendedToHighestWrite", {{"S(5)", "Z(12)", "S(3)"}, {"1", "2"}}, true},
        {"PanelLinesRewrittenCanonically", {{"S(1)", "T(3,4)"}, {"+07", "$10", "x7"}}, true},
    };
}

const std::vector<std::uint64_t> kLineBudgets{0, 1, 2, 3, 4, 5, 7, 11, 50, 500, 100000};

class CompiledProgramAgreement : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(CompiledProgramAgreement, MatchesStepByStepUnderEveryBudget)
{
    const ProgramCase& program = GetParam();
    for (const std::uint64_t budget : kLineBudgets) {
        ExpectSameRun(program.input, budget);
    }
    if (program.ends) {
        ExpectSameRun(program.input, std::nullopt);
        EXPECT_NE(RunCompiled(program.input, std::nullopt).stop, RunOutcome::Stop::LineBudget);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, CompiledProgramAgreement, ::testing::ValuesIn(ProgramCases()),
                         [](const auto& test) { return test.param.name; });

// Known results, so that a fault shared by both runners still shows.
TEST(CompiledProgram, SampleProgramLeavesTwoAfterElevenSteps)
{
    const RunSnapshot run = RunCompiled({kSampleProgram, {"3"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.stepCount, 11);
    EXPECT_EQ(run.pc, 8);
    EXPECT_EQ(run.executedLines, 13u);
    EXPECT_EQ(run.registers[0], 2);
    EXPECT_EQ(run.panel, (TextLines{"2", "2", "3"}));
}

TEST(CompiledProgram, MultiplicationByRepeatedAddition)
{
    const RunSnapshot run = RunCompiled({kMultiplication, {"6", "7"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.registers[2], 42);
    EXPECT_EQ(run.panel, (TextLines{"6", "7", "42", "7", "6"}));
}

TEST(CompiledProgram, JumpPastTheEndLeavesThePCWhereTheJumpPointed)
{
    const RunSnapshot run = RunCompiled({{"S(1)", "J(1,1,2147483647)", "S(2)"}, {}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.pc, 2147483646);
    EXPECT_EQ(run.stepCount, 2);
}

TEST(CompiledProgram, RegisterAboveTopStopsBeforeTheLine)
{
    const RunSnapshot run = RunCompiled({{"S(1)", "S(300)", "S(2)"}, {"5"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Error);
    EXPECT_EQ(run.errorKind, MachineError::Kind::RegisterNumber);
    EXPECT_FALSE(run.errorMessage.empty());
    EXPECT_EQ(run.pc, 1);
    EXPECT_EQ(run.stepCount, 1);
    EXPECT_EQ(run.panel, TextLines{"6"});
}

TEST(CompiledProgram, IncrementOfLargestValueFailsWithOverflow)
{
    const RunSnapshot run = RunCompiled({{"S(1)", "J(1,1,1)"}, {"9223372036854775607"}}, std::nullopt);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Error);
    EXPECT_EQ(run.errorKind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(run.registers[0], 9223372036854775807);
    EXPECT_EQ(run.pc, 0);
}

TEST(CompiledProgram, BudgetCountsCommentLinesButStepDoesNot)
{
    const RunSnapshot run = RunCompiled({{"/ a", "S(1)", "/ b", "S(1)", "S(1)"}, {}}, 4);
    EXPECT_EQ(run.stop, RunOutcome::Stop::LineBudget);
    EXPECT_EQ(run.executedLines, 4u);
    EXPECT_EQ(run.stepCount, 2);
    EXPECT_EQ(run.pc, 4);
}

TEST(CompiledProgram, EndingExactlyOnTheBudgetCountsAsEnded)
{
    const RunSnapshot run = RunCompiled({{"S(1)", "S(1)"}, {}}, 2);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.executedLines, 2u);
}

TEST(CompiledProgram, RunsInPiecesAsInOneGo)
{
    const RunInput input{kMultiplication, {"3", "5"}};
    const RunSnapshot whole = RunCompiled(input, std::nullopt);
    for (const std::uint64_t piece : {1u, 2u, 3u, 7u}) {
        SCOPED_TRACE(piece);
        Machine machine;
        TextLines panel = input.registers;
        machine.Set(panel, input.program);
        const CompiledProgram compiled(machine.program);
        RunOutcome run;
        do {
            run = compiled.Run(machine, RunLimits{.maxLines = piece});
            UpdateRegisterPanel(panel, run, machine.registers);
        } while (run.stop == RunOutcome::Stop::LineBudget);
        EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
        EXPECT_EQ(machine.registers, whole.registers);
        EXPECT_EQ(machine.pc, whole.pc);
        EXPECT_EQ(machine.stepCount, whole.stepCount);
        EXPECT_EQ(panel, whole.panel);
    }
}

TEST(CompiledProgram, ContinuesAfterSingleSteps)
{
    const RunInput input{kSampleProgram, {"4"}};
    const RunSnapshot whole = RunStepByStep(input, std::nullopt);
    Machine machine;
    TextLines panel = input.registers;
    machine.Set(panel, input.program);
    for (int step = 0; step < 5; ++step) {
        machine.ExecuteStep();
    }
    const RunOutcome run = CompiledProgram(machine.program).Run(machine);
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.executedLines, whole.executedLines - 5);
    EXPECT_EQ(machine.registers, whole.registers);
    EXPECT_EQ(machine.pc, whole.pc);
    EXPECT_EQ(machine.stepCount, whole.stepCount);
}

TEST(CompiledProgram, RunOnAnEndedMachineDoesNothing)
{
    Machine machine;
    TextLines panel{"1"};
    machine.Set(panel, {"S(1)"});
    const CompiledProgram compiled(machine.program);
    EXPECT_EQ(compiled.Run(machine).stop, RunOutcome::Stop::Ended);
    const RunOutcome again = compiled.Run(machine);
    EXPECT_EQ(again.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(again.executedLines, 0u);
    EXPECT_EQ(again.HighestWrittenRegister(), 0);
    EXPECT_EQ(machine.registers[0], 2);
    EXPECT_EQ(machine.stepCount, 1);
}

TEST(CompiledProgram, ReportsTheRegistersWritten)
{
    Machine machine;
    TextLines panel;
    machine.Set(panel, {"S(4)", "T(4,9)", "J(4,9,0)", "Z(20)"});
    const RunOutcome run = CompiledProgram(machine.program).Run(machine);
    EXPECT_EQ(run.HighestWrittenRegister(), 9);
    std::vector<int> written;
    for (int number = 1; number <= kRegisterCount; ++number) {
        if (run.written[static_cast<std::size_t>(number - 1)]) {
            written.push_back(number);
        }
    }
    EXPECT_EQ(written, (std::vector<int>{4, 9}));
}

} // namespace
} // namespace tessivar::test
