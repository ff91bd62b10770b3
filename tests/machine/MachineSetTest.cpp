#include "Machine.h"
#include "RegisterText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tessivar {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

RegisterFile RegistersWith(std::initializer_list<std::int64_t> leading)
{
    RegisterFile registers{};
    std::copy(leading.begin(), leading.end(), registers.begin());
    return registers;
}

TextLines NumberedLines(int count)
{
    TextLines lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back(std::string("+").append(std::to_string(i)));
    }
    return lines;
}

// A machine that has run a little, so that Set has something to reset.
Machine MachineInUse()
{
    Machine machine;
    TextLines registers{"5", "9"};
    EXPECT_FALSE(machine.Set(registers, {"S(1)", "S(2)", "S(3)"}).error);
    EXPECT_FALSE(machine.ExecuteStep().error);
    EXPECT_FALSE(machine.ExecuteStep().error);
    return machine;
}

TEST(MachineSetTest, LoadsValuesAndRewritesLinesCanonically)
{
    Machine machine;
    TextLines registers{"7",
                        " 7",
                        "+7",
                        "007",
                        "$7",
                        "0x7",
                        "X7",
                        "-3",
                        "",
                        "abc",
                        "7 ",
                        "7.0",
                        "1e3",
                        "７",
                        "+",
                        "-",
                        "$",
                        "0x",
                        "$FFFFFFFFFFFFFFFF",
                        "$10000000000000000",
                        "9223372036854775808",
                        std::string(23, '0') + "42"};
    const SetOutcome outcome = machine.Set(registers, {});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.loadedRegisters, registers.size());
    EXPECT_EQ(registers, (TextLines{"7", "7", "7", "7", "7", "7", "7", "-3", "0", "0", "0",
                                    "0", "0", "0", "0", "0", "0", "0", "-1", "0", "0", "42"}));
    EXPECT_EQ(machine.registers, RegistersWith({7, 7, 7, 7, 7, 7, 7, -3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 42}));
}

TEST(MachineSetTest, EmptyLastLineIsARegister)
{
    Machine machine;
    TextLines registers{"1", "2", ""};
    EXPECT_EQ(machine.Set(registers, {}).loadedRegisters, 3u);
    EXPECT_EQ(registers, (TextLines{"1", "2", "0"}));
    EXPECT_EQ(machine.registers, RegistersWith({1, 2}));
}

TEST(MachineSetTest, EmptyMemosGiveEmptyMachine)
{
    Machine machine = MachineInUse();
    TextLines registers;
    const SetOutcome outcome = machine.Set(registers, {});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.loadedRegisters, 0u);
    EXPECT_EQ(machine.registers, RegisterFile{});
    EXPECT_TRUE(machine.program.empty());
    EXPECT_EQ(machine.pc, 0);
    EXPECT_EQ(machine.stepCount, 0);
    EXPECT_FALSE(machine.CanContinue());
}

TEST(MachineSetTest, PreparesProgramAndResetsCounters)
{
    Machine machine = MachineInUse();
    ASSERT_NE(machine.pc, 0);
    TextLines registers{"3"};
    const SetOutcome outcome
        = machine.Set(registers, {"S(1)", "J(1,1,1)", "", " /x(1)", "Ｓ（１）", "/ loop (forever)", ""});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(machine.program, (TextLines{"S 1 ", "J 1,1,1 ", "", " /x 1 ", "Ｓ（１）", "/ loop (forever)"}));
    EXPECT_EQ(machine.pc, 0);
    EXPECT_EQ(machine.stepCount, 0);
    EXPECT_EQ(machine.registers, RegistersWith({3}));
}

TEST(MachineSetTest, SetTwiceEqualsSetOnce)
{
    const TextLines program{"S(1)", "T(1,2)"};
    Machine once;
    TextLines onceLines{"4", "x"};
    once.Set(onceLines, program);
    Machine twice = MachineInUse();
    TextLines twiceLines{"4", "x"};
    twice.Set(twiceLines, program);
    twice.Set(twiceLines, program);
    EXPECT_EQ(twice.registers, once.registers);
    EXPECT_EQ(twice.program, once.program);
    EXPECT_EQ(twice.pc, once.pc);
    EXPECT_EQ(twice.stepCount, once.stepCount);
    EXPECT_EQ(twiceLines, onceLines);
}

