#include "ProgramEditorMarks.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace tessivar::ui {

namespace {

const QColor BreakpointTint(0xFF, 0xD6, 0xD6);
const QColor CurrentLineTint(0xFF, 0xF3, 0x9A);
// The current line on a breakpoint: both tints in one.
const QColor CurrentBreakpointTint(0xFF, 0xC8, 0x7A);

QTextEdit::ExtraSelection WholeLine(const QTextBlock& block, const QColor& tint)
{
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(block);
    selection.format.setBackground(tint);
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    return selection;
}

int TextEnd(const QTextBlock& block)
{
    return block.position() + block.length() - 1;
}

void Select(QTextCursor& cursor, int start, int end)
{
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
}

} // namespace

ProgramEditorMarks::ProgramEditorMarks(QPlainTextEdit& editor)
    : editor_(editor), blockCount_(editor.document()->blockCount())
{
    settleAfterEdit_.setSingleShot(true);
    settleAfterEdit_.setInterval(0);
    QObject::connect(&settleAfterEdit_, &QTimer::timeout, [this] { SettleAfterEdit(); });
    QObject::connect(editor.document(), &QTextDocument::contentsChange, &settleAfterEdit_,
                     [this](int editStart, int removed, int added) { FollowEdit(editStart, removed, added); });
    QObject::connect(editor.document(), &QTextDocument::contentsChanged, &settleAfterEdit_,
                     [this] { settleAfterEdit_.start(); });
}

ProgramEditorMarks::Breakpoint ProgramEditorMarks::MarkedLine(const QTextCursor& at)
{
    const QTextBlock block = at.block();
    Breakpoint breakpoint{.text = at, .start = block.position(), .length = block.length() - 1};
    Select(breakpoint.text, block.position(), TextEnd(block));
    return breakpoint;
}

int ProgramEditorMarks::LineOf(const Breakpoint& breakpoint) const
{
    return editor_.document()->findBlock(breakpoint.text.selectionStart()).blockNumber();
}

void ProgramEditorMarks::ToggleBreakpointAtCaret()
{
    const QTextCursor caret = editor_.textCursor();
    const int line = caret.blockNumber();
    const auto onLine = [&](const Breakpoint& breakpoint) { return !breakpoint.gone && LineOf(breakpoint) == line; };
    if (std::erase_if(breakpoints_, onLine) == 0)
        breakpoints_.push_back(MarkedLine(caret));
    Repaint();
}

void ProgramEditorMarks::ClearBreakpoints()
{
    breakpoints_.clear();
    Repaint();
}

bool ProgramEditorMarks::HasBreakpoints() const
{
    return std::any_of(breakpoints_.cbegin(), breakpoints_.cend(),
                       [](const Breakpoint& breakpoint) { return !breakpoint.gone; });
}

bool ProgramEditorMarks::HasBreakpoint(std::int64_t line) const
{
    return std::any_of(breakpoints_.cbegin(), breakpoints_.cend(),
                       [&](const Breakpoint& breakpoint) { return !breakpoint.gone && LineOf(breakpoint) == line; });
}

std::vector<std::int64_t> ProgramEditorMarks::BreakpointLines() const
{
    std::vector<std::int64_t> lines;
    for (const Breakpoint& breakpoint : breakpoints_)
        if (!breakpoint.gone)
            lines.push_back(LineOf(breakpoint));
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

void ProgramEditorMarks::ShowCurrentLine(std::optional<std::int64_t> line)
{
    currentLine_ = line;
    Repaint();
}

// Runs inside the edit, so cursors are only read here. A breakpoint goes
// with its text when the edit deleted that text and the line break after
// it, and when its line was joined to the one above, whose text the joined
// line begins with.
void ProgramEditorMarks::FollowEdit(int editStart, int removed, int /*added*/)
{
    const int blocksBefore = std::exchange(blockCount_, editor_.document()->blockCount());
    const bool joined = blockCount_ < blocksBefore;
    for (Breakpoint& breakpoint : breakpoints_) {
        if (breakpoint.gone)
            continue;
        const int start = breakpoint.text.selectionStart();
        const bool textDeleted
            = editStart <= breakpoint.start && editStart + removed > breakpoint.start + breakpoint.length;
        const bool continuesLineAbove
            = joined && start == editStart && editor_.document()->findBlock(start).position() != start;
        breakpoint.gone = textDeleted || continuesLineAbove;
        breakpoint.start = start;
        breakpoint.length = breakpoint.text.selectionEnd() - start;
    }
}

// A line split inside its text keeps the breakpoint on the line where its
// text begins; the text then ends with that line. Text typed into an empty
// breakpoint line becomes its text.
void ProgramEditorMarks::SettleAfterEdit()
{
    std::erase_if(breakpoints_, [](const Breakpoint& breakpoint) { return breakpoint.gone; });
    for (Breakpoint& breakpoint : breakpoints_) {
        const QTextBlock block = editor_.document()->findBlock(breakpoint.text.selectionStart());
        const int end = std::min(breakpoint.text.selectionEnd(), TextEnd(block));
        if (breakpoint.text.selectionStart() == end)
            Select(breakpoint.text, block.position(), TextEnd(block));
        else
            Select(breakpoint.text, breakpoint.text.selectionStart(), end);
        breakpoint.start = breakpoint.text.selectionStart();
        breakpoint.length = breakpoint.text.selectionEnd() - breakpoint.start;
    }
    Repaint();
}

void ProgramEditorMarks::Repaint()
{
    QList<QTextEdit::ExtraSelection> marks;
    for (const Breakpoint& breakpoint : breakpoints_)
        if (!breakpoint.gone)
            marks.append(WholeLine(editor_.document()->findBlock(breakpoint.text.selectionStart()), BreakpointTint));
    if (currentLine_ && *currentLine_ <= INT32_MAX) {
        const QTextBlock current = editor_.document()->findBlockByNumber(static_cast<int>(*currentLine_));
        if (current.isValid())
            marks.append(WholeLine(current, HasBreakpoint(*currentLine_) ? CurrentBreakpointTint : CurrentLineTint));
    }
    editor_.setExtraSelections(marks);
}

} // namespace tessivar::ui
