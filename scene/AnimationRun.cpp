#include "AnimationRun.h"

namespace tessivar::scene {

AnimationRun AnimationRun::Fields() const
{
    AnimationRun fields = *this;
    fields.CurrentTime = 0;
    fields.RemainingDelay = 0;
    fields.Reversals = 0;
    return fields;
}

void AnimationRun::Begin()
{
    RemainingDelay = Delay;
    CurrentTime = Inverse ? Duration : 0;
}

AnimationRun::Step AnimationRun::Tick(float dt)
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
    return TurnAtEnd() ? Step::Moved : Step::Ended;
}

bool AnimationRun::TurnAtEnd()
{
    const bool atEnd = CurrentTime >= Duration;
    if (!atEnd && CurrentTime > 0)
        return true;
    // At the end the run turns back (Inverse on) or wraps to the start; at
    // the start it turns forward again (Inverse off) or wraps to the end.
    CurrentTime = atEnd ? Duration : 0;
    if (Loop) {
        if (AutoReverse)
            Inverse = atEnd;
        else
            CurrentTime = atEnd ? 0 : Duration;
        return true;
    }
    if (AutoReverse && Reversals == 0) {
        Reversals = 1;
        Inverse = atEnd;
        return true;
    }
    return false;
}

float AnimationRun::Value() const
{
    const float u = Duration <= 0 || DelayPending() ? 0 : CurrentTime / Duration;
    return StartValue + (StopValue - StartValue) * Ease(Interpolation, AnimationType, u);
}

} // namespace tessivar::scene
