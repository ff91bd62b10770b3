#pragma once

#include "AnimationClock.h"
#include "FloatAnimation.h"
#include "Objects3D.h"
#include "Viewport3D.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessivar::scene::testing {

// A clock driver that the test moves by hand.
class ManualClockDriver : public ClockDriver {
public:
    double now = 1000;
    bool timerOn = false;
    int interval = 0;
    int starts = 0;
    int stops = 0;

    double Now() override { return now; }
    void StartTimer(int intervalMs) override
    {
        timerOn = true;
        interval = intervalMs;
        ++starts;
    }
    void StopTimer() override
    {
        timerOn = false;
        ++stops;
    }
};

// A window's scene: an owner, a view with its clock, and helpers to make
// animated objects and let time pass.
class SceneTest : public ::testing::Test {
protected:
    SceneTest() { view->SetClock(&clock); }

    // Lets `seconds` pass; the clock ticks only if its timer is on.
    void Advance(double seconds)
    {
        driver.now += seconds;
        if (driver.timerOn)
            clock.OnTimer();
    }

    TDummy* MakeObject(TFmxObject* parent = nullptr)
    {
        auto* object = new TDummy(&form);
        object->SetParent(parent ? parent : view);
        return object;
    }

    TFloatAnimation* MakeAnimation(TFmxObject* parent, float startValue, float stopValue, float duration,
                                   const char* propertyName = "Position.X")
    {
        auto* animation = new TFloatAnimation(&form);
        animation->SetParent(parent);
        animation->PropertyName = propertyName;
        animation->SetStartValue(startValue);
        animation->SetStopValue(stopValue);
        animation->SetDuration(duration);
        return animation;
    }

    ManualClockDriver driver;
    AnimationClock clock{driver};
    TComponentOwner form;
    TViewport3D* view = new TViewport3D(&form);
};

// Counts OnFinish calls and remembers the senders.
struct FinishLog {
    std::vector<TFmxObject*> senders;
    void operator()(TFmxObject* sender) { senders.push_back(sender); }
    TNotifyEvent Handler() { return TNotifyEvent::Calling(this); }
};

} // namespace tessivar::scene::testing
