#include "CheckCases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

// A case line with `count` inputs of 1.
std::string ManyInputs(int count)
{
    std::string line;
    for (int index = 0; index < count; ++index) {
        line += "1 ";
    }
    return line + "-> R256=1";
}

struct ValidCase {
    std::string name;
    std::string text;
    std::vector<CheckCase> expected;
};

class ValidCasesFile : public ::testing::TestWithParam<ValidCase> {};

TEST_P(ValidCasesFile, GivesItsCases)
{
    const auto parsed = ParseCheckCases(GetParam().text, Language::English);
    ASSERT_TRUE(std::holds_alternative<std::vector<CheckCase>>(parsed)) << std::get<CasesError>(parsed).message;
    const auto& cases = std::get<std::vector<CheckCase>>(parsed);
    const std::vector<CheckCase>& expected = GetParam().expected;
    ASSERT_EQ(cases.size(), expected.size());
    for (std::size_t index = 0; index < cases.size(); ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(cases[index].lineNumber, expected[index].lineNumber);
        EXPECT_EQ(cases[index].text, expected[index].text);
        EXPECT_EQ(cases[index].inputs, expected[index].inputs);
        EXPECT_EQ(cases[index].expected, expected[index].expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ValidCasesFile,
    ::testing::Values(
        ValidCase{"TheIssuesExamples",
                  "3 4 -> R1=12\n0 5 -> R1=0 R2=5\n",
                  {{1, "3 4 -> R1=12", {"3", "4"}, {{1, 12}}}, {2, "0 5 -> R1=0 R2=5", {"0", "5"}, {{1, 0}, {2, 5}}}}},
        ValidCase{"CommentsBlankLinesAndTabsKeepLineNumbers",
                  "# multiplication\n\n \t\n\t3\t4 ->\tR1=12  # three times four\n#-> R1=1\n7 1 -> R1=7\n",
                  {{4, "3\t4 ->\tR1=12", {"3", "4"}, {{1, 12}}}, {6, "7 1 -> R1=7", {"7", "1"}, {{1, 7}}}}},
        ValidCase{"NoInputsAndNoBlanksAroundTheArrow", "->R3=0\n", {{1, "->R3=0", {}, {{3, 0}}}}},
        ValidCase{"ValuesAsTheRegisterEditorTakesThem",
                  "+7 $10 -0x2 007 -> R2=-16 R256=$FFFFFFFFFFFFFFFF R1=9223372036854775807\n",
                  {{1,
                    "+7 $10 -0x2 007 -> R2=-16 R256=$FFFFFFFFFFFFFFFF R1=9223372036854775807",
                    {"+7", "$10", "-0x2", "007"},
                    {{2, -16}, {256, -1}, {1, 9223372036854775807}}}}},
        ValidCase{"InputsAtTheLimitsSetLoads",
                  "9223372036854775608 -9223372036854775608 -> R1=0\n",
                  {{1,
                    "9223372036854775608 -9223372036854775608 -> R1=0",
                    {"9223372036854775608", "-9223372036854775608"},
                    {{1, 0}}}}},
        ValidCase{"MarkCrLfAndJapaneseComment",
                  "\xEF\xBB\xBF# 掛け算\r\n2 2 -> R1=4\r\n",
                  {{2, "2 2 -> R1=4", {"2", "2"}, {{1, 4}}}}},
        ValidCase{
            "TwoHundredFiftySixInputs", ManyInputs(256), {{1, ManyInputs(256), TextLines(256, "1"), {{256, 1}}}}}),
    [](const auto& test) { return test.param.name; });

struct MalformedCase {
    std::string name;
    std::string text;
    std::size_t lineNumber;
    std::string message;
};

class MalformedCasesFile : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedCasesFile, NamesTheLineAndWhatIsWrong)
{
    const auto parsed = ParseCheckCases(GetParam().text, Language::English);
    ASSERT_TRUE(std::holds_alternative<CasesError>(parsed));
    const CasesError& error = std::get<CasesError>(parsed);
    EXPECT_EQ(error.lineNumber, GetParam().lineNumber);
    EXPECT_EQ(error.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedCasesFile,
    ::testing::Values(
        MalformedCase{"Empty", "", 0, "no case in the file"},
        MalformedCase{"OnlyCommentsAndBlanks", "# nothing yet\n\n   \n", 0, "no case in the file"},
        MalformedCase{"NoArrow", "1 -> R1=1\n3 4 R1=12\n", 2,
                      "no '->' between the input registers and the expected ones"},
        MalformedCase{"ArrowOnlyInTheComment", "3 4 # -> R1=12\n", 1,
                      "no '->' between the input registers and the expected ones"},
        MalformedCase{"TwoArrows", "1 -> R1=1 -> R2=2\n", 1, "more than one '->'"},
        MalformedCase{"InputNotANumber", "\n3 four -> R1=12\n", 2, "input R2 'four' is not a whole number"},
        MalformedCase{"InputWithAComma", "3,4 -> R1=12\n", 1, "input R1 '3,4' is not a whole number"},
        MalformedCase{"InputBeyond64Bits", "9223372036854775808 -> R1=0\n", 1,
                      "input R1 '9223372036854775808' is not a whole number"},
        MalformedCase{"InputSetRefuses", "1 9223372036854775609 -> R1=0\n", 1,
                      "input R2 9223372036854775609 is too near the 64-bit limits to be set (at most "
                      "9223372036854775608 either way)"},
        MalformedCase{"NegativeInputSetRefuses", "-9223372036854775609 -> R1=0\n", 1,
                      "input R1 -9223372036854775609 is too near the 64-bit limits to be set (at most "
                      "9223372036854775608 either way)"},
        MalformedCase{"MoreInputsThanRegisters", ManyInputs(257), 1, "more than 256 input registers"},
        MalformedCase{"NoExpectation", "3 4 ->   # forgot\n", 1, "no expected register after '->'"},
        MalformedCase{"ExpectationWithoutR", "3 4 -> 12\n", 1, "'12' is not an expected register such as R1=12"},
        MalformedCase{"ExpectationWithoutEquals", "3 4 -> R1:12\n", 1,
                      "'R1:12' is not an expected register such as R1=12"},
        MalformedCase{"LowerCaseR", "3 4 -> r1=12\n", 1, "'r1=12' is not an expected register such as R1=12"},
        MalformedCase{"BracketedRegister", "3 4 -> R(1)=12\n", 1, "'R(1)' is not a register: R1 to R256"},
        MalformedCase{"RegisterZero", "3 4 -> R0=12\n", 1, "'R0' is not a register: R1 to R256"},
        MalformedCase{"RegisterAboveTop", "3 4 -> R257=12\n", 1, "'R257' is not a register: R1 to R256"},
        MalformedCase{"RegisterWithoutNumber", "3 4 -> R=12\n", 1, "'R' is not a register: R1 to R256"},
        MalformedCase{"ExpectedValueMissing", "3 4 -> R1=\n", 1, "expected R1 '' is not a whole number"},
        MalformedCase{"BlankAfterEquals", "3 4 -> R1= 12\n", 1, "expected R1 '' is not a whole number"},
        MalformedCase{"ExpectedValueNotANumber", "3 4 -> R1=twelve\n", 1, "expected R1 'twelve' is not a whole number"},
        MalformedCase{"ExpectedTwice", "3 4 -> R1=12 R2=4 R1=12\n", 1, "R1 is expected twice"},
        MalformedCase{"IllFormedUtf8", "1 -> R1=1\n# caf\xE9\n", 2, "not UTF-8 text"},
        MalformedCase{"FirstFaultWins", "1 -> R1=1\nx -> R1=1\n1 -> R0=1\n", 2, "input R1 'x' is not a whole number"}),
    [](const auto& test) { return test.param.name; });

} // namespace
} // namespace tessivar::test
