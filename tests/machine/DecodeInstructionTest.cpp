#include "DecodeInstruction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace tessivar {
namespace {

struct DecodeCase {
    std::string line; // as prepared for the program list
    std::int64_t pc;
    std::int32_t lineCount;
    std::string mnemonic;
    std::int32_t firstArg;
    std::int32_t secondArg;
    std::int32_t jumpPC;
    bool isComment;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.line) << " at PC " << c.pc << " of " << c.lineCount;
}

class DecodeInstructionTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeInstructionTest, DecodesAllFields)
{
    const DecodeCase& c = GetParam();
    const DecodedInstruction decoded = DecodeInstruction(c.line, c.pc, c.lineCount);
    EXPECT_EQ(decoded.Mnemonic, c.mnemonic);
    EXPECT_EQ(decoded.FirstArg, c.firstArg);
    EXPECT_EQ(decoded.SecondArg, c.secondArg);
    EXPECT_EQ(decoded.JumpPC, c.jumpPC);
    EXPECT_EQ(decoded.IsComment, c.isComment);
}

INSTANTIATE_TEST_SUITE_P(
    Instructions, DecodeInstructionTest,
    testing::Values(DecodeCase{"J 1,3,6 ", 0, 8, "j", 1, 3, 4, false},
                    DecodeCase{"J 1,2,0 ", 3, 8, "j", 1, 2, 7, false}, DecodeCase{"J 1,2 ", 5, 8, "j", 1, 2, 0, false},
                    DecodeCase{"J 1,2,x ", 5, 8, "j", 1, 2, 0, false},
                    DecodeCase{"J 4,5,.2 ", 2, 8, "j", 4, 5, 3, false},
                    DecodeCase{"j 1 2 3", 0, 8, "j", 1, 2, 1, false},
                    DecodeCase{"J   1 , 2 , 3  ", 0, 8, "j", 1, 2, 1, false},
                    DecodeCase{"s 3 ", 0, 8, "s", 3, 0, 0, false}, DecodeCase{"S 3 ", 0, 8, "s", 3, 0, 0, false},
                    DecodeCase{"Z 7 ", 0, 8, "z", 7, 0, 0, false}, DecodeCase{"T 2,1 ", 0, 8, "t", 2, 1, 0, false},
                    DecodeCase{"S 3,7", 0, 8, "s", 3, 7, 0, false}, DecodeCase{"S 1,2,5", 0, 8, "s", 1, 2, 3, false}));

INSTANTIATE_TEST_SUITE_P(
    ArgumentsThatFallBack, DecodeInstructionTest,
    testing::Values(DecodeCase{"S 0 ", 0, 1, "s", 0, 0, 0, false}, DecodeCase{"S -1 ", 0, 1, "s", -1, 0, 0, false},
                    DecodeCase{"S x ", 0, 1, "s", 0, 0, 0, false}, DecodeCase{"S  ", 0, 1, "s", 0, 0, 0, false},
                    DecodeCase{"S", 0, 1, "s", 0, 0, 0, false}, DecodeCase{"T 2 ", 0, 1, "t", 2, 0, 0, false},
                    DecodeCase{"J 1 ", 0, 1, "j", 1, 0, 0, false},
                    DecodeCase{"S 2147483648 ", 0, 1, "s", 0, 0, 0, false},
                    DecodeCase{"S $A ", 0, 1, "s", 10, 0, 0, false}, DecodeCase{"S 0x0A ", 0, 1, "s", 10, 0, 0, false},
                    DecodeCase{"S3", 0, 1, "s3", 0, 0, 0, false}, DecodeCase{"Ｓ 1 ", 0, 1, "Ｓ", 1, 0, 0, false},
                    DecodeCase{"ABCXYZ 1", 0, 1, "abcxyz", 1, 0, 0, false}));

INSTANTIATE_TEST_SUITE_P(
    CommentsAndEmptyLines, DecodeInstructionTest,
    testing::Values(DecodeCase{"/ R(1):=R(1)-1", 6, 8, "/", 0, 0, 0, true},
                    DecodeCase{"/ 不完全", 7, 8, "/", 0, 0, 0, true}, DecodeCase{"   /x 1 ", 0, 1, "/x", 1, 0, 0, true},
                    DecodeCase{"/S 1,2,5", 0, 1, "/s", 1, 2, 3, true}, DecodeCase{"", 0, 1, "", 0, 0, 0, false},
                    DecodeCase{"     ", 0, 1, "", 0, 0, 0, false}, DecodeCase{",S 1", 0, 1, "", 0, 1, 0, false},
                    DecodeCase{"\"\" 1,2,5", 0, 1, "", 1, 2, 3, false},
                    DecodeCase{"J 1,2,,", 4, 8, "j", 1, 2, 0, false}, DecodeCase{"J 1,2,", 4, 8, "j", 1, 2, 0, false}));

