#include "GlyphText.h"

#include "FontApplication.h"
#include "GlyphTessellator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace tessivar::render {
namespace {

using scene::TextAlign;

constexpr float kDepth = 0.3F;

// A text made the way it was before glyphs were cached: its outlines as one
// region, tessellated and extruded as a whole.
TextMesh WholeTextMesh(const TextBlock& block)
{
    return ExtrudeText(Tessellate(TextOutlines(block)), static_cast<float>(block.Width),
                       static_cast<float>(block.Height), kDepth, scene::AllSides);
}

TextMesh CachedGlyphMesh(const TextBlock& block, GlyphCache& cache)
{
    const GlyphText text = PlaceGlyphs(block, cache);
    return ExtrudeGlyphs(text, 0, text.Glyphs.size(), static_cast<float>(block.Width), static_cast<float>(block.Height),
                         kDepth, scene::AllSides);
}

double Area(const SurfaceTriangles& face)
{
    double area = 0;
    for (std::size_t i = 0; i + 2 < face.size(); i += 3) {
        const SurfaceVertex &a = face[i], &b = face[i + 1], &c = face[i + 2];
        area += std::abs((b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y)) / 2;
    }
    return area;
}

bool Covers(const SurfaceTriangles& face, float x, float y)
{
    for (std::size_t i = 0; i + 2 < face.size(); i += 3) {
        const SurfaceVertex &a = face[i], &b = face[i + 1], &c = face[i + 2];
        const float d1 = (b.X - a.X) * (y - a.Y) - (b.Y - a.Y) * (x - a.X);
        const float d2 = (c.X - b.X) * (y - b.Y) - (c.Y - b.Y) * (x - b.X);
        const float d3 = (a.X - c.X) * (y - c.Y) - (a.Y - c.Y) * (x - c.X);
        if ((d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0))
            return true;
    }
    return false;
}

// Sample points on a grid over the box where the two faces disagree.
int CoverageDifferences(const SurfaceTriangles& expected, const SurfaceTriangles& actual, const TextBlock& block)
{
    constexpr int kSamples = 60;
    int differences = 0;
    for (int i = 0; i < kSamples; ++i) {
        for (int j = 0; j < kSamples; ++j) {
            // Off the grid's round numbers, where glyph edges tend to lie.
            const auto x = static_cast<float>(block.Width * ((i + 0.37) / kSamples - 0.5));
            const auto y = static_cast<float>(block.Height * ((j + 0.61) / kSamples - 0.5));
            differences += Covers(expected, x, y) != Covers(actual, x, y);
        }
    }
    return differences;
}

// The side walls as segments of the outline, each with the way it faces,
// rounded so that the same wall made twice compares equal.
using Wall = std::array<long, 6>;

std::vector<Wall> Walls(const SurfaceTriangles& shaft)
{
    const auto round = [](float v) { return std::lround(v * 1e4F); };
    std::vector<Wall> walls;
    // Each wall is two triangles, pf qf qb and pf qb pb.
    for (std::size_t i = 0; i + 5 < shaft.size(); i += 6) {
        const SurfaceVertex &p = shaft[i], &q = shaft[i + 1];
        walls.push_back({round(p.X), round(p.Y), round(q.X), round(q.Y), round(p.NX * 100), round(p.NY * 100)});
    }
    std::sort(walls.begin(), walls.end());
    return walls;
}

class GlyphTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureFontApplication(); }
    GlyphCache cache_;
};

// The listing of a program of `lines` lines, each "S(i)".
QString Listing(int lines)
{
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << QStringLiteral("S(%1)").arg(i);
    return text.join(QStringLiteral("\r\n"));
}

TEST_F(GlyphTextTest, MeshEqualsTheWholeTextTessellated)
{
    struct Case {
        const char* name;
        QString text;
        qreal width, height;
        TextAlign horz, vert;
    };
    const Case cases[] = {
        {"counter", QStringLiteral("Step:  12"), 20, 2, TextAlign::Leading, TextAlign::Center},
        {"long counter, squeezed", QStringLiteral("Step:123456789012"), 20, 2, TextAlign::Leading, TextAlign::Center},
        {"register label", QStringLiteral("R(13)"), 10, 2, TextAlign::Center, TextAlign::Center},
        {"sample listing with Japanese",
         QStringLiteral("S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全"), 35,
         100, TextAlign::Leading, TextAlign::Leading},
        {"kana and kanji", QStringLiteral("ひらがな カタカナ 漢字のテキスト"), 60, 10, TextAlign::Center,
         TextAlign::Center},
        {"listing squeezed to its box", Listing(40), 20, 200, TextAlign::Leading, TextAlign::Leading},
        {"word wrap, trailing", QStringLiteral("J(1,1,2) J(2,2,3) J(3,3,4)"), 25, 20, TextAlign::Trailing,
         TextAlign::Trailing},
    };
    for (const Case& c : cases) {
        const TextBlock block{c.text, QString(), 4, c.width, c.height, c.horz, c.vert};
        const TextMesh expected = WholeTextMesh(block);
        const TextMesh actual = CachedGlyphMesh(block, cache_);
        ASSERT_FALSE(expected.Empty()) << c.name;
        EXPECT_NEAR(Area(actual.Front), Area(expected.Front), 1e-4 * Area(expected.Front)) << c.name;
        EXPECT_NEAR(Area(actual.Back), Area(expected.Back), 1e-4 * Area(expected.Back)) << c.name;
        EXPECT_EQ(CoverageDifferences(expected.Front, actual.Front, block), 0) << c.name;
        EXPECT_EQ(Walls(actual.Shaft), Walls(expected.Shaft)) << c.name;
    }
}

TEST_F(GlyphTextTest, EachGlyphIsTessellatedOnce)
{
    PlaceGlyphs({QStringLiteral("S(3)\r\nS(3)"), QString(), 4, 20, 100}, cache_);
    EXPECT_EQ(cache_.Size(), 4u); // S, (, 3 and )
    const GlyphText again = PlaceGlyphs({QStringLiteral("S(33)"), QString(), 4, 20, 100}, cache_);
    EXPECT_EQ(cache_.Size(), 4u);
    ASSERT_EQ(again.Glyphs.size(), 5u);
    EXPECT_EQ(again.Glyphs[2].Shape, again.Glyphs[3].Shape);
}

TEST_F(GlyphTextTest, BlankAndEmptyTextsPlaceNothing)
{
    for (const char* text : {"", " ", "\r\n"})
        EXPECT_TRUE(PlaceGlyphs({QString::fromUtf8(text), QString(), 4, 20, 2}, cache_).Glyphs.empty()) << text;
}

} // namespace
} // namespace tessivar::render
