#pragma once

#include "FloatAnimation.h"
#include "NotifyEvent.h"

namespace tessivar::scene {

// End handler of a copied animation: runs it Tag more times back to back,
// then frees it.
void RepeatOrFreeAnimation(void* context, TFmxObject* sender);

// End handler of a ball's fall: frees the ball, and the animation with it.
void FreeAnimatedSphere(void* context, TFmxObject* sender);

inline TNotifyEvent RepeatOrFreeAnimationEvent()
{
    return TNotifyEvent(&RepeatOrFreeAnimation, nullptr);
}

inline TNotifyEvent FreeAnimatedSphereEvent()
{
    return TNotifyEvent(&FreeAnimatedSphere, nullptr);
}

// A copy of `design` owned by `owner` and attached to `parent`, ready for its
// run-time values; the caller starts it and must not touch it after Start,
// which may free it.
TFloatAnimation* CopyAnimation(const TFloatAnimation& design, TFmxObject& owner, TFmxObject& parent);

} // namespace tessivar::scene
