#pragma once

#include "Machine.h"
#include "ProgramEditorMarks.h"
#include "StepHistory.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QPlainTextEdit;

namespace tessivar::ui {

// What debugging a program keeps: every line executed since Set (for step
// back), the breakpoints, the current line in the program editor, and
// whether the editor still holds the program that was set. Nothing of it
// changes what Set, steps and runs do when it is not used.
class Debugger : public QObject {
    Q_OBJECT
public:
    // Marks `programEditor`, and shows where `machine` stands.
    Debugger(QPlainTextEdit& programEditor, const Machine& machine, QObject* parent = nullptr);
    ~Debugger() override;

    // A run at full speed records into it until it is stopped.
    StepHistory& History() { return history_; }
    void RecordStep(const InstructionEffect& effect);
    bool HasHistory() const { return !history_.Empty(); }
    // Undoes the newest line or leap on `machine`: the registers it restored,
    // or nothing when there was none.
    std::optional<std::vector<int>> StepBack(Machine& machine);

    // Set, New and Open start the history anew.
    void ForgetHistory();
    // After a Set that succeeded: edits from now on are edits since Set.
    void RememberProgramAtSet();
    // New, Open or an example: the breakpoints go with the program.
    void ProgramReplaced();

    bool HasBreakpoints() const { return marks_.HasBreakpoints(); }
    bool BreakpointAt(std::int64_t line) const { return marks_.HasBreakpoint(line); }
    std::vector<std::int64_t> BreakpointLines() const { return marks_.BreakpointLines(); }
    void ToggleBreakpointAtCaret();
    void ClearBreakpoints();

    // While a program is set, the editor shows the line at PC, the next to
    // run: none once it has ended, and none once the editor no longer holds
    // the program that runs, which the remark then says.
    void ShowCurrentLine();

signals:
    // The history or the breakpoints have changed.
    void Changed();
    // What the path label adds after the path.
    void RemarkChanged(const QString& remark);

private:
    void FollowProgramEdit();

    QPlainTextEdit& programEditor_;
    const Machine& machine_;
    ProgramEditorMarks marks_;
    StepHistory history_;
    // The program editor's text at the last Set, and whether it differs now.
    QString programAtSet_;
    bool programEditedSinceSet_ = false;
};

} // namespace tessivar::ui
