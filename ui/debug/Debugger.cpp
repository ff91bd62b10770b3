#include "Debugger.h"

#include "EditorLines.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <variant>

namespace tessivar::ui {

Debugger::Debugger(QPlainTextEdit& programEditor, const Machine& machine, QObject* parent)
    : QObject(parent), programEditor_(programEditor), machine_(machine), marks_(programEditor)
{
    // A deleted line takes its breakpoint with it. Queued: the marks are
    // looked at once the edit is over, never inside it.
    connect(programEditor_.document(), &QTextDocument::contentsChanged, this, &Debugger::Changed, Qt::QueuedConnection);
    connect(programEditor_.document(), &QTextDocument::contentsChanged, this, &Debugger::FollowProgramEdit,
            Qt::QueuedConnection);
}

Debugger::~Debugger() = default;

void Debugger::RecordStep(const InstructionEffect& effect)
{
    history_.Record(UndoRecord::Of(effect));
}

std::optional<std::vector<int>> Debugger::StepBack(Machine& machine)
{
    const std::optional<HistoryEntry> entry = history_.TakeNewest();
    if (!entry)
        return std::nullopt;
    Undo(machine, *entry);
    std::vector<int> restored;
    if (const auto* line = std::get_if<UndoRecord>(&*entry); line && line->writtenRegister != 0)
        restored.push_back(line->writtenRegister);
    if (const auto* leap = std::get_if<LeapUndo>(&*entry))
        for (const RegisterValue& old : leap->oldValues)
            restored.push_back(old.registerNumber);
    return restored;
}

void Debugger::ForgetHistory()
{
    history_.Clear();
    emit Changed();
}

void Debugger::RememberProgramAtSet()
{
    programAtSet_ = programEditor_.toPlainText();
    programEditedSinceSet_ = false;
}

void Debugger::ProgramReplaced()
{
    marks_.ClearBreakpoints();
    programEditedSinceSet_ = false;
    ShowCurrentLine();
    ForgetHistory();
}

void Debugger::ToggleBreakpointAtCaret()
{
    marks_.ToggleBreakpointAtCaret();
    emit Changed();
}

void Debugger::ClearBreakpoints()
{
    marks_.ClearBreakpoints();
    emit Changed();
}

void Debugger::ShowCurrentLine()
{
    const bool showsRunningProgram = machine_.CanContinue() && !programEditedSinceSet_;
    marks_.ShowCurrentLine(showsRunningProgram ? std::optional<std::int64_t>(machine_.pc) : std::nullopt);
    emit RemarkChanged(programEditedSinceSet_ ? tr("（セット後に変更）") : QString());
}

void Debugger::FollowProgramEdit()
{
    const bool edited = !machine_.program.empty() && !EditorHolds(programEditor_, programAtSet_);
    if (edited == programEditedSinceSet_)
        return;
    programEditedSinceSet_ = edited;
    ShowCurrentLine();
}

} // namespace tessivar::ui
