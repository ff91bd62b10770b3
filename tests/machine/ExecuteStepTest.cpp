#include "Machine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tessivar {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

const TextLines kSampleProgram{"S(3)", "J(1,3,6)", "S(2)", "S(3)", "J(1,1,2)", "T(2,1)", "/ R(1):=R(1)-1", "/ 不完全"};

// A machine after Set; `panel` is the register editor, rewritten as Set and the steps do.
struct SetMachine {
    Machine machine;
    TextLines panel;

    SetMachine(TextLines registerLines, const TextLines& program) : panel(std::move(registerLines))
    {
        EXPECT_FALSE(machine.Set(panel, program).error);
    }

    StepOutcome Step()
    {
        StepOutcome outcome = machine.ExecuteStep();
        if (!outcome.error) {
            UpdateRegisterPanel(panel, outcome.effect);
        }
        return outcome;
    }

    // Steps until the program ends; fails the test on an error or a runaway.
    void RunToEnd()
    {
        for (int budget = 10000; machine.CanContinue(); --budget) {
            ASSERT_GT(budget, 0) << "program did not end";
            ASSERT_FALSE(Step().error);
        }
    }
};

TEST(ExecuteStepTest, SampleProgramDecrementsRegisterOne)
{
    SetMachine m({"3"}, kSampleProgram);
    m.RunToEnd();
    EXPECT_EQ(m.machine.registers[0], 2);
    EXPECT_EQ(m.machine.registers[1], 2);
    EXPECT_EQ(m.machine.registers[2], 3);
    EXPECT_EQ(m.machine.stepCount, 11);
    EXPECT_EQ(m.machine.pc, 8);
    EXPECT_EQ(m.panel, (TextLines{"2", "2", "3"}));
}

TEST(ExecuteStepTest, SampleProgramVisitsLinesInOrder)
{
    SetMachine m({"2"}, kSampleProgram);
    std::vector<std::int64_t> visited;
    while (m.machine.CanContinue()) {
        const StepOutcome outcome = m.Step();
        ASSERT_FALSE(outcome.error);
        visited.push_back(outcome.effect.executedPC + 1);
    }
    EXPECT_EQ(visited, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 2, 6, 7, 8}));
    EXPECT_EQ(m.machine.registers[0], 1);
    EXPECT_EQ(m.machine.stepCount, 7);
}

TEST(ExecuteStepTest, EachInstructionReportsItsEffect)
{
    SetMachine m({"4", "4", "9"}, {"S(1)", "Z(3)", "T(1,2)", "J(1,2,7)", "/ note", "s(1) x", "S(2)"});
    const InstructionEffect expected[] = {
        {.kind = InstructionKind::S, .executedPC = 0, .targetRegister = 1, .newValue = 5},
        {.kind = InstructionKind::Z, .executedPC = 1, .targetRegister = 3, .newValue = 0},
        {.kind = InstructionKind::T, .executedPC = 2, .sourceRegister = 1, .targetRegister = 2, .newValue = 5},
        {.kind = InstructionKind::J, .executedPC = 3, .sourceRegister = 1, .targetRegister = 2, .jumpTaken = true},
        {.kind = InstructionKind::S, .executedPC = 6, .targetRegister = 2, .newValue = 6},
    };
    for (const InstructionEffect& want : expected) {
        const StepOutcome outcome = m.Step();
        ASSERT_FALSE(outcome.error);
        const InstructionEffect& got = outcome.effect;
        EXPECT_EQ(got.kind, want.kind) << "line " << want.executedPC + 1;
        EXPECT_EQ(got.executedPC, want.executedPC);
        EXPECT_EQ(got.sourceRegister, want.sourceRegister) << "line " << want.executedPC + 1;
        EXPECT_EQ(got.targetRegister, want.targetRegister) << "line " << want.executedPC + 1;
        EXPECT_EQ(got.newValue, want.newValue) << "line " << want.executedPC + 1;
        EXPECT_EQ(got.jumpTaken, want.jumpTaken) << "line " << want.executedPC + 1;
    }
    EXPECT_EQ(m.panel, (TextLines{"5", "6", "0"}));
    EXPECT_FALSE(m.machine.CanContinue());
}