// Every kind of jump target, on line PC + 1 of an eight-line program.
struct JumpCase {
    std::string target;
    std::int64_t pc;
    std::int32_t jumpPC;
};

void PrintTo(const JumpCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.target) << " at PC " << c.pc;
}

class JumpTargetTest : public testing::TestWithParam<JumpCase> {};

TEST_P(JumpTargetTest, GivesJumpPC)
{
    const JumpCase& c = GetParam();
    EXPECT_EQ(DecodeInstruction("J 1,1," + c.target, c.pc, 8).JumpPC, c.jumpPC);
}

INSTANTIATE_TEST_SUITE_P(Absolute, JumpTargetTest,
                         testing::Values(JumpCase{"1", 4, -1}, JumpCase{"6", 4, 4}, JumpCase{"8", 4, 6},
                                         JumpCase{"9", 4, 7}, JumpCase{"100", 4, 98}, JumpCase{"0", 4, 7},
                                         JumpCase{"0", 0, 7}, JumpCase{"-1", 4, -3}, JumpCase{"-5", 4, -7},
                                         JumpCase{"x", 4, 0}, JumpCase{"1.5", 4, 0}, JumpCase{"$A", 4, 8},
                                         JumpCase{"2147483647", 4, 2147483645}));

INSTANTIATE_TEST_SUITE_P(Relative, JumpTargetTest,
                         testing::Values(JumpCase{".2", 2, 3}, JumpCase{".0", 2, 1}, JumpCase{".1", 2, 2},
                                         JumpCase{".-1", 2, 0}, JumpCase{".-2", 2, -1}, JumpCase{".+3", 2, 4},
                                         JumpCase{".10", 2, 11}, JumpCase{".-3", 2, 7}, JumpCase{".-1", 0, 7},
                                         JumpCase{".-4", 2, -3}, JumpCase{".-100", 7, -94}, JumpCase{".", 2, 1},
                                         JumpCase{".", 0, -1}, JumpCase{".x", 5, 4}, JumpCase{"..1", 5, 4},
                                         JumpCase{".$10", 0, 15}));

INSTANTIATE_TEST_SUITE_P(
    BeyondThirtyTwoBits, JumpTargetTest,
    testing::Values(JumpCase{"-2147483646", 0, std::numeric_limits<std::int32_t>::min()},
                    JumpCase{"-2147483647", 0, kJumpNeverTaken}, JumpCase{"-2147483648", 0, kJumpNeverTaken},
                    JumpCase{".2147483647", 1, 2147483647}, JumpCase{".2147483647", 2, kJumpPastTheEnd},
                    JumpCase{".2147483647", 7, kJumpPastTheEnd}, JumpCase{".-2147483648", 1, -2147483648},
                    JumpCase{".-2147483648", 0, kJumpNeverTaken}));

TEST(JumpTargetEdgeTest, EndOfEmptyProgramIsMinusOne)
{
    EXPECT_EQ(DecodeInstruction("J 1,1,0", 0, 0).JumpPC, -1);
}

// Past the 32-bit range forward a target ends the program, as any target
// past the last line does; backward it is never taken, as any before line 1.
TEST(JumpTargetEdgeTest, RelativeTargetFarPastAnyLineEndsTheProgram)
{
    const std::int64_t farPC = std::numeric_limits<std::int64_t>::max() - 1;
    EXPECT_EQ(DecodeInstruction("J 1,1,.2147483647", farPC, 8).JumpPC, kJumpPastTheEnd);
    EXPECT_EQ(DecodeInstruction("J 1,1,.1", farPC, 8).JumpPC, kJumpPastTheEnd);
    EXPECT_EQ(DecodeInstruction("J 1,1,.-1", farPC, 8).JumpPC, kJumpPastTheEnd);
}

} // namespace
} // namespace tessivar
