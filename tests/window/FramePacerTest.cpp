#include "FramePacer.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessivar::ui::test {
namespace {

struct GapCase {
    double frameCostMs;
    double share;
    int expectedGapMs;
};

class FrameGap : public ::testing::TestWithParam<GapCase> {};

TEST_P(FrameGap, KeepsFramesWithinTheirShareAndNeverUnderTheFloor)
{
    const GapCase& c = GetParam();
    EXPECT_EQ(FrameGapMs(c.frameCostMs, c.share, 40), c.expectedGapMs);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Cases, FrameGap,
                         ::testing::Values(
                             // Cheap frames: the floor.
                             GapCase{5, 0.5, 40}, GapCase{4, 0.1, 40},
                             // A software renderer's frames, and a run at the top speed.
                             GapCase{30, 0.5, 60}, GapCase{18, 0.1, 180}, GapCase{22.3, 0.1, 223},
                             // Nothing measured yet, or nothing to go by.
                             GapCase{0, 0.1, 40}, GapCase{-3, 0.1, 40}, GapCase{NaN, 0.1, 40}, GapCase{20, 0, 40},
                             GapCase{20, NaN, 40},
                             // Dear frames: the view still follows, twice a second.
                             GapCase{45, 0.05, 500}, GapCase{1e9, 0.1, 500}, GapCase{Infinity, 0.5, 500}));

} // namespace
} // namespace tessivar::ui::test
