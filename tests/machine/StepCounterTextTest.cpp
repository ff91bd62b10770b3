#include "StepCounterText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessivar {
namespace {

TEST(StepCounterTextTest, CountIsRightAlignedInFourPlacesAndGrowsBeyond)
{
    struct Case {
        std::int64_t step;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, "Step:   0"}, {12, "Step:  12"}, {9999, "Step:9999"}, {12345, "Step:12345"}, {-1, "Step:  -1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepCounterText(c.step), c.text) << c.step;
    }
}

} // namespace
} // namespace tessivar
