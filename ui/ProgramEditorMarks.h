#pragma once

#include <QList>
#include <QTextEdit>
#include <QTimer>

#include <cstdint>
#include <optional>

class QPlainTextEdit;

namespace tessivar::ui {

// What the program editor marks beside its text: breakpoint lines with a
// tinted background, and the line at PC (the next to run) while a program is
// set. A breakpoint belongs to its line: it moves with it when lines are
// inserted or removed above, and it is never part of the text.
class ProgramEditorMarks {
public:
    explicit ProgramEditorMarks(QPlainTextEdit& editor);

    void ToggleBreakpointAtCaret();
    void ClearBreakpoints();
    bool HasBreakpoints();
    bool HasBreakpoint(std::int64_t line) const; // 0-based

    // The line at PC, or none when no program is set.
    void ShowCurrentLine(std::optional<std::int64_t> line);

private:
    // Walks the whole text, so only after the text or a breakpoint changed:
    // the steps of a run repaint the current line over the marks found.
    const QList<QTextEdit::ExtraSelection>& BreakpointMarks();
    void KeepBreakpointsWithTheirText(int editStart, int removed, int added);
    bool HasMarkAt(int position) const;
    void Repaint();

    QPlainTextEdit& editor_;
    // A change of text is marked once the change is over: while the document
    // empties itself its cursors must be neither made nor dropped.
    QTimer repaintAfterEdit_;
    QList<QTextEdit::ExtraSelection> breakpointMarks_;
    bool breakpointMarksStale_ = true;
    int blockCount_;
    std::optional<std::int64_t> currentLine_;
};

} // namespace tessivar::ui
