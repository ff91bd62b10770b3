#include "DecodeInstruction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tessivar {
namespace {

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

TEST(ParseInstructionNumberTest, ReadsDecimalInThe32BitRange)
{
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"5", 5},
        {"+5", 5},
        {"-5", -5},
        {"  5", 5},
        {"-0", 0},
        {"2147483647", kMax32},
        {"-2147483648", kMin32},
        {"0000000000000000002147483647", kMax32},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"4294967296", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseInstructionNumber(text), value) << text;
    }
}

TEST(ParseInstructionNumberTest, ReadsHexadecimalAsThirtyTwoBitPattern)
{
    const std::pair<std::string, std::optional<std::int32_t>> cases[] = {
        {"$A", 10},
        {"0x0A", 10},
        {"0X0a", 10},
        {"xff", 255},
        {"X10", 16},
        {"-$1", -1},
        {"+$1", 1},
        {"$7FFFFFFF", kMax32},
        {"$80000000", kMin32},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"-$80000000", kMin32},
        {"$000000000001", 1},
        {"$100000000", std::nullopt},
        {"$FFFFFFFFF", std::nullopt},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(ParseInstructionNumber(text), value) << text;
    }
}

TEST(ParseInstructionNumberTest, RejectsEverythingElse)
{
    for (const std::string text : {"", " ", "+", "-", "$", "0x", "x", "1 ", "1.0", "abc", "- 1", "3a", "$G", "１",
                                   "\t5", "+-1", "00x1", "1,2", "0x$1"}) {
        EXPECT_EQ(ParseInstructionNumber(text), std::nullopt) << testing::PrintToString(text);
    }
}

} // namespace
} // namespace tessivar
