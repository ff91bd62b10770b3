#pragma once

#include <QList>
#include <QTextEdit>

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
    ~ProgramEditorMarks();
    ProgramEditorMarks(const ProgramEditorMarks&) = delete;
    ProgramEditorMarks& operator=(const ProgramEditorMarks&) = delete;

    void ToggleBreakpointAtCaret();
    void ClearBreakpoints();
    bool HasBreakpoints() const;
    bool HasBreakpoint(std::int64_t line) const; // 0-based

    // The line at PC, or none when no program is set.
    void ShowCurrentLine(std::optional<std::int64_t> line);

private:
    // Walks the whole text; the steps of a run only call Repaint.
    void FindBreakpoints();
    void Repaint();

    QPlainTextEdit& editor_;
    // The editor may outlive the marks and still change its text (it empties
    // it as it is destroyed).
    QMetaObject::Connection textChanges_;
    QList<QTextEdit::ExtraSelection> breakpointMarks_;
    std::optional<std::int64_t> currentLine_;
};

} // namespace tessivar::ui
