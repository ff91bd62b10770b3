#pragma once

#include "AnimationRun.h"
#include "PlacedObject.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessivar::scene {

class FloatAnimation;

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
    friend class FloatAnimation;

    // A registered animation: its run, where its value goes, and the
    // animation itself for the rare ends of a run (nullptr once it left).
    struct Entry {
        AnimationRun run;
        FloatTarget target;
        FloatAnimation* animation;
    };

    void Register(FloatAnimation* animation);
    // Hands the run back to the animation.
    void Unregister(FloatAnimation* animation);
    AnimationRun& RunAt(std::uint32_t index) { return entries_[index].run; }
    void Tick(std::size_t index, float dt);
    void CompactIfSparse();

    ClockDriver& driver_;
    // In order of registration; a leaver leaves a hole behind until the list
    // is compacted, so a pass can go on while handlers add and remove.
    std::vector<Entry> entries_;
    std::size_t count_ = 0;
    double previous_ = 0;
    bool timerRunning_ = false;
    bool inPass_ = false;
};

} // namespace tessivar::scene
