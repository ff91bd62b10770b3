#include "StepCounterText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessivar {
namespace {

constexpr StepCount kTwoTo64 = StepCount{1} << 64;

TEST(StepCounterTextTest, CountIsRightAlignedInFourPlacesAndGrowsBeyond)
{
    struct Case {
        StepCount step;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, "Step:   0"},
        {1, "Step:   1"},
        {11, "Step:  11"},
        {12, "Step:  12"},
        {9999, "Step:9999"},
        {12345, "Step:12345"},
        {-1, "Step:  -1"},
        {StepCount{INT64_MAX}, "Step:9223372036854775807"},
        {StepCount{INT64_MAX} + 1, "Step:9223372036854775808"},
        {kTwoTo64, "Step:18446744073709551616"},
        {kLargestStepCount, "Step:170141183460469231731687303715884105727"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepCounterText(c.step), c.text) << c.text;
    }
}

TEST(StepCountTest, DecimalTextAndParsingMeetAtTheLimits)
{
    struct Case {
        StepCount count;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, "0"},
        {7, "7"},
        {StepCount{UINT64_MAX}, "18446744073709551615"},
        {kTwoTo64, "18446744073709551616"},
        {kLargestStepCount, "170141183460469231731687303715884105727"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecimalText(c.count), c.text);
        EXPECT_EQ(ParseStepCount(c.text), c.count) << c.text;
    }
    EXPECT_EQ(DecimalText(-kLargestStepCount - 1), "-170141183460469231731687303715884105728");
    EXPECT_EQ(ParseStepCount("007"), StepCount{7});
    for (const char* refused : {"", "170141183460469231731687303715884105728", "-1", "+1", "1 ", "1e3", "0x10"}) {
        EXPECT_FALSE(ParseStepCount(refused)) << refused;
    }
}

} // namespace
} // namespace tessivar
