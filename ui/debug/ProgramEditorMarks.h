#pragma once

#include <QTextCursor>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <vector>

class QPlainTextEdit;

namespace tessivar::ui {

// What the program editor marks beside its text: breakpoint lines with a
// tinted background, and the line at PC (the next to run) while a program is
// set. A breakpoint belongs to its line's text: it moves with it when lines
// are inserted, removed, split or joined, goes when that text is deleted with
// its line, and it is never part of the text.
class ProgramEditorMarks {
public:
    explicit ProgramEditorMarks(QPlainTextEdit& editor);

    void ToggleBreakpointAtCaret();
    void ClearBreakpoints();
    bool HasBreakpoints() const;
    bool HasBreakpoint(std::int64_t line) const; // 0-based
    // Every breakpoint's line, 0-based, ascending, each once.
    std::vector<std::int64_t> BreakpointLines() const;

    // The line at PC, or none when no program is set or it has ended.
    void ShowCurrentLine(std::optional<std::int64_t> line);

private:
    struct Breakpoint {
        // Selects the line's text as it was marked; the document moves both
        // ends with every edit, so text typed before it stays outside.
        QTextCursor text;
        // Where the text stood before the edit being followed.
        int start = 0;
        int length = 0;
        // Deleted with its line; the cursor is dropped once the edit is over.
        bool gone = false;
    };

    static Breakpoint MarkedLine(const QTextCursor& at);
    int LineOf(const Breakpoint& breakpoint) const;
    void FollowEdit(int editStart, int removed, int added);
    void SettleAfterEdit();
    void Repaint();

    QPlainTextEdit& editor_;
    // Cursors are made and dropped only once an edit is over: while the
    // document empties itself, a cursor dropped leaves it a dangling pointer.
    QTimer settleAfterEdit_;
    std::vector<Breakpoint> breakpoints_;
    int blockCount_;
    std::optional<std::int64_t> currentLine_;
};

} // namespace tessivar::ui
