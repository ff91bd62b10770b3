#include "TextFit.h"

#include <gtest/gtest.h>

namespace tessivar::render {
namespace {

struct FitCase {
    const char* name;
    QRectF glyphs;
    // Where the glyphs' corners land.
    QRectF expected;
};

class TextFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextFitTest, MapsTheUnionOfBoxAndGlyphsOntoTheBox)
{
    const QRectF box(-10, -5, 20, 10);
    const FitCase& c = GetParam();
    const TextFit fit = FitIntoBox(box, c.glyphs);
    EXPECT_NEAR(fit.X.Apply(c.glyphs.left()), c.expected.left(), 1e-9);
    EXPECT_NEAR(fit.X.Apply(c.glyphs.right()), c.expected.right(), 1e-9);
    EXPECT_NEAR(fit.Y.Apply(c.glyphs.top()), c.expected.top(), 1e-9);
    EXPECT_NEAR(fit.Y.Apply(c.glyphs.bottom()), c.expected.bottom(), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextFitTest,
                         ::testing::Values(
                             // Inside the box: full size, unmoved.
                             FitCase{"Inside", QRectF(-4, -2, 8, 3), QRectF(-4, -2, 8, 3)},
                             // Exactly the box: unchanged.
                             FitCase{"Exact", QRectF(-10, -5, 20, 10), QRectF(-10, -5, 20, 10)},
                             // Wider than the box, centred: squeezed in X only.
                             FitCase{"TooWide", QRectF(-20, -2, 40, 3), QRectF(-10, -2, 20, 3)},
                             // Sticking out on the right only: the union (-10 .. 30) maps onto -10 .. 10.
                             FitCase{"OutRight", QRectF(0, -1, 30, 2), QRectF(-5, -1, 15, 2)},
                             // Taller than the box from its top (a long listing): squeezed in Y only.
                             FitCase{"TooTall", QRectF(-8, -5, 6, 30), QRectF(-8, -5, 6, 10)},
                             // Out on both axes: both squeezed.
                             FitCase{"TooBig", QRectF(-20, -10, 40, 20), QRectF(-10, -5, 20, 10)}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(TextFit, NoGlyphsLeaveTheMappingAlone)
{
    const TextFit fit = FitIntoBox(QRectF(0, 0, 10, 10), QRectF());
    EXPECT_EQ(fit.X.Scale, 1);
    EXPECT_EQ(fit.X.Offset, 0);
    EXPECT_EQ(fit.Y.Scale, 1);
    EXPECT_EQ(fit.Y.Offset, 0);
}

} // namespace
} // namespace tessivar::render
