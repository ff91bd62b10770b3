#include "AnimationCopies.h"

namespace tessivar::scene {

void RepeatOrFreeAnimation(void*, TFmxObject* sender)
{
    auto* animation = static_cast<TFloatAnimation*>(sender);
    if (animation->Tag <= 0) {
        delete animation;
        return;
    }
    --animation->Tag;
    animation->SetDelay(0);
    animation->Start();
}

void FreeAnimatedSphere(void*, TFmxObject* sender)
{
    delete sender->Parent();
}

TFloatAnimation* CopyAnimation(const TFloatAnimation& design, TFmxObject& owner, TFmxObject& parent)
{
    auto* copy = design.CloneAs<TFloatAnimation>(&owner);
    copy->SetParent(&parent);
    return copy;
}

} // namespace tessivar::scene
