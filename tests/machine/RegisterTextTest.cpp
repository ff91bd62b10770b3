#include "RegisterText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tessivar {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct RegisterLineCase {
    std::string line;
    std::optional<std::int64_t> value; // nothing: the line is invalid
};

void PrintTo(const RegisterLineCase& c, std::ostream* os)
{
    *os << '"' << c.line << '"';
}

class RegisterLineTest : public testing::TestWithParam<RegisterLineCase> {};

TEST_P(RegisterLineTest, ParsesToExpectedValue)
{
    const RegisterLineCase& c = GetParam();
    EXPECT_EQ(ParseRegisterLine(c.line), c.value);
    EXPECT_EQ(RegisterLineValue(c.line), c.value.value_or(0));
}

INSTANTIATE_TEST_SUITE_P(SevenWrittenManyWays, RegisterLineTest,
                         testing::Values(RegisterLineCase{"7", 7}, RegisterLineCase{" 7", 7},
                                         RegisterLineCase{"   7", 7}, RegisterLineCase{"+7", 7},
                                         RegisterLineCase{"007", 7}, RegisterLineCase{"$7", 7},
                                         RegisterLineCase{"0x7", 7}, RegisterLineCase{"0X7", 7},
                                         RegisterLineCase{"x7", 7}, RegisterLineCase{"X7", 7},
                                         RegisterLineCase{" +$7", 7}));

INSTANTIATE_TEST_SUITE_P(SignsAndZero, RegisterLineTest,
                         testing::Values(RegisterLineCase{"-3", -3}, RegisterLineCase{"  -3", -3},
                                         RegisterLineCase{"0", 0}, RegisterLineCase{"-0", 0}, RegisterLineCase{"+0", 0},
                                         RegisterLineCase{"-$10", -16}, RegisterLineCase{"-x1f", -31},
                                         RegisterLineCase{"$aBcD", 0xABCD}));

INSTANTIATE_TEST_SUITE_P(
    SixtyFourBitLimits, RegisterLineTest,
    testing::Values(
        RegisterLineCase{"9223372036854775807", kMax}, RegisterLineCase{"-9223372036854775808", kMin},
        RegisterLineCase{"+9223372036854775807", kMax}, RegisterLineCase{"9223372036854775808", std::nullopt},
        RegisterLineCase{"9223372036854775809", std::nullopt}, RegisterLineCase{"-9223372036854775809", std::nullopt},
        RegisterLineCase{"9223372036854775810", std::nullopt}, RegisterLineCase{"18446744073709551615", std::nullopt},
        RegisterLineCase{"18446744073709551616", std::nullopt}, RegisterLineCase{"99999999999999999999", std::nullopt},
        RegisterLineCase{std::string(23, '0') + "42", 42},
        RegisterLineCase{std::string("-").append(30, '0').append("9223372036854775808"), kMin},
        RegisterLineCase{"$FFFFFFFFFFFFFFFF", -1}, RegisterLineCase{"-$FFFFFFFFFFFFFFFF", 1},
        RegisterLineCase{"$7FFFFFFFFFFFFFFF", kMax}, RegisterLineCase{"$8000000000000000", kMin},
        RegisterLineCase{"-$8000000000000000", kMin},
        RegisterLineCase{std::string("$1").append(15, '0'), std::int64_t{1} << 60},
        RegisterLineCase{std::string("$1").append(16, '0'), std::nullopt},
        RegisterLineCase{"$FFFFFFFFFFFFFFFF0", std::nullopt},
        RegisterLineCase{std::string("$").append(20, '0').append("FFFFFFFFFFFFFFFF"), -1}));

INSTANTIATE_TEST_SUITE_P(InvalidLines, RegisterLineTest,
                         testing::Values(RegisterLineCase{"", std::nullopt}, RegisterLineCase{" ", std::nullopt},
                                         RegisterLineCase{"abc", std::nullopt}, RegisterLineCase{"7 ", std::nullopt},
                                         RegisterLineCase{"7.0", std::nullopt}, RegisterLineCase{"1e3", std::nullopt},
                                         RegisterLineCase{"７", std::nullopt}, RegisterLineCase{"+", std::nullopt},
                                         RegisterLineCase{"-", std::nullopt}, RegisterLineCase{"$", std::nullopt},
                                         RegisterLineCase{"0x", std::nullopt}, RegisterLineCase{"X", std::nullopt},
                                         RegisterLineCase{"\t7", std::nullopt}, RegisterLineCase{"- 7", std::nullopt},
                                         RegisterLineCase{"+-7", std::nullopt}, RegisterLineCase{"--7", std::nullopt},
                                         RegisterLineCase{"7a", std::nullopt}, RegisterLineCase{"$7g", std::nullopt},
                                         RegisterLineCase{"0x-1", std::nullopt}, RegisterLineCase{"00x7", std::nullopt},
                                         RegisterLineCase{std::string("7\0", 2), std::nullopt}));

TEST(CanonicalRegisterTextTest, WritesPlainDecimal)
{
    const std::pair<std::int64_t, std::string> cases[] = {
        {0, "0"}, {7, "7"}, {-3, "-3"}, {42, "42"}, {kMax, "9223372036854775807"}, {kMin, "-9223372036854775808"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(CanonicalRegisterText(value), text) << value;
    }
}

TEST(CanonicalRegisterTextTest, ReadsBackAsTheSameValue)
{
    for (const std::int64_t value : {kMin, kMin + 1, std::int64_t{-1}, std::int64_t{0}, std::int64_t{1},
                                     std::int64_t{1234567890123}, kMax - 1, kMax}) {
        EXPECT_EQ(ParseRegisterLine(CanonicalRegisterText(value)), value);
    }
}

} // namespace
} // namespace tessivar
