#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessivar::scene {

class TFloatAnimation;

// Time and a repeating timer from outside: the window drives the clock with a
// UI timer and a monotonic clock, tests by hand. On each timer event the
// driver calls AnimationClock::OnTimer().
class ClockDriver {
public:
    virtual ~ClockDriver() = default;
    // Monotonic time in seconds.
    virtual double Now() = 0;
    virtual void StartTimer(int intervalMs) = 0;
    virtual void StopTimer() = 0;
};

// The shared animation clock of one window: runs its timer only while an
// animation is registered and ticks every running animation by the elapsed
// time, from the most recently registered to the first.
class AnimationClock {
public:
    // trunc(1000 / 60 / 10) * 10 ms.
    static constexpr int IntervalMs = 10;

    explicit AnimationClock(ClockDriver& driver);
    ~AnimationClock();
    AnimationClock(const AnimationClock&) = delete;
    AnimationClock& operator=(const AnimationClock&) = delete;

    // One timer event.
    void OnTimer();

    bool TimerRunning() const { return timerRunning_; }
    // Animations registered now.
    std::size_t Count() const { return count_; }

private:
    friend class TFloatAnimation;
    void Register(TFloatAnimation* animation);
    void Unregister(TFloatAnimation* animation);
    void Compact();

    ClockDriver& driver_;
    // In order of registration; a leaver leaves a null behind until the
    // list is compacted, so a pass can go on while handlers add and remove.
    std::vector<TFloatAnimation*> animations_;
    std::size_t count_ = 0;
    double previous_ = 0;
    bool timerRunning_ = false;
    bool inPass_ = false;
};

} // namespace tessivar::scene
