#include "AnimationClock.h"

#include "FloatAnimation.h"

namespace tessivar::scene {

namespace {

// Leavers outside a pass are swept out once they outnumber the registered.
constexpr std::size_t CompactionSlack = 64;

} // namespace

AnimationClock::AnimationClock(ClockDriver& driver) : driver_(driver) {}

AnimationClock::~AnimationClock()
{
    for (TFloatAnimation* animation : animations_)
        if (animation) {
            animation->clock_ = nullptr;
            animation->running_ = false;
        }
    if (timerRunning_)
        driver_.StopTimer();
}

void AnimationClock::Register(TFloatAnimation* animation)
{
    if (!inPass_ && animations_.size() > 2 * count_ + CompactionSlack)
        Compact();
    animation->clock_ = this;
    animation->clockIndex_ = static_cast<std::uint32_t>(animations_.size());
    animations_.push_back(animation);
    if (count_++ == 0) {
        previous_ = driver_.Now();
        timerRunning_ = true;
        driver_.StartTimer(IntervalMs);
    }
}

void AnimationClock::Unregister(TFloatAnimation* animation)
{
    animations_[animation->clockIndex_] = nullptr;
    animation->clock_ = nullptr;
    if (--count_ == 0) {
        timerRunning_ = false;
        driver_.StopTimer();
        if (!inPass_)
            animations_.clear();
    }
}

void AnimationClock::OnTimer()
{
    if (inPass_)
        return;
    const double now = driver_.Now();
    const double dt = now - previous_;
    previous_ = now;
    if (dt <= 0)
        return;
    // Newest first. Animations registered during the pass are appended past
    // its start and wait for the next event; leavers leave a null behind.
    inPass_ = true;
    for (std::size_t i = animations_.size(); i-- > 0;) {
        TFloatAnimation* animation = animations_[i];
        if (animation && animation->running_)
            animation->Tick(static_cast<float>(dt));
    }
    inPass_ = false;
    Compact();
}

void AnimationClock::Compact()
{
    if (animations_.size() == count_)
        return;
    std::size_t kept = 0;
    for (TFloatAnimation* animation : animations_)
        if (animation) {
            animation->clockIndex_ = static_cast<std::uint32_t>(kept);
            animations_[kept++] = animation;
        }
    animations_.resize(kept);
}

} // namespace tessivar::scene
