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

bool AnimationRun::TurnAtEnd()
{
    const bool atEnd = CurrentTime >= Duration;
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

} // namespace tessivar::scene
