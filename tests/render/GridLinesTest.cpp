#include "GridLines.h"

#include "Stage.h"
#include "StillClockDriver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessivar::render {
namespace {

TEST(GridLines, FloorRulerHasCrossLinesAtEveryUnitAndOneLineAlong)
{
    testing::StillClockDriver driver;
    scene::AnimationClock clock(driver);
    scene::Stage design(clock);
    const std::vector<GridLine> lines = GridLines(GridShape::Of(*design.ColumnRuler));

    int across = 0, along = 0;
    for (const GridLine& line : lines) {
        EXPECT_EQ(line.Colour, 0xA05F9EA0u);
        if (line.X1 == line.X2) {
            // Grid X k lies at scene X 49 + k: 0 .. 98 for k = -49 .. 49.
            EXPECT_EQ(line.X1, std::round(line.X1));
            EXPECT_LE(std::abs(line.X1), 49);
            EXPECT_FLOAT_EQ(line.Y1, -0.9F);
            EXPECT_FLOAT_EQ(line.Y2, 0.9F);
            ++across;
        } else {
            EXPECT_EQ(line.Y1, 0);
            EXPECT_EQ(line.Y2, 0);
            EXPECT_FLOAT_EQ(line.X1, -49.6F);
            EXPECT_FLOAT_EQ(line.X2, 49.6F);
            ++along;
        }
    }
    EXPECT_EQ(across, 99);
    EXPECT_EQ(along, 1);
}

TEST(GridLines, OnlyWholeMultiplesOfMarksTakeTheMarkAlpha)
{
    scene::SceneOwner owner;
    auto* grid = new scene::Grid(&owner);
    grid->SetWidth(20.2F);
    grid->SetHeight(0.2F);
    grid->SetMarks(4);
    grid->SetFrequency(0.5F);
    grid->SetLineColor(0x40102030);

    for (const GridLine& line : GridLines(GridShape::Of(*grid))) {
        if (line.X1 != line.X2)
            continue;
        const float x = std::abs(line.X1);
        const bool marked = x == 0 || x == 4 || x == 8;
        EXPECT_EQ(line.Colour, marked ? 0xA0102030u : 0x40102030u) << "line at " << line.X1;
    }
}

TEST(GridLines, NoLinesWithoutAPositiveFrequency)
{
    scene::SceneOwner owner;
    auto* grid = new scene::Grid(&owner);
    grid->SetWidth(10);
    grid->SetHeight(10);
    for (const float frequency : {0.0F, -1.0F}) {
        grid->SetFrequency(frequency);
        EXPECT_TRUE(GridLines(GridShape::Of(*grid)).empty()) << frequency;
    }
}

} // namespace
} // namespace tessivar::render
