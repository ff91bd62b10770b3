#include "TextLayout.h"
#include "FontApplication.h"
#include "ProgramListing.h"
#include "StillClockDriver.h"

#include <gtest/gtest.h>

#include <set>

namespace tessivar::render {
namespace {

using scene::TextAlign;

QRectF Bounds(const QList<QPolygonF>& contours)
{
    QRectF bounds;
    for (const QPolygonF& contour : contours)
        bounds = bounds.united(contour.boundingRect());
    return bounds;
}

TextBlock Block(const char* text, qreal width, qreal height, TextAlign horz = TextAlign::Leading,
                TextAlign vert = TextAlign::Leading, qreal size = 4)
{
    return {QString::fromUtf8(text), QString(), size, width, height, horz, vert};
}

// The listing of a twenty-line program, lines joined with CR LF.
QString TwentyLines()
{
    QStringList lines;
    for (int i = 1; i <= 20; ++i)
        lines << QStringLiteral("S(%1)").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

// The tops of the lines that a layout makes, one per line.
std::set<qreal> LineTops(const TextBlock& block)
{
    std::set<qreal> tops;
    LayOutGlyphs(block, [&](const QGlyphRun&, QPointF offset) { tops.insert(offset.y()); });
    return tops;
}

// A 3D text as the renderer receives it.
TextBlock BlockOf(const scene::Text3D& text)
{
    return {QString::fromUtf8(text.Text().View()),
            QString::fromUtf8(text.Font().Family.View()),
            text.Font().Size,
            text.Width(),
            text.Height(),
            text.HorzTextAlign(),
            text.VertTextAlign()};
}

class TextLayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureFontApplication(); }
};

TEST_F(TextLayoutTest, LinesStandFiveAndAThirdUnitsApartAtSizeFour)
{
    struct Case {
        qreal size;
        qreal pitch;
    };
    for (const Case c : {Case{4, 5.35}, Case{8, 10.7}, Case{2, 2.675}}) {
        const QRectF one = Bounds(TextOutlines(Block("A", 1000, 1000, TextAlign::Leading, TextAlign::Leading, c.size)));
        const QRectF two
            = Bounds(TextOutlines(Block("A\nA", 1000, 1000, TextAlign::Leading, TextAlign::Leading, c.size)));
        EXPECT_NEAR(two.top(), one.top(), 1e-6) << "size " << c.size;
        EXPECT_NEAR(two.height() - one.height(), c.pitch, 1e-3) << "size " << c.size;
    }
}

TEST_F(TextLayoutTest, EveryKindOfLineBreakStartsANewLine)
{
    const qreal expected = Bounds(TextOutlines(Block("A\nA", 1000, 1000))).height();
    for (const char* text : {"A\r\nA", "A\rA", "A\nA"})
        EXPECT_NEAR(Bounds(TextOutlines(Block(text, 1000, 1000))).height(), expected, 1e-6) << text;
    // An empty line still takes its place.
    EXPECT_NEAR(Bounds(TextOutlines(Block("A\r\n\r\nA", 1000, 1000))).height(), expected + 5.35, 1e-3);
}

TEST_F(TextLayoutTest, FitRuleKeepsOrSqueezesAlongEachAxis)
{
    struct Case {
        const char* name;
        QString text;
        qreal width, height;
        bool squeezedX, squeezedY;
    };
    const Case cases[] = {
        {"fits", QStringLiteral("R(1)"), 20, 10, false, false},
        // (In a box with room for a second line: a lower one shrinks a long line evenly.)
        {"too wide", QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 20, 20, true, false},
        {"twenty-line listing", TwentyLines(), 20, 100, false, true},
        {"register label", QStringLiteral("R(1)"), 10, 2, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextBlock block{c.text, QString(), 4, c.width, c.height, TextAlign::Center, TextAlign::Center};
        const QRectF fitted = Bounds(TextOutlines(block));
        block.Width = block.Height = 10000;
        const QRectF natural = Bounds(TextOutlines(block));
        ASSERT_FALSE(natural.isEmpty());

        if (c.squeezedX) {
            EXPECT_GT(natural.width(), c.width);
            EXPECT_NEAR(fitted.width(), c.width, 1e-6);
        } else {
            EXPECT_NEAR(fitted.width(), natural.width(), 1e-6);
        }
        if (c.squeezedY) {
            EXPECT_GT(natural.height(), c.height);
            EXPECT_NEAR(fitted.height(), c.height, 1e-6);
        } else {
            EXPECT_NEAR(fitted.height(), natural.height(), 1e-6);
        }
        // Whatever happened, the glyphs end up inside the box.
        EXPECT_GE(fitted.left(), -c.width / 2 - 1e-6);
        EXPECT_LE(fitted.right(), c.width / 2 + 1e-6);
        EXPECT_GE(fitted.top(), -c.height / 2 - 1e-6);
        EXPECT_LE(fitted.bottom(), c.height / 2 + 1e-6);
    }
}

TEST_F(TextLayoutTest, AlignmentPlacesLinesAndBlock)
{
    const QRectF leading = Bounds(TextOutlines(Block("S(1)", 40, 40, TextAlign::Leading, TextAlign::Leading)));
    // Left and top edges of the box, give or take the glyphs' bearings.
    EXPECT_GE(leading.left(), -20);
    EXPECT_LT(leading.left(), -19.5);
    EXPECT_GE(leading.top(), -20);
    EXPECT_LT(leading.top(), -18.5);

    const QRectF centred = Bounds(TextOutlines(Block("S(1)", 40, 40, TextAlign::Center, TextAlign::Center)));
    EXPECT_NEAR(centred.center().x(), 0, 0.3);
    EXPECT_NEAR(centred.center().y(), 0, 1.0);
    EXPECT_NEAR(centred.width(), leading.width(), 1e-6);

    const QRectF trailing = Bounds(TextOutlines(Block("S(1)", 40, 40, TextAlign::Trailing, TextAlign::Trailing)));
    EXPECT_GT(trailing.right(), 19.5);
    EXPECT_LE(trailing.right(), 20);
    EXPECT_GT(trailing.bottom(), 18.5);
    EXPECT_LE(trailing.bottom(), 20);
}

TEST_F(TextLayoutTest, WordWrapContinuesALongLineOnTheNext)
{
    const QRectF wide = Bounds(TextOutlines(Block("S(1) S(2) S(3)", 100, 100)));
    const QRectF narrow = Bounds(TextOutlines(Block("S(1) S(2) S(3)", 12, 100)));
    EXPECT_LT(wide.height(), 5.35);
    EXPECT_GT(narrow.height(), 2 * 5.35);
    EXPECT_LE(narrow.width(), 12);
    // Wrapping happens in the box, not by squeezing: the glyphs keep their size.
    const QRectF word = Bounds(TextOutlines(Block("S(1)", 100, 100)));
    EXPECT_NEAR(Bounds(TextOutlines(Block("S(1) S(2)", 12, 100))).height(), word.height() + 5.35, 0.5);
}

TEST_F(TextLayoutTest, ABoxTooLowForTwoLinesKeepsALongLineWholeAndShrinksItEvenly)
{
    struct Case {
        const char* name;
        const char* text;
        qreal width, height;
        TextAlign align;
    };
    const Case cases[] = {
        {"executed comment", "/ R(1):=R(1)-1 and so on", 20, 5, TextAlign::Leading},
        {"centred label", "R(1) R(2) R(3)", 10, 2, TextAlign::Center},
        {"trailing", "J(1,1,2) J(2,2,3)", 12, 10, TextAlign::Trailing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextBlock block = Block(c.text, c.width, c.height, c.align, c.align);
        EXPECT_EQ(LineTops(block).size(), 1u);
        const QRectF fitted = Bounds(TextOutlines(block));
        const QRectF natural = Bounds(TextOutlines(Block(c.text, 10000, c.height, c.align, c.align)));
        ASSERT_GT(natural.width(), c.width);
        // Across the box, give or take the glyphs' bearings, and as much smaller
        // down as across: the glyphs keep their proportions.
        EXPECT_LE(fitted.width(), c.width + 1e-6);
        EXPECT_GT(fitted.width(), 0.95 * c.width);
        EXPECT_NEAR(fitted.height() / natural.height(), fitted.width() / natural.width(), 1e-6);
        // Still aligned in the box as a line that fits would be.
        switch (c.align) {
        case TextAlign::Leading:
            EXPECT_NEAR(fitted.top(), natural.top(), 1e-6);
            break;
        case TextAlign::Center:
            EXPECT_NEAR(fitted.center().y(), natural.center().y(), 1e-6);
            break;
        case TextAlign::Trailing:
            EXPECT_NEAR(fitted.bottom(), natural.bottom(), 1e-6);
            break;
        }
    }
    // Room for two lines: the same text wraps as before.
    EXPECT_EQ(LineTops(Block("J(1,1,2) J(2,2,3)", 12, 11)).size(), 2u);
}

TEST_F(TextLayoutTest, TheCounterShowsAnyCountOnOneLineWithinItsBox)
{
    render::testing::StillClockDriver driver;
    scene::AnimationClock clock{driver};
    scene::Stage stage{clock};
    struct Case {
        const char* name;
        StepCount step;
    };
    const Case cases[] = {
        {"four digits", 9999},
        {"five digits", 12345},
        {"ten digits", 1234567890},
        {"twenty digits", StepCount{1234567890123456789} * 10},
        {"thirty-nine digits", kLargestStepCount},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scene::ShowStepCounter(stage, c.step);
        const scene::Text3D& counter = *stage.CounterText;
        const TextBlock block = BlockOf(counter);
        EXPECT_EQ(LineTops(block).size(), 1u);

        const qreal width = counter.Width(), height = counter.Height();
        const QRectF fitted = Bounds(TextOutlines(block));
        EXPECT_GE(fitted.left(), -width / 2 - 1e-6);
        EXPECT_LE(fitted.right(), width / 2 + 1e-6);
        EXPECT_GE(fitted.top(), -height / 2 - 1e-6);
        EXPECT_LE(fitted.bottom(), height / 2 + 1e-6);
        // Centred where the counter stands, give or take the glyphs' bearings.
        EXPECT_NEAR(fitted.center().x(), 0, 0.05);

        // Squeezed down into the box as the design has it, and across no more
        // than down: a long count is shrunk evenly, never smeared sideways.
        TextBlock unboxed = block;
        unboxed.Width = unboxed.Height = 10000;
        const QRectF natural = Bounds(TextOutlines(unboxed));
        ASSERT_GT(natural.height(), height);
        EXPECT_NEAR(fitted.height(), height * fitted.width() / natural.width(), 1e-6);
    }
}

TEST_F(TextLayoutTest, NothingShowsForEmptyOrBlankText)
{
    EXPECT_TRUE(TextOutlines(Block("", 20, 10)).isEmpty());
    EXPECT_TRUE(TextOutlines(Block("   \r\n  ", 20, 10)).isEmpty());
    EXPECT_TRUE(TextOutlines(Block("S(1)", 20, 10, TextAlign::Leading, TextAlign::Leading, 0)).isEmpty());
}

TEST_F(TextLayoutTest, ContoursAreClosedPolygons)
{
    const QList<QPolygonF> contours = TextOutlines(Block("R(1) 不完全", 100, 20));
    ASSERT_FALSE(contours.isEmpty());
    for (const QPolygonF& contour : contours) {
        ASSERT_GE(contour.size(), 4);
        EXPECT_EQ(contour.first(), contour.last());
    }
}

} // namespace
} // namespace tessivar::render
