#pragma once

#include "AnimationClock.h"
#include "FloatAnimation.h"
#include "Group.h"
#include "SceneOwner.h"
#include "SceneRoot.h"

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

    Group* MakeObject(SceneObject* parent = nullptr)
    {
        auto* object = new Group(&form);
        object->SetParent(parent ? parent : view);
        return object;
    }

    FloatAnimation* MakeAnimation(SceneObject* parent, float startValue, float stopValue, float duration,
                                  const char* propertyName = "Position.X")
    {
        auto* animation = new FloatAnimation(&form);
        animation->SetParent(parent);
        animation->PropertyName = propertyName;
        animation->SetStartValue(startValue);
        animation->SetStopValue(stopValue);
        animation->SetDuration(duration);
        return animation;
    }

    ManualClockDriver driver;
    AnimationClock clock{driver};
    SceneOwner form;
    SceneRoot* view = new SceneRoot(&form);
};

// Counts OnFinish calls and remembers the senders.
struct FinishLog {
    std::vector<SceneObject*> senders;
    void operator()(SceneObject* sender) { senders.push_back(sender); }
    FinishHandler Handler() { return FinishHandler::Calling(this); }
};

} // namespace tessivar::scene::testing
