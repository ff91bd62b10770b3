#include "RunController.h"

#include "MachineError.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "RunTarget.h"

#include <QAction>
#include <QPushButton>

namespace tessivar::ui {

namespace {

constexpr int kTickMilliseconds = 10;

} // namespace

RunController::RunController(RunControls controls, RunTarget& target, QObject* parent)
    : QObject(parent), controls_(controls), target_(target)
{
    tick_.setInterval(kTickMilliseconds);
    tick_.setSingleShot(true);
    tick_.setTimerType(Qt::PreciseTimer);
    connect(&tick_, &QTimer::timeout, this, &RunController::OnTick);
    fastRun_ = std::make_unique<FastRun>([this](StepCount step) { target_.ShowStepCount(step); },
                                         [this](FastRunResult result) { FinishFullSpeed(std::move(result)); });
    Show();
}

RunController::~RunController() = default;

void RunController::PressRun()
{
    if (state_ == RunState::FullSpeed) {
        EndFullSpeed();
        return;
    }
    // Also while a run shows its last step: "停止" then finds nothing to stop.
    if (!target_.ProgramGoesOn()) {
        ShowNothingToExecute();
        return;
    }
    Apply(RunEvent::RunPressed);
    firstStepOfRun_ = state_ == RunState::Running;
}

void RunController::Step()
{
    ExecuteStep();
}

void RunController::RunAtFullSpeed(std::optional<std::int64_t> caretLine)
{
    if (!StepAllowed())
        return;
    if (!target_.ProgramGoesOn()) {
        ShowNothingToExecute();
        return;
    }
    target_.StopShowingStep();
    std::vector<std::int64_t> stopLines = target_.BreakpointLines();
    if (caretLine)
        stopLines.push_back(*caretLine);
    Apply(RunEvent::FullSpeedStarted);
    fastRun_->Start(target_.MachineToRun(), std::move(stopLines), target_.HistoryToRecord());
}

void RunController::EndFullSpeed()
{
    if (std::optional<FastRunResult> result = fastRun_->Stop())
        FinishFullSpeed(std::move(*result));
}

void RunController::StepShown()
{
    Apply(RunEvent::StepShown);
}

void RunController::ShowTexts()
{
    Show();
}

void RunController::Shut()
{
    fastRun_->Stop();
    tick_.stop();
    disconnect(&tick_, nullptr, this, nullptr);
}

// A tick that finds nothing to run (New or Open emptied the program between
// two steps) ends the run, as the end of a program does; so does a breakpoint
// on the line it would run.
void RunController::OnTick()
{
    tick_.stop();
    if (!target_.ProgramGoesOn() || (!firstStepOfRun_ && target_.BreakpointAtNextLine())) {
        Apply(RunEvent::RunEnded);
        return;
    }
    firstStepOfRun_ = false;
    ExecuteStep();
}

// With nothing to run only the message is shown; otherwise the controls lock
// before the line runs, as its showing may end at once.
void RunController::ExecuteStep()
{
    if (!target_.ProgramGoesOn()) {
        ShowNothingToExecute();
        return;
    }
    Apply(RunEvent::StepStarted);
    if (const std::optional<QString> error = target_.ExecuteStep()) {
        // Idle first: the modal box lets other events through while it is open.
        Apply(RunEvent::StepFailed);
        ShowErrorBox(controls_.runButton->window(), *error);
    }
}

void RunController::FinishFullSpeed(FastRunResult result)
{
    target_.ShowFullSpeedResult(result);
    Apply(RunEvent::FullSpeedEnded);
    // Idle first, as after a step: the modal box lets other events through.
    if (result.outcome.error)
        ShowErrorBox(controls_.runButton->window(), MessageText(result.outcome.error->message));
}

void RunController::Apply(RunEvent event)
{
    state_ = NextRunState(state_, event, target_.ProgramGoesOn());
    Show();
}

// Setting a timer going that already goes changes nothing, so a pending tick
// is neither restarted nor cancelled.
void RunController::Show()
{
    const RunControlsShown shown = ControlsOf(state_);
    controls_.runButton->setText(shown.stopCaption ? tr("停止") : tr("実行"));
    controls_.runButton->setEnabled(shown.runEnabled);
    controls_.runAction->setEnabled(shown.runEnabled);
    for (QPushButton* button : {controls_.stepButton, controls_.setButton})
        button->setEnabled(shown.stepEnabled);
    for (QAction* action : {controls_.stepAction, controls_.runToEndAction, controls_.runToCaretAction})
        action->setEnabled(shown.stepEnabled);
    if (!shown.tickActive)
        tick_.stop();
    else if (!tick_.isActive())
        tick_.start();
    emit StateChanged(state_);
}

void RunController::ShowNothingToExecute()
{
    ShowMessage(controls_.runButton->window(), MessageText(NothingToExecuteError().message));
}

} // namespace tessivar::ui