TEST(ExecuteStepTest, StepReportsDecodedLine)
{
    SetMachine m({}, {"J(1,3,6)"});
    const StepOutcome outcome = m.Step();
    EXPECT_EQ(outcome.effect.decoded.Mnemonic, "j");
    EXPECT_EQ(outcome.effect.decoded.JumpPC, 4);
    EXPECT_TRUE(outcome.effect.jumpTaken);
    EXPECT_EQ(m.machine.pc, 5);
}

TEST(ExecuteStepTest, WritingBeyondThePanelAppendsZeroLines)
{
    SetMachine m({"1", "2"}, {"S(5)"});
    m.Step();
    EXPECT_EQ(m.panel, (TextLines{"1", "2", "0", "0", "1"}));
    EXPECT_EQ(m.machine.registers[4], 1);
}

TEST(ExecuteStepTest, CopyOntoItselfStillRewritesPanelLine)
{
    SetMachine m({"1", "+7"}, {"T(2,2)"});
    m.panel[1] = "edited";
    const StepOutcome outcome = m.Step();
    EXPECT_EQ(outcome.effect.kind, InstructionKind::T);
    EXPECT_EQ(outcome.effect.targetRegister, 2);
    EXPECT_EQ(m.machine.registers[1], 7);
    EXPECT_EQ(m.panel, (TextLines{"1", "7"}));
}

TEST(ExecuteStepTest, JumpAndCommentAndNoOpLeavePanelAlone)
{
    SetMachine m({"1"}, {"J(1,1,2)", "/ c", "S(0)"});
    m.panel[0] = "edited";
    m.RunToEnd();
    EXPECT_EQ(m.panel, TextLines{"edited"});
}

struct JumpRunCase {
    std::string line; // the third of five lines
    std::int64_t PCAfter;
    bool jumpTaken;
};

void PrintTo(const JumpRunCase& c, std::ostream* os)
{
    *os << c.line;
}

class JumpStepTest : public testing::TestWithParam<JumpRunCase> {};

