#include "TextLayout.h"

#include "TextFit.h"
#include "TextFont.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>

namespace tessivar::render {

namespace {

using scene::TextAlign;

// Where a run of `extent` starts in a space of `room` (both along one axis).
qreal AlignedStart(TextAlign align, qreal room, qreal extent)
{
    switch (align) {
    case TextAlign::Leading:
        return 0;
    case TextAlign::Trailing:
        return room - extent;
    case TextAlign::Center:
        break;
    }
    return (room - extent) / 2;
}

// Scene units per reference unit.
qreal UnitOf(const TextBlock& block)
{
    return block.FontSize / ReferenceEm;
}

bool ShowsNothing(const TextBlock& block)
{
    return block.Text.isEmpty() || block.FontSize <= 0;
}

// In a box too low for a second line, a wrapped line could only be squeezed in
// over the first: such a box keeps each paragraph on one line.
QTextOption::WrapMode WrapModeOf(const TextBlock& block)
{
    return block.Height < 2 * LinePitchInEms * block.FontSize ? QTextOption::NoWrap : QTextOption::WordWrap;
}

// A line squeezed across such a box by `scale` shrinks as much down, so that
// its glyphs keep their proportions (a long number stays legible), and keeps
// its alignment in the box.
AxisFit ShrunkWith(const AxisFit& fit, qreal scale, qreal low, qreal high, TextAlign align)
{
    const qreal extent = fit.Apply(high) - fit.Apply(low);
    const qreal shrunkLow = fit.Apply(low) + AlignedStart(align, extent, extent * scale);
    const qreal shrunkScale = fit.Scale * scale;
    return {shrunkScale, shrunkLow - low * shrunkScale};
}

} // namespace

qreal LayOutGlyphs(const TextBlock& block, const GlyphRunVisitor& visit)
{
    if (ShowsNothing(block))
        return 0;
    const qreal boxWidth = block.Width / UnitOf(block);
    const QFont font = TextFont(block.Family);
    const QFontMetricsF metrics(font);
    const qreal pitch = LinePitchInEms * ReferenceEm;
    // The baseline divides the line as the font's ascent and descent do.
    const qreal baseline = pitch * metrics.ascent() / (metrics.ascent() + metrics.descent());
    QTextOption option;
    option.setWrapMode(WrapModeOf(block));
    option.setUseDesignMetrics(true);

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    qsizetype lines = 0;
    for (const QString& paragraph : block.Text.split(lineBreak)) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(boxWidth);
            // Lines are placed here rather than by setPosition, which rounds
            // to 1/64 unit and would make the pitch drift down a listing.
            line.setPosition(QPointF());
            const qreal x = AlignedStart(block.HorzAlign, boxWidth, line.naturalTextWidth());
            const qreal y = static_cast<qreal>(lines++) * pitch + baseline - line.ascent();
            for (const QGlyphRun& run : line.glyphRuns())
                visit(run, QPointF(x, y));
        }
        layout.endLayout();
    }
    return static_cast<qreal>(lines) * pitch;
}

QTransform BlockToScene(const TextBlock& block, qreal blockHeight, const QRectF& glyphBounds)
{
    const qreal unit = UnitOf(block);
    const QRectF box(0, 0, block.Width / unit, block.Height / unit);
    const qreal blockTop = AlignedStart(block.VertAlign, box.height(), blockHeight);
    const QRectF glyphs = glyphBounds.translated(0, blockTop);
    TextFit fit = FitIntoBox(box, glyphs);
    if (WrapModeOf(block) == QTextOption::NoWrap)
        fit.Y = ShrunkWith(fit.Y, fit.X.Scale, glyphs.top(), glyphs.bottom(), block.VertAlign);
    return QTransform(fit.X.Scale * unit, 0, 0, fit.Y.Scale * unit, fit.X.Offset * unit - block.Width / 2,
                      fit.Y.Apply(blockTop) * unit - block.Height / 2);
}

QList<QPolygonF> TextOutlines(const TextBlock& block)
{
    QPainterPath glyphs;
    glyphs.setFillRule(Qt::WindingFill);
    const qreal blockHeight = LayOutGlyphs(block, [&](const QGlyphRun& run, QPointF offset) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            glyphs.addPath(font.pathForGlyph(indexes[i]).translated(positions[i] + offset));
    });
    if (glyphs.isEmpty())
        return {};
    const QTransform toScene = BlockToScene(block, blockHeight, glyphs.boundingRect());
    // Curves are flattened at the reference size, where Qt's tolerance is a
    // small fraction of an em, and only then scaled.
    QList<QPolygonF> contours = glyphs.toSubpathPolygons();
    for (QPolygonF& contour : contours)
        contour = toScene.map(contour);
    return contours;
}

} // namespace tessivar::render
