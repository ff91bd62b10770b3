#include "LineNumberArea.h"

#include "BlockClassification.h"
#include "MarginSign.h"
#include "ProgramEditor.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tessivar::ui {

namespace {

constexpr int kPadding = 3;
const QColor MarginBackground(0xF3, 0xF4, 0xF6);
const QColor NumberColour(0x8C, 0x95, 0x9F);

int Digits(int lineCount)
{
    int digits = 1;
    for (int rest = lineCount; rest >= 10; rest /= 10)
        ++digits;
    return digits;
}

int DigitWidth(const QFontMetrics& metrics)
{
    return metrics.horizontalAdvance(QLatin1Char('9'));
}

} // namespace

LineNumberArea::LineNumberArea(ProgramEditor& editor) : QWidget(&editor), editor_(editor)
{}

// The sign column is one digit wide, between the numbers and the text.
int LineNumberArea::WidthFor(const QFontMetrics& metrics, int lineCount)
{
    return kPadding + (Digits(lineCount) + 1) * DigitWidth(metrics) + kPadding;
}

void LineNumberArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), MarginBackground);
    painter.setFont(editor_.font());
    painter.setPen(NumberColour);
    const QFontMetrics metrics(editor_.font());
    const int signLeft = width() - kPadding - DigitWidth(metrics);
    const std::optional<int> target = editor_.CaretJumpTarget();
    for (const ProgramEditor::VisibleLine& line : editor_.VisibleLines()) {
        if (line.bottom < event->rect().top() || line.top > event->rect().bottom())
            continue;
        const int number = line.block.blockNumber();
        painter.drawText(QRect(0, line.top, signLeft, metrics.height()), Qt::AlignRight | Qt::AlignTop,
                         QString::number(number + 1));
        const MarginSign sign = SignOf(ClassifyBlock(line.block), target == number);
        PaintSign(painter, sign, QRectF(signLeft, line.top, DigitWidth(metrics), metrics.height()));
    }
}

bool LineNumberArea::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    editor_.ShowLineToolTip(help->pos().y(), help->globalPos(), this);
    return true;
}

} // namespace tessivar::ui