TEST(MachineSetTest, SetDiscardsRegistersOfEarlierSet)
{
    Machine machine;
    TextLines many{"1", "2", "3", "4"};
    machine.Set(many, {});
    TextLines few{"9"};
    machine.Set(few, {});
    EXPECT_EQ(machine.registers, RegistersWith({9}));
}

TEST(MachineSetTest, AllTwoHundredFiftySixLinesLoad)
{
    Machine machine;
    TextLines registers = NumberedLines(256);
    const SetOutcome outcome = machine.Set(registers, {"S(256)"});
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(outcome.loadedRegisters, 256u);
    EXPECT_EQ(machine.registers[255], 256);
    EXPECT_EQ(registers[255], "256");
    EXPECT_EQ(machine.program.size(), 1u);
}

TEST(MachineSetTest, LineTwoHundredFiftySevenIsRangeCheckError)
{
    Machine machine = MachineInUse();
    const Machine before = machine;
    TextLines registers = NumberedLines(258);
    const SetOutcome outcome = machine.Set(registers, {"Z(1)"});
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->kind, MachineError::Kind::RangeCheck);
    EXPECT_EQ(Text(outcome.error->message), "範囲チェックエラー");
    EXPECT_EQ(ErrorBoxText(Text(outcome.error->message)), "範囲チェックエラー.");
    EXPECT_EQ(outcome.loadedRegisters, 256u);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(machine.registers[static_cast<std::size_t>(i)], i + 1);
        EXPECT_EQ(registers[static_cast<std::size_t>(i)], std::to_string(i + 1));
    }
    EXPECT_EQ(registers[256], "+257");
    EXPECT_EQ(registers[257], "+258");
    EXPECT_EQ(machine.program, before.program);
    EXPECT_EQ(machine.pc, before.pc);
    EXPECT_EQ(machine.stepCount, before.stepCount);
}

struct LimitCase {
    std::string line;
    std::int64_t value;
    bool loads;
};

void PrintTo(const LimitCase& c, std::ostream* os)
{
    *os << c.line;
}

class MachineSetLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(MachineSetLimitTest, ValuesWithin200OfTheLimitsStopSet)
{
    const LimitCase& c = GetParam();
    Machine machine = MachineInUse();
    const Machine before = machine;
    TextLines registers{"1", c.line, "3"};
    const SetOutcome outcome = machine.Set(registers, {"Z(1)"});

    EXPECT_EQ(machine.registers[1], c.value);
    EXPECT_EQ(registers[1], CanonicalRegisterText(c.value));
    if (c.loads) {
        EXPECT_FALSE(outcome.error);
        EXPECT_EQ(outcome.loadedRegisters, 3u);
        EXPECT_EQ(machine.registers[2], 3);
        EXPECT_EQ(machine.program, TextLines{"Z 1 "});
        return;
    }
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->kind, MachineError::Kind::IntegerOverflow);
    EXPECT_EQ(Text(outcome.error->message), "整数のオーバーフロー");
    EXPECT_EQ(outcome.loadedRegisters, 1u);
    EXPECT_EQ(machine.registers, RegistersWith({1, c.value}));
    EXPECT_EQ(registers[2], "3");
    EXPECT_EQ(machine.program, before.program);
    EXPECT_EQ(machine.pc, before.pc);
    EXPECT_EQ(machine.stepCount, before.stepCount);
}

INSTANTIATE_TEST_SUITE_P(Limits, MachineSetLimitTest,
                         testing::Values(LimitCase{"9223372036854775608", kMax - 199, true},
                                         LimitCase{"-9223372036854775608", -(kMax - 199), true},
                                         LimitCase{"9223372036854775609", kMax - 198, false},
                                         LimitCase{"-9223372036854775609", -(kMax - 198), false},
                                         LimitCase{"$7FFFFFFFFFFFFFFF", kMax, false},
                                         LimitCase{"-9223372036854775808", std::numeric_limits<std::int64_t>::min(),
                                                   false}));

TEST(MachineClearProgramTest, EmptiesProgramOnly)
{
    Machine machine = MachineInUse();
    const Machine before = machine;
    machine.ClearProgram();
    EXPECT_TRUE(machine.program.empty());
    EXPECT_EQ(machine.registers, before.registers);
    EXPECT_EQ(machine.pc, before.pc);
    EXPECT_EQ(machine.stepCount, before.stepCount);
    EXPECT_FALSE(machine.CanContinue());
}

} // namespace
} // namespace tessivar
