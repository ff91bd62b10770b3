// Run control: when the machine executes a line. A run is a chain of events
// (tick, step, end of the step's listing scroll, tick 10 ms later), so the
// window stays responsive between steps. The run state lives in the caption
// of runButton, runTick and the buttons' enabled flags.
#include "MainWindow.h"

#include "MessageBoxes.h"
#include "MessageText.h"
#include "NotifyEvent.h"

#include <QPushButton>
#include <QTimer>

namespace tessivar::ui {

void MainWindow::BindAnimationEnds()
{
    using scene::TNotifyEvent;
    scene_.FloatAnimation4->OnFinish = TNotifyEvent::Of<&MainWindow::OnCameraPanFinished>(this);
    scene_.FloatAnimation5->OnFinish = TNotifyEvent::Of<&MainWindow::OnListingClearFinished>(this);
    scene_.FloatAnimation6->OnFinish = TNotifyEvent::Of<&MainWindow::OnStepShown>(this);
    scene_.FloatAnimation7->OnFinish = TNotifyEvent::Of<&MainWindow::OnHighlightFinished>(this);
}

// As a timer's Enabled flag: setting the value it has changes nothing, so a
// pending tick is neither restarted nor cancelled.
void MainWindow::EnableRunTick(bool enabled)
{
    if (enabled == runTick->isActive())
        return;
    if (enabled)
        runTick->start();
    else
        runTick->stop();
}

// Any caption but "実行" counts as running: the one shown, in the language
// the texts were last shown in.
bool MainWindow::Running() const
{
    return runButton->text() != runCaption_;
}

void MainWindow::OnStepClicked()
{
    ExecuteStep();
}

void MainWindow::OnRunClicked()
{
    if (fastRun_->Active()) {
        EndFastRun();
        return;
    }
    if (!machine_.CanContinue()) {
        ShowMessage(this, MessageText(NothingToExecuteError().message));
        return;
    }
    runButton->setText(Running() ? runCaption_ : StopCaption());
    firstStepOfRun_ = Running();
    EnableRunTick(Running());
    setButton->setEnabled(!Running());
    stepButton->setEnabled(!Running());
    PaceFrames();
}

// A tick that finds nothing to run (New or Open emptied the program between
// two steps) ends the run, as the end of a program does; so does a breakpoint
// on the line it would run.
void MainWindow::OnRunTick()
{
    runTick->stop();
    if (!machine_.CanContinue() || StopsAtBreakpoint()) {
        ReturnToIdle();
        return;
    }
    firstStepOfRun_ = false;
    ExecuteStep();
}

// Only the pan's direction flag is reset, so that the next pan runs forward.
void MainWindow::OnCameraPanFinished(scene::TFmxObject*)
{
    scene_.FloatAnimation4->SetInverse(false);
}

void MainWindow::OnListingClearFinished(scene::TFmxObject*)
{
    scene_.Text3D4->SetText("");
}

// The end of a step: the controls come back, and a run goes on.
void MainWindow::OnStepShown(scene::TFmxObject*)
{
    if (!machine_.CanContinue())
        runButton->setText(runCaption_);
    EnableRunTick(Running());
    setButton->setEnabled(!Running());
    runButton->setEnabled(true);
    stepButton->setEnabled(!Running());
    // Step back waits for the step's end, which changes no button when stopping.
    UpdateDebugActions();
    PaceFrames();
}

void MainWindow::OnHighlightFinished(scene::TFmxObject*)
{
    scene_.Plane3->SetVisible(false);
}

// The start of every step: with nothing to run only the message is shown;
// otherwise the controls lock until the step's listing scroll has ended, but
// "停止" stays usable during a run.
bool MainWindow::StepEntry()
{
    if (!machine_.CanContinue()) {
        ShowMessage(this, MessageText(NothingToExecuteError().message));
        return false;
    }
    setButton->setEnabled(false);
    runButton->setEnabled(Running());
    stepButton->setEnabled(false);
    return true;
}

// A step that cannot be carried out or a run with nothing left to run ends
// where the end of a program does.
void MainWindow::ReturnToIdle()
{
    runButton->setText(runCaption_);
    runTick->stop();
    setButton->setEnabled(true);
    runButton->setEnabled(true);
    stepButton->setEnabled(true);
    PaceFrames();
}

// A run at full speed holds the controls as a run does, without the tick.
void MainWindow::EnterFastRunState()
{
    runButton->setText(StopCaption());
    EnableRunTick(false);
    setButton->setEnabled(false);
    stepButton->setEnabled(false);
    runButton->setEnabled(true);
    PaceFrames();
}

} // namespace tessivar::ui
