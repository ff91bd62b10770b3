#include "FloatAnimation.h"

#include "AnimationClock.h"
#include "Viewport3D.h"

#include <cmath>

namespace tessivar::scene {

TFloatAnimation::TFloatAnimation(TFmxObject* owner, const TFloatAnimation& source)
    : TFmxObject(owner),
      StartValue(source.StartValue),
      StopValue(source.StopValue),
      Duration(source.Duration),
      Delay(source.Delay),
      Loop(source.Loop),
      AutoReverse(source.AutoReverse),
      Inverse(source.Inverse),
      Enabled(source.Enabled),
      Interpolation(source.Interpolation),
      AnimationType(source.AnimationType),
      PropertyName(source.PropertyName),
      OnFinish(source.OnFinish)
{
    Tag = source.Tag;
}

TFloatAnimation::~TFloatAnimation() { LeaveClock(); }

TFmxObject* TFloatAnimation::CloneSelf(TFmxObject* owner) const { return new TFloatAnimation(owner, *this); }

void TFloatAnimation::ParentChanged()
{
    // The resolved target lives in the old parent: forget it, and a run that
    // was driving it ends quietly.
    target_ = {};
    LeaveClock();
    running_ = false;
}

void TFloatAnimation::Start()
{
    if (!ResolveTarget())
        return;
    if (!Loop)
        reversals_ = 0;
    if (!Parent()->Visible())
        return;
    if (std::fabs(Duration) < ImmediateDuration || !AttachedToWindow()) {
        RunImmediately();
        return;
    }
    remainingDelay_ = Delay;
    running_ = true;
    currentTime_ = Inverse ? Duration : 0;
    if (Delay == 0)
        ApplyValue();
    AnimationClock* clock = Root()->Clock();
    if (clock_ != clock) {
        LeaveClock();
        clock->Register(this);
    }
}

void TFloatAnimation::Stop()
{
    if (!running_)
        return;
    LeaveClock();
    currentTime_ = Inverse ? 0 : Duration;
    ApplyValue();
    running_ = false;
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

bool TFloatAnimation::AttachedToWindow() const { return Root() && Root()->Clock(); }

void TFloatAnimation::RunImmediately()
{
    remainingDelay_ = 0;
    target_.Set(Inverse ? StartValue : StopValue);
    LeaveClock();
    running_ = false;
    currentTime_ = 0;
    Duration = DurationAfterImmediateRun;
    Finish();
}

void TFloatAnimation::Tick(float dt)
{
    // The target's object is the parent (a new parent forgets the target).
    if (!target_.Object->Visible()) {
        Stop();
        return;
    }
    if (Delay > 0 && remainingDelay_ != 0) {
        remainingDelay_ -= dt;
        if (remainingDelay_ > 0)
            return;
        remainingDelay_ = 0;
        currentTime_ = Inverse ? Duration : 0;
        ApplyValue();
        return;
    }
    currentTime_ += Inverse ? -dt : dt;
    EndOfPass();
    ApplyValue();
    if (!running_) {
        LeaveClock();
        Finish();
    }
}

void TFloatAnimation::EndOfPass()
{
    const bool atEnd = currentTime_ >= Duration;
    if (!atEnd && currentTime_ > 0)
        return;
    // At the end the run turns back (Inverse on) or wraps to the start; at
    // the start it turns forward again (Inverse off) or wraps to the end.
    currentTime_ = atEnd ? Duration : 0;
    if (Loop) {
        if (AutoReverse)
            Inverse = atEnd;
        else
            currentTime_ = atEnd ? 0 : Duration;
    } else if (AutoReverse && reversals_ == 0) {
        reversals_ = 1;
        Inverse = atEnd;
    } else {
        running_ = false;
    }
}

float TFloatAnimation::NormalisedTime() const
{
    const bool delayPending = Delay > 0 && remainingDelay_ != 0;
    return Duration <= 0 || delayPending ? 0 : currentTime_ / Duration;
}

void TFloatAnimation::ApplyValue() const
{
    target_.Set(StartValue + (StopValue - StartValue) * Ease(Interpolation, AnimationType, NormalisedTime()));
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
