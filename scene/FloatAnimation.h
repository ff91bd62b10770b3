#pragma once

#include "AnimationClock.h"
#include "AnimationRun.h"
#include "Easing.h"
#include "FinishHandler.h"
#include "PlacedObject.h"
#include "SceneObject.h"

#include <cstdint>

namespace tessivar::scene {

// Drives one float property of its parent from StartValue to StopValue over
// Duration seconds along an easing curve, on the clock of the window that its
// parent chain reaches, and reports the end of each run through OnFinish.
// OnFinish may change, restart or free the animation or its parent: neither
// Start nor the clock touches the animation after the handler returns.
// Given another parent, an animation forgets its target; a run in progress
// ends there without OnFinish.
class FloatAnimation final : public SceneObject {
public:
    explicit FloatAnimation(SceneObject* owner) : SceneObject(owner) {}
    ~FloatAnimation() override;
    ObjectKind Kind() const override { return ObjectKind::FloatAnimation; }

    // Below |Duration| this, a Start runs immediately.
    static constexpr float ImmediateDuration = 0.001f;
    // Duration after an immediate run.
    static constexpr float DurationAfterImmediateRun = 0.00001f;

    // The fields that a tick reads. While the animation runs they live in
    // its clock's list: a value written then applies to the running pass.
    float StartValue() const { return Run().StartValue; }
    float StopValue() const { return Run().StopValue; }
    float Duration() const { return Run().Duration; } // seconds
    float Delay() const { return Run().Delay; } // seconds
    bool Loop() const { return Run().Loop; }
    bool AutoReverse() const { return Run().AutoReverse; }
    bool Inverse() const { return Run().Inverse; }
    EasingCurve Interpolation() const { return Run().Interpolation; }
    EasingMode AnimationType() const { return Run().AnimationType; }
    void SetStartValue(float value) { LiveRun().StartValue = value; }
    void SetStopValue(float value) { LiveRun().StopValue = value; }
    void SetDuration(float seconds) { LiveRun().Duration = seconds; }
    void SetDelay(float seconds) { LiveRun().Delay = seconds; }
    void SetLoop(bool loop) { LiveRun().Loop = loop; }
    void SetAutoReverse(bool autoReverse) { LiveRun().AutoReverse = autoReverse; }
    void SetInverse(bool inverse) { LiveRun().Inverse = inverse; }
    void SetInterpolation(EasingCurve interpolation) { LiveRun().Interpolation = interpolation; }
    void SetAnimationType(EasingMode type) { LiveRun().AnimationType = type; }

    // The fields that only Start, the design and the end of a run read.
    bool Enabled = false; // started when the design is loaded
    SharedString PropertyName; // dotted path from the parent, any case
    FinishHandler OnFinish;

    void Start();
    void Stop();

    // Run-time state, never copied.
    bool Running() const { return clock_ != nullptr; }
    float CurrentTime() const { return Run().CurrentTime; }
    float RemainingDelay() const { return Run().RemainingDelay; }
    int ReversalCount() const { return Run().Reversals; }
    // Whether the target property has been resolved (from Start to Stop).
    bool TargetResolved() const { return static_cast<bool>(target_); }

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
    void ParentChanged() override;

private:
    friend class AnimationClock;
    FloatAnimation(SceneObject* owner, const FloatAnimation& source);

    // The clock's copy while registered, else this animation's own.
    const AnimationRun& Run() const { return clock_ ? clock_->RunAt(clockIndex_) : run_; }
    AnimationRun& LiveRun() { return clock_ ? clock_->RunAt(clockIndex_) : run_; }

    bool ResolveTarget();
    bool AttachedToWindow() const;
    void RunImmediately();
    // The clock's tick reached the end of the run.
    void EndRun();
    void LeaveClock();
    void Finish();

    AnimationRun run_;
    FloatTarget target_;
    AnimationClock* clock_ = nullptr;
    std::uint32_t clockIndex_ = 0;
};

} // namespace tessivar::scene
