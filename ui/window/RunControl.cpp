// Run control: when the machine executes a line. A run is a chain of events
// (tick, step, end of the step's listing scroll, tick 10 ms later), so the
// window stays responsive between steps. The run state lives in the caption
// of Button5, Timer1 and the buttons' enabled flags.
#include "Unit1.h"

#include "MessageBoxes.h"
#include "MessageText.h"
#include "NotifyEvent.h"

#include <QPushButton>
#include <QTimer>

namespace tessivar::ui {

void TForm1::BindAnimationEnds()
{
    using scene::TNotifyEvent;
    scene_.FloatAnimation4->OnFinish = TNotifyEvent::Of<&TForm1::FloatAnimation4Finish>(this);
    scene_.FloatAnimation5->OnFinish = TNotifyEvent::Of<&TForm1::FloatAnimation5Finish>(this);
    scene_.FloatAnimation6->OnFinish = TNotifyEvent::Of<&TForm1::FloatAnimation6Finish>(this);
    scene_.FloatAnimation7->OnFinish = TNotifyEvent::Of<&TForm1::FloatAnimation7Finish>(this);
}

// As a timer's Enabled flag: setting the value it has changes nothing, so a
// pending tick is neither restarted nor cancelled.
void TForm1::EnableTimer1(bool enabled)
{
    if (enabled == Timer1->isActive())
        return;
    if (enabled)
        Timer1->start();
    else
        Timer1->stop();
}

// Any caption but "実行" counts as running: the one shown, in the language
// the texts were last shown in.
bool TForm1::Running() const
{
    return Button5->text() != runCaption_;
}

void TForm1::Button4Click()
{
    ExecuteStep();
}

void TForm1::Button5Click()
{
    if (fastRun_->Active()) {
        EndFastRun();
        return;
    }
    if (!machine_.CanContinue()) {
        ShowMessage(this, MessageText(NothingToExecuteError().message));
        return;
    }
    Button5->setText(Running() ? runCaption_ : StopCaption());
    firstStepOfRun_ = Running();
    EnableTimer1(Running());
    Button2->setEnabled(!Running());
    Button4->setEnabled(!Running());
    PaceFrames();
}

// A tick that finds nothing to run (New or Open emptied the program between
// two steps) ends the run, as the end of a program does; so does a breakpoint
// on the line it would run.
void TForm1::Timer1Timer()
{
    Timer1->stop();
    if (!machine_.CanContinue() || StopsAtBreakpoint()) {
        ReturnToIdle();
        return;
    }
    firstStepOfRun_ = false;
    ExecuteStep();
}

// Only the pan's direction flag is reset, so that the next pan runs forward.
void TForm1::FloatAnimation4Finish(scene::TFmxObject*)
{
    scene_.FloatAnimation4->SetInverse(false);
}

void TForm1::FloatAnimation5Finish(scene::TFmxObject*)
{
    scene_.Text3D4->SetText("");
}

// The end of a step: the controls come back, and a run goes on.
void TForm1::FloatAnimation6Finish(scene::TFmxObject*)
{
    if (!machine_.CanContinue())
        Button5->setText(runCaption_);
    EnableTimer1(Running());
    Button2->setEnabled(!Running());
    Button5->setEnabled(true);
    Button4->setEnabled(!Running());
    // Step back waits for the step's end, which changes no button when stopping.
    UpdateDebugActions();
    PaceFrames();
}

void TForm1::FloatAnimation7Finish(scene::TFmxObject*)
{
    scene_.Plane3->SetVisible(false);
}

// The start of every step: with nothing to run only the message is shown;
// otherwise the controls lock until the step's listing scroll has ended, but
// "停止" stays usable during a run.
bool TForm1::StepEntry()
{
    if (!machine_.CanContinue()) {
        ShowMessage(this, MessageText(NothingToExecuteError().message));
        return false;
    }
    Button2->setEnabled(false);
    Button5->setEnabled(Running());
    Button4->setEnabled(false);
    return true;
}

// A step that cannot be carried out or a run with nothing left to run ends
// where the end of a program does.
void TForm1::ReturnToIdle()
{
    Button5->setText(runCaption_);
    Timer1->stop();
    Button2->setEnabled(true);
    Button5->setEnabled(true);
    Button4->setEnabled(true);
    PaceFrames();
}

// A run at full speed holds the controls as a run does, without the tick.
void TForm1::EnterFastRunState()
{
    Button5->setText(StopCaption());
    EnableTimer1(false);
    Button2->setEnabled(false);
    Button4->setEnabled(false);
    Button5->setEnabled(true);
    PaceFrames();
}

} // namespace tessivar::ui
