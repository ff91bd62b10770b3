// The Debug menu: the run and step buttons under the usual debugger keys,
// breakpoints in the program editor, and the current line there. Nothing of
// it changes what Set, steps and runs do when it is not used.
#include "Unit1.h"

#include "EditorLines.h"
#include "FramePacer.h"
#include "PathLabel.h"
#include "ProgramEditorMarks.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace tessivar::ui {

namespace {

QAction* AddDebugAction(QMenu& menu, const char* keys)
{
    QAction* action = menu.addAction(QString());
    action->setShortcut(QKeySequence(QString::fromUtf8(keys)));
    // The keys work wherever the focus is, the editors included.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

void TForm1::CreateDebugMenu()
{
    marks_ = std::make_unique<ProgramEditorMarks>(*Memo2);
    DebugMenu = MainMenu1->addMenu(QString());
    RunAction = AddDebugAction(*DebugMenu, "F5");
    StepAction = AddDebugAction(*DebugMenu, "F10");
    StepBackAction = AddDebugAction(*DebugMenu, "F7");
    DebugMenu->addSeparator();
    RunToEndAction = AddDebugAction(*DebugMenu, "Ctrl+F5");
    RunToCaretAction = AddDebugAction(*DebugMenu, "Ctrl+F10");
    DebugMenu->addSeparator();
    ToggleBreakpointAction = AddDebugAction(*DebugMenu, "F9");
    ClearBreakpointsAction = DebugMenu->addAction(QString());
    connect(RunAction, &QAction::triggered, Button5, &QPushButton::click);
    connect(StepAction, &QAction::triggered, Button4, &QPushButton::click);
    connect(StepBackAction, &QAction::triggered, this, &TForm1::StepBack);
    connect(RunToEndAction, &QAction::triggered, this, [this] { RunAtFullSpeed(std::nullopt); });
    connect(RunToCaretAction, &QAction::triggered, this, [this] { RunAtFullSpeed(Memo2->textCursor().blockNumber()); });
    connect(ToggleBreakpointAction, &QAction::triggered, this, [this] {
        marks_->ToggleBreakpointAtCaret();
        UpdateDebugActions();
    });
    connect(ClearBreakpointsAction, &QAction::triggered, this, [this] {
        marks_->ClearBreakpoints();
        UpdateDebugActions();
    });
    // The run-control state lives in the buttons: follow their enabled flags.
    Button4->installEventFilter(this);
    Button5->installEventFilter(this);
    // A deleted line takes its breakpoint with it. Queued: the marks are
    // looked at once the edit is over, never inside it.
    connect(Memo2->document(), &QTextDocument::contentsChanged, this, &TForm1::UpdateDebugActions,
            Qt::QueuedConnection);
    connect(Memo2->document(), &QTextDocument::contentsChanged, this, &TForm1::FollowProgramEdit, Qt::QueuedConnection);
    UpdateDebugActions();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && (watched == Button4 || watched == Button5))
        UpdateDebugActions();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::UpdateDebugActions()
{
    RunAction->setEnabled(Button5->isEnabled());
    StepAction->setEnabled(Button4->isEnabled());
    RunToEndAction->setEnabled(Button4->isEnabled());
    RunToCaretAction->setEnabled(Button4->isEnabled());
    StepBackAction->setEnabled(CanStepBack());
    ClearBreakpointsAction->setEnabled(marks_->HasBreakpoints());
}

// Back only between steps, and only to the state right after Set. A step
// still playing would move the listing after the undo.
bool TForm1::CanStepBack() const
{
    return Button4->isEnabled() && !scene_.FloatAnimation6->Running() && !history_.Empty();
}

// Undoes the last executed line, or the last loop a run at full speed
// applied at once: the machine, the register editor's lines, the registers'
// balls, the listing, the counter and the current line are as they were
// before it.
void TForm1::StepBack()
{
    if (!CanStepBack())
        return;
    const std::optional<HistoryEntry> entry = history_.TakeNewest();
    if (!entry)
        return;
    Undo(machine_, *entry);
    std::vector<int> restored;
    if (const auto* line = std::get_if<UndoRecord>(&*entry); line && line->writtenRegister != 0)
        restored.push_back(line->writtenRegister);
    if (const auto* leap = std::get_if<LeapUndo>(&*entry))
        for (const RegisterValue& old : leap->oldValues)
            restored.push_back(old.registerNumber);
    ShowRegisterLines(restored);
    machineScene_.ShowMachineState(machine_, restored, EditorLineCount(*Memo2), StepDuration());
    ShowCurrentLine();
    UpdateDebugActions();
    framePacer_->RequestFrame();
}

// Set, New and Open start the history anew.
void TForm1::ForgetHistory()
{
    history_.Clear();
    UpdateDebugActions();
}

// While a program is set, the editor shows the line at PC, the next to run:
// none once it has ended, and none once the editor no longer holds the
// program that runs, which its title then says.
void TForm1::ShowCurrentLine()
{
    const bool showsRunningProgram = machine_.CanContinue() && !programEditedSinceSet_;
    marks_->ShowCurrentLine(showsRunningProgram ? std::optional<std::int64_t>(machine_.PC) : std::nullopt);
    Label3->SetRemark(programEditedSinceSet_ ? tr("（セット後に変更）") : QString());
}

void TForm1::FollowProgramEdit()
{
    const bool edited = !machine_.Prg.empty() && !EditorHolds(*Memo2, programAtSet_);
    if (edited == programEditedSinceSet_)
        return;
    programEditedSinceSet_ = edited;
    ShowCurrentLine();
}

void TForm1::RememberProgramAtSet()
{
    programAtSet_ = Memo2->toPlainText();
    programEditedSinceSet_ = false;
}

// A run stops before a line with a breakpoint, except on its first step, so
// that "実行" on a breakpoint line goes on.
bool TForm1::StopsAtBreakpoint() const
{
    return !firstStepOfRun_ && marks_->HasBreakpoint(machine_.PC);
}

} // namespace tessivar::ui
