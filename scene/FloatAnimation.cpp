#include "FloatAnimation.h"

#include "SceneRoot.h"

#include <cmath>

namespace tessivar::scene {

FloatAnimation::FloatAnimation(SceneObject* owner, const FloatAnimation& source)
    : SceneObject(owner),
      Enabled(source.Enabled),
      PropertyName(source.PropertyName),
      OnFinish(source.OnFinish),
      run_(source.Run().Fields())
{}

FloatAnimation::~FloatAnimation()
{
    LeaveClock();
}

SceneObject* FloatAnimation::CloneSelf(SceneObject* owner) const
{
    return new FloatAnimation(owner, *this);
}

void FloatAnimation::ParentChanged()
{
    // The resolved target lives in the old parent: forget it, and a run that
    // was driving it ends quietly.
    target_ = {};
    LeaveClock();
}

void FloatAnimation::Start()
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

void FloatAnimation::Stop()
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

bool FloatAnimation::ResolveTarget()
{
    if (!target_ && Parent())
        target_ = Parent()->FindFloatProperty(PropertyName.View());
    return static_cast<bool>(target_);
}

bool FloatAnimation::AttachedToWindow() const
{
    return Root() && Root()->Clock();
}

void FloatAnimation::RunImmediately()
{
    LeaveClock();
    run_.RemainingDelay = 0;
    target_.Set(run_.EndValue());
    run_.CurrentTime = 0;
    run_.Duration = DurationAfterImmediateRun;
    Finish();
}

void FloatAnimation::EndRun()
{
    LeaveClock();
    Finish();
}

void FloatAnimation::LeaveClock()
{
    if (clock_)
        clock_->Unregister(this);
}

void FloatAnimation::Finish()
{
    // The handler may free this animation: nothing here touches it afterwards.
    const FinishHandler handler = OnFinish;
    if (handler)
        handler(this);
}

} // namespace tessivar::scene
