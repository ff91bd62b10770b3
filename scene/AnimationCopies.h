#pragma once

#include "FinishHandler.h"
#include "FloatAnimation.h"

namespace tessivar::scene {

// End handler of a copied animation: runs it Tag more times back to back,
// then frees it.
void RepeatOrFreeAnimation(void* context, SceneObject* sender);

// End handler of a ball's fall: frees the ball, and the animation with it.
void FreeAnimatedBall(void* context, SceneObject* sender);

inline FinishHandler RepeatOrFreeAnimationEvent()
{
    return FinishHandler(&RepeatOrFreeAnimation, nullptr);
}

inline FinishHandler FreeAnimatedSphereEvent()
{
    return FinishHandler(&FreeAnimatedBall, nullptr);
}

// A copy of `design` owned by `owner` and attached to `parent`, ready for its
// run-time values; the caller starts it and must not touch it after Start,
// which may free it.
FloatAnimation* CopyAnimation(const FloatAnimation& design, SceneObject& owner, SceneObject& parent);

} // namespace tessivar::scene