TEST_P(JumpStepTest, EqualRegistersJumpWhenTargetIsAtLeastMinusOne)
{
    const JumpRunCase& c = GetParam();
    SetMachine m({"1", "1"}, {"S(3)", "S(3)", c.line, "S(3)", "S(3)"});
    m.Step();
    m.Step();
    const StepOutcome outcome = m.Step();
    ASSERT_FALSE(outcome.error);
    EXPECT_EQ(outcome.effect.jumpTaken, c.jumpTaken);
    EXPECT_EQ(m.machine.pc, c.PCAfter);
    EXPECT_EQ(m.machine.stepCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Targets, JumpStepTest,
                         testing::Values(JumpRunCase{"J(1,1,1)", 0, true}, JumpRunCase{"J(1,2,1)", 0, true},
                                         JumpRunCase{"J(1,1,5)", 4, true}, JumpRunCase{"J(1,1,9)", 8, true},
                                         JumpRunCase{"J(1,1,0)", 5, true}, JumpRunCase{"J(1,1)", 1, true},
                                         JumpRunCase{"J(1,1,x)", 1, true}, JumpRunCase{"J(1,1,)", 1, true},
                                         JumpRunCase{"J(1,1,.0)", 2, true}, JumpRunCase{"J(1,1,.2)", 4, true},
                                         JumpRunCase{"J(1,1,.-2)", 0, true}, JumpRunCase{"J(1,1,.-3)", 5, true},
                                         JumpRunCase{"J(1,1,.-4)", 3, false}, JumpRunCase{"J(1,1,-1)", 3, false},
                                         JumpRunCase{"J(1,1,-2147483647)", 3, false}, JumpRunCase{"J(1,3,1)", 3, false},
                                         JumpRunCase{"J(1,1,.)", 2, true}));

TEST(ExecuteStepTest, JumpComparesAllSixtyFourBits)
{
    SetMachine m({"4294967297", "1"}, {"J(1,2,0)"});
    const StepOutcome outcome = m.Step();
    EXPECT_FALSE(outcome.effect.jumpTaken);
    EXPECT_EQ(m.machine.pc, 1);
}

TEST(ExecuteStepTest, CommentLinesAreNotCounted)
{
    SetMachine m({}, {"/ first", "  /x(1)", "S(1)"});
    m.Step();
    EXPECT_EQ(m.machine.stepCount, 0);
    EXPECT_EQ(m.machine.pc, 1);
    EXPECT_EQ(m.Step().effect.kind, InstructionKind::Comment);
    EXPECT_EQ(m.machine.stepCount, 0);
    m.Step();
    EXPECT_EQ(m.machine.stepCount, 1);
    EXPECT_EQ(m.machine.registers[0], 1);
}

TEST(ExecuteStepTest, NoOpLinesCountAndChangeNothingElse)
{
    const TextLines noOps{"S(0)",  "S(-1)",  "S(x)",          "S()",   "S",      "T(2)",   "J(1)",
                          "Z(0)",  "T(0,1)", "J(1,0,1)",      "S3",    "X(1)",   "",       "   ",
                          ",S(1)", "\"\" 1", "S(2147483648)", "Ｓ(1)", "S(1.5)", "T(1,-2)"};
    SetMachine m({"5", "6"}, noOps);
    const RegisterFile before = m.machine.registers;
    for (std::size_t i = 0; i < noOps.size(); ++i) {
        const StepOutcome outcome = m.Step();
        ASSERT_FALSE(outcome.error) << noOps[i];
        EXPECT_EQ(outcome.effect.kind, InstructionKind::NoOp) << noOps[i];
        EXPECT_EQ(m.machine.stepCount, static_cast<std::int64_t>(i) + 1) << noOps[i];
    }
    EXPECT_EQ(m.machine.registers, before);
    EXPECT_EQ(m.panel, (TextLines{"5", "6"}));
    EXPECT_FALSE(m.machine.CanContinue());
}

TEST(ExecuteStepTest, FieldsBeyondTheInstructionAreIgnored)
{
    SetMachine m({}, {"S 3,7", "Z(3,1,1)", "S(1,2,0)"});
    m.RunToEnd();
    EXPECT_EQ(m.machine.registers[0], 1);
    EXPECT_EQ(m.machine.registers[2], 0);
    EXPECT_EQ(m.machine.stepCount, 3);
}

TEST(ExecuteStepTest, RequestsWithNothingToExecuteAreRefused)
{
    Machine unset;
    const StepOutcome beforeSet = unset.ExecuteStep();
    ASSERT_TRUE(beforeSet.error);
    EXPECT_EQ(beforeSet.error->kind, MachineError::Kind::NothingToExecute);
    EXPECT_EQ(Text(beforeSet.error->message), "セットしてください。");
    EXPECT_EQ(unset.pc, 0);
    EXPECT_EQ(unset.stepCount, 0);

    SetMachine emptyProgram({"1"}, {});
    EXPECT_TRUE(emptyProgram.Step().error);

    SetMachine ended({"1"}, {"S(1)"});
    ended.Step();
    const StepOutcome afterEnd = ended.Step();
    ASSERT_TRUE(afterEnd.error);
    EXPECT_EQ(afterEnd.error->kind, MachineError::Kind::NothingToExecute);
    EXPECT_EQ(ended.machine.registers[0], 2);
    EXPECT_EQ(ended.machine.pc, 1);
    EXPECT_EQ(ended.machine.stepCount, 1);

    SetMachine cleared({"1"}, {"S(1)"});
    cleared.machine.ClearProgram();
    EXPECT_TRUE(cleared.Step().error);
    EXPECT_EQ(cleared.machine.registers[0], 1);
}

TEST(ExecuteStepTest, ApplyAlsoRefusesWhenNothingIsSet)
{
    Machine unset;
    const StepOutcome outcome = unset.Apply(DecodeInstruction("S 1 ", 0, 1));
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->kind, MachineError::Kind::NothingToExecute);
    EXPECT_EQ(unset.registers[0], 0);
}

