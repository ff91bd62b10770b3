#include "ProgressLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessivar::test {
namespace {

using std::chrono::milliseconds;

const ProgressLine::Clock::time_point kStart{std::chrono::hours(5)};

TEST(ProgressLine, ShowsNothingForTheFirstSecond)
{
    std::ostringstream terminal;
    ProgressLine line(terminal, kStart, Language::English);
    line.Update(100, kStart);
    line.Update(900000, kStart + milliseconds(999));
    line.Clear();
    EXPECT_EQ(terminal.str(), "");
}

TEST(ProgressLine, RedrawsAFewTimesASecondInPlaceAndWipesItselfAtTheEnd)
{
    std::ostringstream terminal;
    ProgressLine line(terminal, kStart, Language::English);
    line.Update(3000000, kStart + milliseconds(1500));
    EXPECT_EQ(terminal.str(), "\rStep: 3000000  (2000000 steps/s)");
    line.Update(3500000, kStart + milliseconds(1600));
    EXPECT_EQ(terminal.str(), "\rStep: 3000000  (2000000 steps/s)") << "redrawn too soon";

    terminal.str("");
    line.Update(40, kStart + milliseconds(2000));
    EXPECT_EQ(terminal.str(), "\rStep: 40  (20 steps/s)" + std::string(10, ' ')) << "shorter text covers the old";

    terminal.str("");
    line.Clear();
    EXPECT_EQ(terminal.str(), "\r" + std::string(32, ' ') + "\r");
    terminal.str("");
    line.Clear();
    EXPECT_EQ(terminal.str(), "");
}

// A leap can take the count past 2^64 in one go; the rate follows it.
TEST(ProgressLine, CountsPastSixtyFourBits)
{
    std::ostringstream terminal;
    ProgressLine line(terminal, kStart, Language::English);
    line.Update((StepCount{1} << 64) + 5, kStart + milliseconds(2000));
    EXPECT_EQ(terminal.str(), "\rStep: 18446744073709551621  (9223372036854775808 steps/s)");
}

} // namespace
} // namespace tessivar::test
