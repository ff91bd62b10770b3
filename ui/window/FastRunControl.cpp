// Runs at full speed: the machine runs on a thread of its own, with loops
// summarised, while the window goes on answering and the counter follows;
// at the end the window shows the state as if every line had been stepped.
#include "MainWindow.h"

#include "EditorLines.h"
#include "FramePacer.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "ProgramEditorMarks.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tessivar::ui {

void MainWindow::CreateFastRun()
{
    fastRun_ = std::make_unique<FastRun>(
        [this](StepCount step) {
            machineScene_.ShowStepCount(step);
            framePacer_->RequestFrame();
        },
        [this](FastRunResult result) { ShowFastRunResult(std::move(result)); });
}

// Possible exactly when a step is. The run stops before breakpoint lines and
// before `caretLine`, but not on the line it starts on.
void MainWindow::RunAtFullSpeed(std::optional<std::int64_t> caretLine)
{
    if (!stepButton->isEnabled())
        return;
    if (!machine_.CanContinue()) {
        ShowMessage(this, MessageText(NothingToExecuteError().message));
        return;
    }
    // A stopped step still playing would scroll the listing after the run.
    scene_.FloatAnimation6->Stop();
    std::vector<std::int64_t> stopLines = marks_->BreakpointLines();
    if (caretLine)
        stopLines.push_back(*caretLine);
    EnterFastRunState();
    fastRun_->Start(machine_, std::move(stopLines), history_);
    // Paced again now that the run goes on: it leaves frames their usual share.
    PaceFrames();
}

// "停止", and whatever replaces the program or the machine, ends a run at
// full speed where it has got to.
void MainWindow::EndFastRun()
{
    if (std::optional<FastRunResult> result = fastRun_->Stop())
        ShowFastRunResult(std::move(*result));
}

void MainWindow::ShowFastRunResult(FastRunResult result)
{
    machine_.Reg = result.machine.Reg;
    machine_.PC = result.machine.PC;
    machine_.Step = result.machine.Step;
    std::vector<int> changed;
    for (int number = 1; number <= kRegisterCount; ++number)
        if (result.outcome.written[static_cast<std::size_t>(number - 1)])
            changed.push_back(number);
    ShowRegisterLines(changed);
    machineScene_.ShowMachineState(machine_, changed, EditorLineCount(*programEditor), StepDuration());
    ShowCurrentLine();
    ReturnToIdle();
    UpdateDebugActions();
    framePacer_->RequestFrame();
    // Idle first, as after a step: the modal box lets other events through.
    if (result.outcome.error)
        ShowErrorBox(this, MessageText(result.outcome.error->message));
}

} // namespace tessivar::ui
