#include "FloatAnimation.h"

#include "Viewport3D.h"

#include <cmath>

namespace tessivar::scene {

TFloatAnimation::TFloatAnimation(TFmxObject* owner, const TFloatAnimation& source)
    : TFmxObject(owner),
      Enabled(source.Enabled),
      PropertyName(source.PropertyName),
      OnFinish(source.OnFinish),
      run_(source.Run().Fields())
{}

TFloatAnimation::~TFloatAnimation()
{
    LeaveClock();
}

TFmxObject* TFloatAnimation::CloneSelf(TFmxObject* owner) const
{
    return new TFloatAnimation(owner, *this);
}

void TFloatAnimation::ParentChanged()
{
    // The resolved target lives in the old parent: forget it, and a run that
    // was driving it ends quietly.
    target_ = {};
    LeaveClock();
}

void TFloatAnimation::Start()
{
    if (!ResolveTarget())
        return;
    AnimationRun& run = LiveRun();
    if (!run.Loop)
        run.Reversals = 0;
    if (!Parent()->Visible())
        return;
    if (std::fabs(run.Duration) < ImmediateDuration || !AttachedToWindow()) {
        RunImmediately();
        return;
    }
    run.Begin();
    if (run.Delay == 0)
        target_.Set(run.Value());
    AnimationClock* clock = Root()->Clock();
    if (clock_ != clock) {
        LeaveClock();
        clock->Register(this);
    }
}

void TFloatAnimation::Stop()
{
    if (!Running())
        return;
    LeaveClock();
    run_.MoveToStopEnd();
    target_.Set(run_.Value());
    // Forgotten before the handler, which may start the animation again.
    target_ = {};
    Finish();
}

bool TFloatAnimation::ResolveTarget()
{
    if (!target_ && Parent())
        target_ = Parent()->FindFloatProperty(PropertyName.View());
    return static_cast<bool>(target_);
}

bool TFloatAnimation::AttachedToWindow() const
{
    return Root() && Root()->Clock();
}

void TFloatAnimation::RunImmediately()
{
    LeaveClock();
    run_.RemainingDelay = 0;
    target_.Set(run_.EndValue());
    run_.CurrentTime = 0;
    run_.Duration = DurationAfterImmediateRun;
    Finish();
}

void TFloatAnimation::EndRun()
{
    LeaveClock();
    Finish();
}

void TFloatAnimation::LeaveClock()
{
    if (clock_)
        clock_->Unregister(this);
}

void TFloatAnimation::Finish()
{
    // The handler may free this animation: nothing here touches it afterwards.
    const TNotifyEvent handler = OnFinish;
    if (handler)
        handler(this);
}

} // namespace tessivar::scene
