#include "GlyphTessellator.h"
#include "FontApplication.h"
#include "TextFont.h"
#include "TextLayout.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <algorithm>

namespace tessivar::render {
namespace {

// Twice the signed area of a closed polygon (x1 y2 - x2 y1 summed over its edges).
qreal DoubleSignedArea(const QPolygonF& polygon)
{
    qreal sum = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& p = polygon[i];
        const QPointF& q = polygon[(i + 1) % polygon.size()];
        sum += p.x() * q.y() - q.x() * p.y();
    }
    return sum;
}

QPolygonF Square(qreal left, qreal top, qreal size, bool clockwise)
{
    QPolygonF square{QPointF(left, top), QPointF(left + size, top), QPointF(left + size, top + size),
                     QPointF(left, top + size)};
    if (clockwise)
        std::reverse(square.begin(), square.end());
    square.append(square.first());
    return square;
}

qreal TriangleArea(const std::vector<QPointF>& triangles)
{
    qreal area = 0;
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3)
        area += DoubleSignedArea(QPolygonF{triangles[i], triangles[i + 1], triangles[i + 2]}) / 2;
    return area;
}

qreal BoundaryArea(const QList<QPolygonF>& boundary)
{
    qreal area = 0;
    for (const QPolygonF& contour : boundary)
        area += DoubleSignedArea(contour) / 2;
    return area;
}

// Rounding aside: the shoelace sum and the tessellator's cross product may
// disagree in the last bits on the thinnest triangles.
bool EveryTriangleIsPositive(const std::vector<QPointF>& triangles)
{
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3)
        if (DoubleSignedArea(QPolygonF{triangles[i], triangles[i + 1], triangles[i + 2]}) < -1e-9)
            return false;
    return true;
}

TEST(GlyphTessellator, NonZeroRuleWhateverTheWindingDirection)
{
    struct Case {
        const char* name;
        bool outerClockwise, holeClockwise;
        qreal area; // of the 10 x 10 square with a 4 x 4 square inside
    };
    const Case cases[] = {
        {"opposite directions, outer one way", false, true, 84},
        {"opposite directions, outer the other way", true, false, 84},
        // Same direction: the inner square winds twice, which is still inside.
        {"same direction", false, false, 100},
        {"same direction, reversed", true, true, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Tessellation region = Tessellate({Square(0, 0, 10, c.outerClockwise), Square(3, 3, 4, c.holeClockwise)});
        ASSERT_FALSE(region.Triangles.empty());
        EXPECT_TRUE(EveryTriangleIsPositive(region.Triangles));
        EXPECT_NEAR(TriangleArea(region.Triangles), c.area, 1e-9);
        EXPECT_NEAR(BoundaryArea(region.Boundary), c.area, 1e-9);
        // The outer contour always comes out with a positive area.
        const auto largest = std::max_element(region.Boundary.begin(), region.Boundary.end(), [](auto& a, auto& b) {
            return std::abs(DoubleSignedArea(a)) < std::abs(DoubleSignedArea(b));
        });
        EXPECT_NEAR(DoubleSignedArea(*largest), 200, 1e-9);
    }
}

TEST(GlyphTessellator, OverlappingContoursMergeWithNewVerticesWhereTheyCross)
{
    const Tessellation region = Tessellate({Square(0, 0, 10, false), Square(5, 5, 10, false)});
    EXPECT_NEAR(TriangleArea(region.Triangles), 175, 1e-9);
    ASSERT_EQ(region.Boundary.size(), 1);
    // The merged outline has the two crossing points as corners.
    const QPolygonF& outline = region.Boundary.first();
    EXPECT_TRUE(outline.contains(QPointF(10, 5)));
    EXPECT_TRUE(outline.contains(QPointF(5, 10)));
}

TEST(GlyphTessellator, EmptyInputGivesNothing)
{
    const Tessellation region = Tessellate({});
    EXPECT_TRUE(region.Triangles.empty());
    EXPECT_TRUE(region.Boundary.isEmpty());
}

class GlyphFontTest : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { testing::EnsureFontApplication(); }
};

TEST_P(GlyphFontTest, FontIsInstalled)
{
    EXPECT_EQ(QFontInfo(TextFont(QString::fromUtf8(GetParam()))).family(), QString::fromUtf8(GetParam()));
}

// TrueType (IPA) and CFF (Noto) outlines run in opposite directions; both must
// fill the glyphs and keep the counters of O, R and kanji open.
TEST_P(GlyphFontTest, AsciiAndKanjiTessellateWithTheirHoles)
{
    struct Case {
        const char* text;
        bool hasHole;
    };
    for (const Case c : {Case{"R(1) Step:0", true}, Case{"日本語", true}, Case{"O", true}, Case{"不完全", false}}) {
        SCOPED_TRACE(c.text);
        const TextBlock block{QString::fromUtf8(c.text), QString::fromUtf8(GetParam()), 4, 100, 10,
                              scene::TextAlign::Center,  scene::TextAlign::Center};
        const Tessellation region = Tessellate(TextOutlines(block));
        ASSERT_FALSE(region.Triangles.empty());
        EXPECT_TRUE(EveryTriangleIsPositive(region.Triangles));
        const qreal area = TriangleArea(region.Triangles);
        EXPECT_GT(area, 0.5);
        EXPECT_NEAR(BoundaryArea(region.Boundary), area, area * 1e-6);
        const bool hasHole = std::any_of(region.Boundary.begin(), region.Boundary.end(),
                                         [](const QPolygonF& contour) { return DoubleSignedArea(contour) < 0; });
        EXPECT_EQ(hasHole, c.hasHole);
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphFontTest, ::testing::Values("Noto Sans CJK JP", "IPAPGothic"),
                         [](const auto& testInfo) { return std::string(testInfo.param[0] == 'N' ? "Noto" : "IPA"); });

} // namespace
} // namespace tessivar::render
