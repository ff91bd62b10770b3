#pragma once

#include "Control3D.h"
#include "Easing.h"
#include "NotifyEvent.h"
#include "SceneObject.h"

#include <cstdint>

namespace tessivar::scene {

class AnimationClock;

// Drives one float property of its parent from StartValue to StopValue over
// Duration seconds along an easing curve, on the clock of the window that its
// parent chain reaches, and reports the end of each run through OnFinish.
// OnFinish may change, restart or free the animation or its parent: neither
// Start nor the clock touches the animation after the handler returns.
// Given another parent, an animation forgets its target; a run in progress
// ends there without OnFinish.
class TFloatAnimation final : public TFmxObject {
public:
    explicit TFloatAnimation(TFmxObject* owner) : TFmxObject(owner) {}
    ~TFloatAnimation() override;
    TObjectKind Kind() const override { return TObjectKind::FloatAnimation; }

    // Below |Duration| this, a Start runs immediately.
    static constexpr float ImmediateDuration = 0.001f;
    // Duration after an immediate run.
    static constexpr float DurationAfterImmediateRun = 0.00001f;

    // The fields of the data model. Those a tick reads come first, next to
    // the run-time state, so that the clock pass reads one or two cache lines
    // per animation.
    float StartValue = 0;
    float StopValue = 0;
    float Duration = 0.2f;       // seconds
    float Delay = 0;             // seconds
    bool Loop = false;
    bool AutoReverse = false;
    bool Inverse = false;
    bool Enabled = false;        // started when the design is loaded
    TInterpolationType Interpolation = TInterpolationType::Linear;
    TAnimationType AnimationType = TAnimationType::In;

private:
    // Run-time state, never copied.
    std::uint8_t reversals_ = 0;
    bool running_ = false;
    float currentTime_ = 0;
    float remainingDelay_ = 0;
    FloatTarget target_;

public:
    SharedString PropertyName;   // dotted path from the parent, any case
    TNotifyEvent OnFinish;

    void Start();
    void Stop();

    bool Running() const { return running_; }
    float CurrentTime() const { return currentTime_; }
    float RemainingDelay() const { return remainingDelay_; }
    int ReversalCount() const { return reversals_; }
    // Whether the target property has been resolved (from Start to Stop).
    bool TargetResolved() const { return static_cast<bool>(target_); }

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
    void ParentChanged() override;

private:
    friend class AnimationClock;
    TFloatAnimation(TFmxObject* owner, const TFloatAnimation& source);

    bool ResolveTarget();
    bool AttachedToWindow() const;
    void RunImmediately();
    void Tick(float dt);
    void EndOfPass();
    float NormalisedTime() const;
    void ApplyValue() const;
    void LeaveClock();
    void Finish();

    AnimationClock* clock_ = nullptr;
    std::uint32_t clockIndex_ = 0;
};

} // namespace tessivar::scene
