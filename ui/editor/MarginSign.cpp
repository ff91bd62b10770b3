#include "MarginSign.h"

#include <QPainter>
#include <QPainterPath>

namespace tessivar::ui {

namespace {

// The largest square centred in the cell, shrunk by a quarter.
QRectF SignBox(const QRectF& cell)
{
    const qreal side = std::min(cell.width(), cell.height()) * 0.75;
    QRectF box(0, 0, side, side);
    box.moveCenter(cell.center());
    return box;
}

} // namespace

MarginSign SignOf(const std::optional<LineClassification>& line, bool isCaretJumpTarget)
{
    if (isCaretJumpTarget)
        return MarginSign::JumpTarget;
    if (!line || !line->destination)
        return MarginSign::None;
    switch (line->destination->kind) {
    case JumpDestination::Kind::PastEnd:
    case JumpDestination::Kind::End:
        return MarginSign::EndsProgram;
    case JumpDestination::Kind::NeverTaken:
        return MarginSign::NeverTaken;
    case JumpDestination::Kind::Line:
        break;
    }
    return MarginSign::None;
}

QColor SignColour(MarginSign sign)
{
    switch (sign) {
    case MarginSign::JumpTarget:
        return {0x09, 0x69, 0xDA};
    case MarginSign::EndsProgram:
        return {0x57, 0x60, 0x6A};
    case MarginSign::NeverTaken:
        return {0xE0, 0x8A, 0x00};
    case MarginSign::None:
        break;
    }
    return {};
}

void PaintSign(QPainter& painter, MarginSign sign, const QRectF& cell)
{
    const QRectF box = SignBox(cell);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (sign) {
    case MarginSign::JumpTarget: {
        QPainterPath arrow;
        arrow.moveTo(box.topLeft());
        arrow.lineTo(box.right(), box.center().y());
        arrow.lineTo(box.bottomLeft());
        arrow.closeSubpath();
        painter.fillPath(arrow, SignColour(sign));
        break;
    }
    case MarginSign::EndsProgram:
        painter.fillRect(box.adjusted(box.width() / 6, box.height() / 6, -box.width() / 6, -box.height() / 6),
                         SignColour(sign));
        break;
    case MarginSign::NeverTaken:
        painter.setPen(QPen(SignColour(sign), std::max<qreal>(1.5, box.width() / 6)));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
        break;
    case MarginSign::None:
        break;
    }
    painter.restore();
}

} // namespace tessivar::ui
