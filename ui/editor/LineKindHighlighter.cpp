#include "LineKindHighlighter.h"

#include "BlockClassification.h"

#include <QTextBlock>

namespace tessivar::ui {

namespace {

// Dark enough to stay readable over the current-line and breakpoint tints.
QColor KindColour(InstructionKind kind)
{
    switch (kind) {
    case InstructionKind::S:
        return {0x11, 0x63, 0x29};
    case InstructionKind::Z:
        return {0x66, 0x39, 0xBA};
    case InstructionKind::T:
        return {0x05, 0x50, 0xAE};
    case InstructionKind::J:
        return {0x95, 0x38, 0x00};
    case InstructionKind::Comment:
        return {0x6E, 0x77, 0x81};
    case InstructionKind::NoOp:
        break;
    }
    return {0xB4, 0x23, 0x18};
}

// Red where the line will not do what it says, orange where a jump goes
// somewhere the line does not say.
QColor FaultColour(LineFault fault)
{
    return fault == LineFault::UnreadableTarget ? QColor(0xE0, 0x8A, 0x00) : QColor(0xE0, 0x00, 0x00);
}

// Where byte `byte` of the line's UTF-8 form falls in its text.
int TextOffset(const QString& text, std::size_t byte)
{
    const QByteArray utf8 = text.toUtf8();
    return static_cast<int>(QString::fromUtf8(utf8.left(static_cast<qsizetype>(byte))).size());
}

} // namespace

LineKindHighlighter::LineKindHighlighter(QTextDocument* document) : QSyntaxHighlighter(document)
{}

void LineKindHighlighter::highlightBlock(const QString& text)
{
    const std::optional<LineClassification> line = ClassifyBlock(currentBlock());
    if (!line)
        return;
    QTextCharFormat format;
    format.setForeground(KindColour(line->kind));
    setFormat(0, static_cast<int>(text.size()), format);
    for (const FaultMark& mark : line->faults) {
        QTextCharFormat marked = format;
        marked.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        marked.setUnderlineColor(FaultColour(mark.fault));
        const int begin = TextOffset(text, mark.begin);
        setFormat(begin, TextOffset(text, mark.end) - begin, marked);
    }
}

} // namespace tessivar::ui
