// The Debug menu: the run and step buttons under the usual debugger keys,
// breakpoints in the program editor, and the current line there. Nothing of
// it changes what Set, steps and runs do when it is not used.
#include "MainWindow.h"

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

void MainWindow::CreateDebugMenu()
{
    marks_ = std::make_unique<ProgramEditorMarks>(*programEditor);
    debugMenu = mainMenu->addMenu(QString());
    runAction = AddDebugAction(*debugMenu, "F5");
    stepAction = AddDebugAction(*debugMenu, "F10");
    stepBackAction = AddDebugAction(*debugMenu, "F7");
    debugMenu->addSeparator();
    runToEndAction = AddDebugAction(*debugMenu, "Ctrl+F5");
    runToCaretAction = AddDebugAction(*debugMenu, "Ctrl+F10");
    debugMenu->addSeparator();
    toggleBreakpointAction = AddDebugAction(*debugMenu, "F9");
    clearBreakpointsAction = debugMenu->addAction(QString());
}

// Once the run controller exists: most of the menu's actions are its own.
void MainWindow::BindDebugMenu()
{
    connect(runAction, &QAction::triggered, runButton, &QPushButton::click);
    connect(stepAction, &QAction::triggered, stepButton, &QPushButton::click);
    connect(stepBackAction, &QAction::triggered, this, &MainWindow::StepBack);
    connect(runToEndAction, &QAction::triggered, this, [this] { run_->RunAtFullSpeed(std::nullopt); });
    connect(runToCaretAction, &QAction::triggered, this,
            [this] { run_->RunAtFullSpeed(programEditor->textCursor().blockNumber()); });
    connect(toggleBreakpointAction, &QAction::triggered, this, [this] {
        marks_->ToggleBreakpointAtCaret();
        UpdateDebugActions();
    });
    connect(clearBreakpointsAction, &QAction::triggered, this, [this] {
        marks_->ClearBreakpoints();
        UpdateDebugActions();
    });
    // A deleted line takes its breakpoint with it. Queued: the marks are
    // looked at once the edit is over, never inside it.
    connect(programEditor->document(), &QTextDocument::contentsChanged, this, &MainWindow::UpdateDebugActions,
            Qt::QueuedConnection);
    connect(programEditor->document(), &QTextDocument::contentsChanged, this, &MainWindow::FollowProgramEdit,
            Qt::QueuedConnection);
    UpdateDebugActions();
}

void MainWindow::UpdateDebugActions()
{
    stepBackAction->setEnabled(CanStepBack());
    clearBreakpointsAction->setEnabled(marks_->HasBreakpoints());
}

// Back only between steps, and only to the state right after Set. A step
// still playing would move the listing after the undo.
bool MainWindow::CanStepBack() const
{
    return run_->StepAllowed() && !scene_.FloatAnimation6->Running() && !history_.Empty();
}

// Undoes the last executed line, or the last loop a run at full speed
// applied at once: the machine, the register editor's lines, the registers'
// balls, the listing, the counter and the current line are as they were
// before it.
void MainWindow::StepBack()
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
    machineScene_.ShowMachineState(machine_, restored, EditorLineCount(*programEditor), StepDuration());
    ShowCurrentLine();
    UpdateDebugActions();
    framePacer_->RequestFrame();
}

// Set, New and Open start the history anew.
void MainWindow::ForgetHistory()
{
    history_.Clear();
    UpdateDebugActions();
}

// While a program is set, the editor shows the line at PC, the next to run:
// none once it has ended, and none once the editor no longer holds the
// program that runs, which its title then says.
void MainWindow::ShowCurrentLine()
{
    const bool showsRunningProgram = machine_.CanContinue() && !programEditedSinceSet_;
    marks_->ShowCurrentLine(showsRunningProgram ? std::optional<std::int64_t>(machine_.PC) : std::nullopt);
    pathLabel->SetRemark(programEditedSinceSet_ ? tr("（セット後に変更）") : QString());
}

void MainWindow::FollowProgramEdit()
{
    const bool edited = !machine_.Prg.empty() && !EditorHolds(*programEditor, programAtSet_);
    if (edited == programEditedSinceSet_)
        return;
    programEditedSinceSet_ = edited;
    ShowCurrentLine();
}

void MainWindow::RememberProgramAtSet()
{
    programAtSet_ = programEditor->toPlainText();
    programEditedSinceSet_ = false;
}

} // namespace tessivar::ui
