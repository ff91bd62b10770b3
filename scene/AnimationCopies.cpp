#include "AnimationCopies.h"

namespace tessivar::scene {

void RepeatOrFreeAnimation(void*, SceneObject* sender)
{
    auto* animation = static_cast<FloatAnimation*>(sender);
    if (animation->Tag <= 0) {
        delete animation;
        return;
    }
    --animation->Tag;
    animation->SetDelay(0);
    animation->Start();
}

void FreeAnimatedBall(void*, SceneObject* sender)
{
    delete sender->Parent();
}

FloatAnimation* CopyAnimation(const FloatAnimation& design, SceneObject& owner, SceneObject& parent)
{
    auto* copy = design.CloneAs<FloatAnimation>(&owner);
    copy->SetParent(&parent);
    return copy;
}

} // namespace tessivar::scene
