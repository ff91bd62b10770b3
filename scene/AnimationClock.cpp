#include "AnimationClock.h"

#include "FloatAnimation.h"

namespace tessivar::scene {

namespace {

// Holes left by leavers are swept out once they pass a quarter of the live
// entries (plus this slack): a pass skips few holes, and each sweep, which
// moves every entry after the first hole, is paid for by many leavers.
constexpr std::size_t CompactionSlack = 64;

} // namespace

AnimationClock::AnimationClock(ClockDriver& driver) : driver_(driver)
{}

AnimationClock::~AnimationClock()
{
    for (Entry& entry : entries_)
        if (entry.animation) {
            entry.animation->run_ = entry.run;
            entry.animation->clock_ = nullptr;
        }
    if (timerRunning_)
        driver_.StopTimer();
}

void AnimationClock::Register(FloatAnimation* animation)
{
    if (!inPass_)
        CompactIfSparse();
    animation->clock_ = this;
    animation->clockIndex_ = static_cast<std::uint32_t>(entries_.size());
    entries_.push_back({animation->run_, animation->target_, animation});
    if (count_++ == 0) {
        previous_ = driver_.Now();
        timerRunning_ = true;
        driver_.StartTimer(IntervalMs);
    }
}

void AnimationClock::Unregister(FloatAnimation* animation)
{
    Entry& entry = entries_[animation->clockIndex_];
    animation->run_ = entry.run;
    animation->clock_ = nullptr;
    entry.animation = nullptr;
    if (--count_ == 0) {
        timerRunning_ = false;
        driver_.StopTimer();
        if (!inPass_)
            entries_.clear();
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
    // its start and wait for the next event; leavers leave a hole behind.
    inPass_ = true;
    for (std::size_t i = entries_.size(); i-- > 0;)
        if (entries_[i].animation)
            Tick(i, static_cast<float>(dt));
    inPass_ = false;
    CompactIfSparse();
}

void AnimationClock::Tick(std::size_t index, float dt)
{
    // The target's object is the parent (a new parent takes the animation off).
    Entry& entry = entries_[index];
    if (!entry.target.Object->Visible()) {
        entry.animation->Stop();
        return;
    }
    const AnimationRun::Step step = entry.run.Tick(dt);
    if (step == AnimationRun::Step::Waiting)
        return;
    entry.target.Set(entry.run.Value());
    // Last: the handler may add entries and so move them all.
    if (step == AnimationRun::Step::Ended)
        entry.animation->EndRun();
}

void AnimationClock::CompactIfSparse()
{
    const std::size_t holes = entries_.size() - count_;
    if (holes <= count_ / 4 + CompactionSlack)
        return;
    std::size_t kept = 0;
    for (Entry& entry : entries_)
        if (entry.animation) {
            entry.animation->clockIndex_ = static_cast<std::uint32_t>(kept);
            entries_[kept++] = entry;
        }
    entries_.resize(kept);
}

} // namespace tessivar::scene