TEST(ExecuteStepTest, RegisterAboveTwoHundredFiftySixTouchesNothing)
{
    const std::pair<std::string, std::string> cases[] = {
        {"S(300)", "2 行目: レジスタ R(300) はありません（R(1)〜R(256)）"},
        {"Z(257)", "2 行目: レジスタ R(257) はありません（R(1)〜R(256)）"},
        {"T(300,1)", "2 行目: レジスタ R(300) はありません（R(1)〜R(256)）"},
        {"T(1,999)", "2 行目: レジスタ R(999) はありません（R(1)〜R(256)）"},
        {"J(1,300,1)", "2 行目: レジスタ R(300) はありません（R(1)〜R(256)）"},
        {"J(2147483647,1,1)", "2 行目: レジスタ R(2147483647) はありません（R(1)〜R(256)）"},
    };
    for (const auto& [line, message] : cases) {
        SetMachine m({"1", "1"}, {"S(1)", line, "S(2)"});
        m.Step();
        const RegisterFile before = m.machine.registers;
        const TextLines panelBefore = m.panel;
        const StepOutcome outcome = m.Step();
        ASSERT_TRUE(outcome.error) << line;
        EXPECT_EQ(outcome.error->kind, MachineError::Kind::RegisterNumber) << line;
        EXPECT_EQ(Text(outcome.error->message), message);
        EXPECT_EQ(m.machine.registers, before) << line;
        EXPECT_EQ(m.panel, panelBefore) << line;
        EXPECT_EQ(m.machine.pc, 1) << line;
        EXPECT_EQ(m.machine.stepCount, 1) << line;
    }
}

TEST(ExecuteStepTest, RegisterTwoHundredFiftySixIsUsable)
{
    SetMachine m({}, {"S(256)", "T(256,1)", "J(1,256,0)"});
    m.RunToEnd();
    EXPECT_EQ(m.machine.registers[255], 1);
    EXPECT_EQ(m.machine.registers[0], 1);
    EXPECT_EQ(m.panel.size(), 256u);
    EXPECT_EQ(m.panel[255], "1");
    EXPECT_EQ(m.panel[254], "0");
}

TEST(ExecuteStepTest, IncrementPastSixtyFourBitsIsRefused)
{
    Machine machine;
    TextLines panel{"0", "0", "0"};
    machine.Set(panel, {"S(2)", "S(2)", "S(2)"});
    machine.registers[1] = kMax - 1;
    ASSERT_FALSE(machine.ExecuteStep().error);
    EXPECT_EQ(machine.registers[1], kMax);

    const StepOutcome outcome = machine.ExecuteStep();
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->kind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(Text(outcome.error->message),
              "2 行目: R(2) の値が 64 ビット整数の範囲を超えます（整数のオーバーフロー）");
    EXPECT_EQ(machine.registers[1], kMax);
    EXPECT_EQ(machine.pc, 1);
    EXPECT_EQ(machine.stepCount, 1);
}

TEST(ExecuteStepTest, ValuesNearTheLimitsOtherwiseComplete)
{
    SetMachine m({"9223372036854775608", "-9223372036854775608"}, {"S(1)", "S(1)", "T(1,3)", "S(2)", "J(1,3,0)"});
    m.RunToEnd();
    EXPECT_EQ(m.machine.registers[0], kMax - 197);
    EXPECT_EQ(m.machine.registers[1], -(kMax - 199) + 1);
    EXPECT_EQ(m.machine.registers[2], kMax - 197);
    EXPECT_EQ(m.panel, (TextLines{"9223372036854775610", "-9223372036854775607", "9223372036854775610"}));
    EXPECT_EQ(m.machine.stepCount, 5);
}

TEST(UpdateRegisterPanelTest, RewritesOnlyTheNamedLine)
{
    TextLines panel{"a", "b", "c"};
    UpdateRegisterPanel(panel, 2, -12);
    EXPECT_EQ(panel, (TextLines{"a", "-12", "c"}));
    UpdateRegisterPanel(panel, 6, kMax);
    EXPECT_EQ(panel, (TextLines{"a", "-12", "c", "0", "0", "9223372036854775807"}));
    TextLines empty;
    UpdateRegisterPanel(empty, 1, 0);
    EXPECT_EQ(empty, TextLines{"0"});
}

} // namespace
} // namespace tessivar
