#include "TextLayout.h"

#include "TextFit.h"
#include "TextFont.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTransform>

#include <memory>
#include <vector>

namespace tessivar::render {

namespace {

using scene::TTextAlign;

// Where a run of `extent` starts in a space of `room` (both along one axis).
qreal AlignedStart(TTextAlign align, qreal room, qreal extent)
{
    switch (align) {
    case TTextAlign::Leading:
        return 0;
    case TTextAlign::Trailing:
        return room - extent;
    case TTextAlign::Center:
        break;
    }
    return (room - extent) / 2;
}

// The line's glyphs, moved by `offset` from where the layout put them.
void AddGlyphs(QPainterPath& path, const QTextLine& line, QPointF offset)
{
    for (const QGlyphRun& run : line.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i)
            path.addPath(font.pathForGlyph(indexes[i]).translated(positions[i] + offset));
    }
}

// Lays the text out at the reference size, in box coordinates (origin at the
// box's top-left corner), before fitting.
class ReferenceLayout {
public:
    ReferenceLayout(const TextBlock& block, qreal boxWidth) : block_(block), font_(TextFont(block.Family))
    {
        const QFontMetricsF metrics(font_);
        pitch_ = LinePitchInEms * ReferenceEm;
        // The baseline divides the line as the font's ascent and descent do.
        baseline_ = pitch_ * metrics.ascent() / (metrics.ascent() + metrics.descent());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        option.setUseDesignMetrics(true);
        static const QRegularExpression lineBreak(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
        for (const QString& paragraph : block.Text.split(lineBreak))
            LayOutParagraph(paragraph, option, boxWidth);
    }

    // The outlines of every line, the block of lines placed in a box this high.
    QPainterPath Glyphs(qreal boxHeight) const
    {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (const PlacedLine& line : lines_)
            AddGlyphs(path, line.Line, line.Offset);
        const qreal blockHeight = static_cast<qreal>(lines_.size()) * pitch_;
        return path.translated(0, AlignedStart(block_.VertAlign, boxHeight, blockHeight));
    }

private:
    void LayOutParagraph(const QString& text, const QTextOption& option, qreal boxWidth)
    {
        auto& layout = paragraphs_.emplace_back(std::make_unique<QTextLayout>(text, font_));
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(boxWidth);
            // Lines are placed here rather than by setPosition, which rounds
            // to 1/64 unit and would make the pitch drift down a listing.
            line.setPosition(QPointF());
            const qreal x = AlignedStart(block_.HorzAlign, boxWidth, line.naturalTextWidth());
            const qreal baseline = static_cast<qreal>(lines_.size()) * pitch_ + baseline_;
            lines_.push_back({line, QPointF(x, baseline - line.ascent())});
        }
        layout->endLayout();
    }

    struct PlacedLine {
        QTextLine Line;
        QPointF Offset;
    };

    const TextBlock& block_;
    QFont font_;
    qreal pitch_ = 0;
    qreal baseline_ = 0;
    std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
    std::vector<PlacedLine> lines_;
};

} // namespace

QList<QPolygonF> TextOutlines(const TextBlock& block)
{
    if (block.Text.isEmpty() || block.FontSize <= 0)
        return {};
    // Scene units per reference unit.
    const qreal unit = block.FontSize / ReferenceEm;
    const QRectF box(0, 0, block.Width / unit, block.Height / unit);

    const QPainterPath glyphs = ReferenceLayout(block, box.width()).Glyphs(box.height());
    if (glyphs.isEmpty())
        return {};
    const TextFit fit = FitIntoBox(box, glyphs.boundingRect());
    const QTransform toScene(fit.X.Scale * unit, 0, 0, fit.Y.Scale * unit, fit.X.Offset * unit - block.Width / 2,
                             fit.Y.Offset * unit - block.Height / 2);
    // Curves are flattened at the reference size, where Qt's tolerance is a
    // small fraction of an em, and only then scaled.
    QList<QPolygonF> contours = glyphs.toSubpathPolygons();
    for (QPolygonF& contour : contours)
        contour = toScene.map(contour);
    return contours;
}

} // namespace tessivar::render
