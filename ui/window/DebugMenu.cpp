// The Debug menu: the run and step buttons under the usual debugger keys,
// breakpoints in the program editor, and the current line there. Nothing of
// it changes what Set, steps and runs do when it is not used.
#include "MainWindow.h"

#include "Debugger.h"
#include "EditorLines.h"
#include "FramePacer.h"
#include "PathLabel.h"
#include "Shortcuts.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace tessivar::ui {

namespace {

QAction* AddDebugAction(QMenu& menu, Command command)
{
    QAction* action = menu.addAction(QString());
    BindKeys(*action, command);
    return action;
}

} // namespace

void MainWindow::CreateDebugMenu()
{
    debugger_ = std::make_unique<Debugger>(*programEditor, machine_);
    connect(debugger_.get(), &Debugger::Changed, this, &MainWindow::UpdateDebugActions);
    connect(debugger_.get(), &Debugger::RemarkChanged, pathLabel, &PathLabel::SetRemark);
    debugMenu = mainMenu->addMenu(QString());
    runAction = AddDebugAction(*debugMenu, Command::RunOrStop);
    stepAction = AddDebugAction(*debugMenu, Command::Step);
    stepBackAction = AddDebugAction(*debugMenu, Command::StepBack);
    debugMenu->addSeparator();
    runToEndAction = AddDebugAction(*debugMenu, Command::RunToEnd);
    runToCaretAction = AddDebugAction(*debugMenu, Command::RunToCaret);
    debugMenu->addSeparator();
    toggleBreakpointAction = AddDebugAction(*debugMenu, Command::ToggleBreakpoint);
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
    connect(toggleBreakpointAction, &QAction::triggered, debugger_.get(), &Debugger::ToggleBreakpointAtCaret);
    connect(clearBreakpointsAction, &QAction::triggered, debugger_.get(), &Debugger::ClearBreakpoints);
    UpdateDebugActions();
}

void MainWindow::UpdateDebugActions()
{
    stepBackAction->setEnabled(CanStepBack());
    clearBreakpointsAction->setEnabled(debugger_->HasBreakpoints());
}

// Back only between steps, and only to the state right after Set. A step
// still playing would move the listing after the undo.
bool MainWindow::CanStepBack() const
{
    return run_->StepAllowed() && !scene_.ListingScroll->Running() && debugger_->HasHistory();
}

// Undoes the last executed line, or the last loop a run at full speed
// applied at once: the machine, the register editor's lines, the registers'
// balls, the listing, the counter and the current line are as they were
// before it.
void MainWindow::StepBack()
{
    if (!CanStepBack())
        return;
    const std::optional<std::vector<int>> restored = debugger_->StepBack(machine_);
    if (!restored)
        return;
    ShowRegisterLines(*restored);
    machineScene_.ShowMachineState(machine_, *restored, EditorLineCount(*programEditor), StepDuration());
    debugger_->ShowCurrentLine();
    UpdateDebugActions();
    framePacer_->RequestFrame();
}

} // namespace tessivar::ui
