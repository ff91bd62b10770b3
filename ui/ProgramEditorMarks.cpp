#include "ProgramEditorMarks.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <utility>

namespace tessivar::ui {

namespace {

// A block's user state travels with the block as the text is edited.
constexpr int BreakpointState = 1;
constexpr int PlainState = -1;

const QColor BreakpointTint(0xFF, 0xD6, 0xD6);
const QColor CurrentLineTint(0xFF, 0xF3, 0x9A);
// The current line on a breakpoint: both tints in one.
const QColor CurrentBreakpointTint(0xFF, 0xC8, 0x7A);

bool IsBreakpoint(const QTextBlock& block)
{
    return block.userState() == BreakpointState;
}

QTextEdit::ExtraSelection WholeLine(const QTextBlock& block, const QColor& tint)
{
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(block);
    selection.format.setBackground(tint);
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    return selection;
}

} // namespace

ProgramEditorMarks::ProgramEditorMarks(QPlainTextEdit& editor)
    : editor_(editor), blockCount_(editor.document()->blockCount())
{
    repaintAfterEdit_.setSingleShot(true);
    repaintAfterEdit_.setInterval(0);
    QObject::connect(&repaintAfterEdit_, &QTimer::timeout, [this] { Repaint(); });
    QObject::connect(
        editor.document(), &QTextDocument::contentsChange, &repaintAfterEdit_,
        [this](int editStart, int removed, int added) { KeepBreakpointsWithTheirText(editStart, removed, added); });
    QObject::connect(editor.document(), &QTextDocument::contentsChanged, &repaintAfterEdit_, [this] {
        breakpointMarksStale_ = true;
        repaintAfterEdit_.start();
    });
}

void ProgramEditorMarks::ToggleBreakpointAtCaret()
{
    QTextBlock block = editor_.textCursor().block();
    block.setUserState(IsBreakpoint(block) ? PlainState : BreakpointState);
    breakpointMarksStale_ = true;
    Repaint();
}

void ProgramEditorMarks::ClearBreakpoints()
{
    for (QTextBlock block = editor_.document()->firstBlock(); block.isValid(); block = block.next())
        block.setUserState(PlainState);
    breakpointMarksStale_ = true;
    Repaint();
}

bool ProgramEditorMarks::HasBreakpoints()
{
    return !BreakpointMarks().isEmpty();
}

bool ProgramEditorMarks::HasBreakpoint(std::int64_t line) const
{
    return line >= 0 && line <= INT32_MAX
        && IsBreakpoint(editor_.document()->findBlockByNumber(static_cast<int>(line)));
}

void ProgramEditorMarks::ShowCurrentLine(std::optional<std::int64_t> line)
{
    currentLine_ = line;
    Repaint();
}

const QList<QTextEdit::ExtraSelection>& ProgramEditorMarks::BreakpointMarks()
{
    if (!breakpointMarksStale_)
        return breakpointMarks_;
    breakpointMarks_.clear();
    for (QTextBlock block = editor_.document()->firstBlock(); block.isValid(); block = block.next())
        if (IsBreakpoint(block))
            breakpointMarks_.append(WholeLine(block, BreakpointTint));
    breakpointMarksStale_ = false;
    return breakpointMarks_;
}

// A breakpoint stays with the text of its line where Qt would leave it
// elsewhere: a line joined to the one above (Backspace at its start, or a
// deletion from the end of the line above) begins with the upper line's text,
// and a line split at its very start (Enter there) goes on below the new
// line. This runs inside the edit, so the marks' cursors are only read.
void ProgramEditorMarks::KeepBreakpointsWithTheirText(int editStart, int removed, int added)
{
    const int blocksBefore = std::exchange(blockCount_, editor_.document()->blockCount());
    QTextBlock first = editor_.document()->findBlock(editStart);
    if (!first.isValid())
        return;
    const bool atLineStart = editStart == first.position();
    if (blockCount_ < blocksBefore && !atLineStart) {
        first.setUserState(HasMarkAt(first.position()) ? BreakpointState : PlainState);
    } else if (blockCount_ > blocksBefore && atLineStart && removed == 0) {
        QTextBlock text = editor_.document()->findBlock(editStart + added);
        if (text.isValid() && text != first) {
            text.setUserState(first.userState());
            first.setUserState(PlainState);
        }
    }
}

// The upper line's mark sits where the joined line starts.
bool ProgramEditorMarks::HasMarkAt(int position) const
{
    return std::any_of(breakpointMarks_.cbegin(), breakpointMarks_.cend(),
                       [&](const QTextEdit::ExtraSelection& mark) { return mark.cursor.position() == position; });
}

void ProgramEditorMarks::Repaint()
{
    QList<QTextEdit::ExtraSelection> marks = BreakpointMarks();
    if (currentLine_ && *currentLine_ <= INT32_MAX) {
        const QTextBlock current = editor_.document()->findBlockByNumber(static_cast<int>(*currentLine_));
        if (current.isValid())
            marks.append(WholeLine(current, IsBreakpoint(current) ? CurrentBreakpointTint : CurrentLineTint));
    }
    editor_.setExtraSelections(marks);
}

} // namespace tessivar::ui
