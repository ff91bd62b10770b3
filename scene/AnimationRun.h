#pragma once

#include "Easing.h"

#include <cstdint>

namespace tessivar::scene {

// Everything a tick of a float animation reads or changes: the fields that
// shape its run and its run-time state, in 32 bytes. An idle animation holds
// its own; a running one lives in its clock's contiguous list, so that a
// clock pass streams through these and touches nothing else but the targets.
struct AnimationRun {
    // What a tick of a running animation comes to.
    enum class Step : std::uint8_t {
        Waiting, // the delay goes on: nothing to apply
        Moved, // a new value is due
        Ended, // the last value is due, then the run is over
    };

    float StartValue = 0;
    float StopValue = 0;
    float Duration = 0.2f; // seconds
    float Delay = 0; // seconds
    float CurrentTime = 0; // seconds into the pass
    float RemainingDelay = 0;
    EasingCurve Interpolation = EasingCurve::Linear;
    EasingMode AnimationType = EasingMode::In;
    bool Loop = false;
    bool AutoReverse = false;
    bool Inverse = false;
    std::uint8_t Reversals = 0; // turns of a non-looping auto-reverse run

    // The stored fields alone, as a copy of the animation starts out.
    AnimationRun Fields() const;

    // Starts a pass at the end that Inverse names, the delay still to wait.
    void Begin();
    // Moves to the end of the pass that Stop shows.
    void MoveToStopEnd() { CurrentTime = Inverse ? 0 : Duration; }
    // Advances by dt > 0.
    Step Tick(float dt);

    bool DelayPending() const { return Delay > 0 && RemainingDelay != 0; }
    // The value at CurrentTime: the start value while a delay is pending.
    float Value() const;
    // The value an immediate run leaves.
    float EndValue() const { return Inverse ? StartValue : StopValue; }

private:
    // At or past either end: turns, wraps or ends; false when the run is over.
    bool TurnAtEnd();
};

// A clock pass calls these for every running animation: inline.

inline AnimationRun::Step AnimationRun::Tick(float dt)
{
    if (DelayPending()) {
        RemainingDelay -= dt;
        if (RemainingDelay > 0)
            return Step::Waiting;
        // The rest of dt is dropped: the run shows its start end first.
        RemainingDelay = 0;
        CurrentTime = Inverse ? Duration : 0;
        return Step::Moved;
    }
    CurrentTime += Inverse ? -dt : dt;
    if (CurrentTime > 0 && !(CurrentTime >= Duration))
        return Step::Moved;
    return TurnAtEnd() ? Step::Moved : Step::Ended;
}

inline float AnimationRun::Value() const
{
    const float u = Duration <= 0 || DelayPending() ? 0 : CurrentTime / Duration;
    return StartValue + (StopValue - StartValue) * Ease(Interpolation, AnimationType, u);
}

} // namespace tessivar::scene
