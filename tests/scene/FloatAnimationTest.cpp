#include "ManualClock.h"

#include <functional>

namespace tessivar::scene::testing {
namespace {

class FloatAnimationTest : public SceneTest {
protected:
    Group* object = MakeObject();
    FinishLog finished;

    FloatAnimation* Animate(float startValue, float stopValue, float duration)
    {
        FloatAnimation* animation = MakeAnimation(object, startValue, stopValue, duration);
        animation->OnFinish = finished.Handler();
        return animation;
    }
    float X() const { return object->Position.X(); }
};

// --- Start and Stop state transitions -------------------------------------

TEST_F(FloatAnimationTest, StartRunsFromTheStartValue)
{
    object->Position.SetX(42);
    FloatAnimation* animation = Animate(10, 20, 1);
    animation->Start();

    EXPECT_TRUE(animation->Running());
    EXPECT_TRUE(animation->TargetResolved());
    EXPECT_EQ(animation->CurrentTime(), 0);
    EXPECT_EQ(X(), 10); // applied at once without a delay
    EXPECT_EQ(clock.Count(), 1u);
    EXPECT_TRUE(finished.senders.empty());

    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 12.5f);
    Advance(0.75);
    EXPECT_EQ(X(), 20);
    EXPECT_FALSE(animation->Running());
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_EQ(finished.senders, std::vector<SceneObject*>{animation});
}

TEST_F(FloatAnimationTest, StartWithoutTargetDoesNothingAtAll)
{
    struct Case {
        const char* name;
        SceneObject* parent;
        const char* path;
    };
    const Case cases[] = {
        {"no parent", nullptr, "Position.X"},
        {"unknown property", object, "Position.W"},
        {"empty path", object, ""},
        {"parent without float properties", &form, "Position.X"},
    };
    for (const Case& c : cases) {
        FloatAnimation* animation = MakeAnimation(c.parent, 1, 2, 0);
        animation->OnFinish = finished.Handler();
        animation->PropertyName = c.path;
        animation->Start();
        EXPECT_FALSE(animation->Running()) << c.name;
        EXPECT_FALSE(animation->TargetResolved()) << c.name;
        EXPECT_EQ(animation->Duration(), 0) << c.name; // not even the immediate run
        EXPECT_TRUE(finished.senders.empty()) << c.name;
        EXPECT_EQ(clock.Count(), 0u) << c.name;
    }
    EXPECT_EQ(X(), 0);
}

TEST_F(FloatAnimationTest, StartOnARunningAnimationRestartsItWithoutAnEvent)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    Advance(0.5);
    EXPECT_EQ(X(), 5);

    animation->Start();
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(animation->CurrentTime(), 0);
    EXPECT_EQ(clock.Count(), 1u); // never registered twice
    EXPECT_TRUE(finished.senders.empty());

    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 2.5f);
}

TEST_F(FloatAnimationTest, StopAppliesTheEndFiresOnceAndForgetsTheTarget)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    Advance(0.25);
    animation->Stop();

    EXPECT_EQ(X(), 10);
    EXPECT_FALSE(animation->Running());
    EXPECT_EQ(animation->CurrentTime(), 1);
    EXPECT_FALSE(animation->TargetResolved());
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_EQ(finished.senders.size(), 1u);

    animation->Stop(); // idle now
    EXPECT_EQ(finished.senders.size(), 1u);
}

TEST_F(FloatAnimationTest, StopOfAnInverseRunAppliesTheStartValueEnd)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetInverse(true);
    animation->Start();
    EXPECT_EQ(X(), 10);
    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 7.5f);
    animation->Stop();
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(animation->CurrentTime(), 0);
}

TEST_F(FloatAnimationTest, StopOnAnIdleAnimationFiresNothing)
{
    object->Position.SetX(42);
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Stop();
    EXPECT_TRUE(finished.senders.empty());
    EXPECT_EQ(X(), 42);
}

TEST_F(FloatAnimationTest, TargetIsResolvedOnceUntilStop)
{
    auto* y = &object->Position;
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    animation->PropertyName = "Position.Y";
    Advance(0.5);
    EXPECT_EQ(X(), 5); // still the property resolved at Start
    EXPECT_EQ(y->Y(), 0);

    animation->Stop();
    animation->Start();
    EXPECT_EQ(y->Y(), 0);
    Advance(0.5);
    EXPECT_EQ(y->Y(), 5);
    EXPECT_EQ(X(), 10);
}

// --- Immediate runs -----------------------------------------------------------

TEST_F(FloatAnimationTest, ZeroDurationRunsImmediatelyInsideStart)
{
    FloatAnimation* animation = Animate(3, 8, 0);
    animation->SetDelay(5); // plays no part
    bool handlerSawTheEnd = false;
    auto check
        = [&](SceneObject*) { handlerSawTheEnd = X() == 8 && !animation->Running() && animation->CurrentTime() == 0; };
    animation->OnFinish = FinishHandler::Calling(&check);

    animation->Start();
    EXPECT_TRUE(handlerSawTheEnd);
    EXPECT_EQ(animation->Duration(), FloatAnimation::DurationAfterImmediateRun);
    EXPECT_EQ(animation->RemainingDelay(), 0);
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);

    // 0.00001 is still below the threshold: the next Start is immediate again.
    handlerSawTheEnd = false;
    object->Position.SetX(0);
    animation->Start();
    EXPECT_TRUE(handlerSawTheEnd);
}

TEST_F(FloatAnimationTest, ImmediateRunThresholdAndInverse)
{
    struct Case {
        float duration;
        bool inverse;
        bool immediate;
        float valueAfterStart;
    };
    const Case cases[] = {
        {0, false, true, 8},       {0.0009f, false, true, 8}, {-0.0009f, false, true, 8}, {0, true, true, 3},
        {0.001f, false, false, 3}, {0.001f, true, false, 8},  {-0.5f, false, false, 3},
    };
    for (const Case& c : cases) {
        object->Position.SetX(0);
        finished.senders.clear();
        FloatAnimation* animation = Animate(3, 8, c.duration);
        animation->SetInverse(c.inverse);
        animation->Start();
        EXPECT_EQ(X(), c.valueAfterStart) << c.duration << ' ' << c.inverse;
        EXPECT_EQ(finished.senders.size(), c.immediate ? 1u : 0u) << c.duration;
        EXPECT_EQ(animation->Running(), !c.immediate) << c.duration;
        delete animation;
    }
}

TEST_F(FloatAnimationTest, AnimationOutsideAWindowRunsImmediately)
{
    struct Case {
        const char* name;
        std::function<SceneObject*()> parent;
    };
    SceneRoot* clockless = new SceneRoot(&form);
    const Case cases[] = {
        {"parent chain reaches no view", [&] { return new Group(&form); }},
        {"view without a clock", [&] { return MakeObject(clockless); }},
    };
    for (const Case& c : cases) {
        finished.senders.clear();
        SceneObject* parent = c.parent();
        FloatAnimation* animation = MakeAnimation(parent, 0, 7, 2);
        animation->OnFinish = finished.Handler();
        animation->SetDelay(1);
        animation->Start();
        EXPECT_EQ(static_cast<Group*>(parent)->Position.X(), 7) << c.name;
        EXPECT_EQ(finished.senders.size(), 1u) << c.name;
        EXPECT_EQ(animation->Duration(), FloatAnimation::DurationAfterImmediateRun) << c.name;
        EXPECT_EQ(clock.Count(), 0u) << c.name;
    }
}

// --- Hidden parents ------------------------------------------------------------

TEST_F(FloatAnimationTest, StartUnderAHiddenParentDoesNothing)
{
    object->SetVisible(false);
    FloatAnimation* animation = Animate(3, 8, 0);
    animation->Start();
    EXPECT_FALSE(animation->Running());
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(animation->Duration(), 0);
    EXPECT_TRUE(finished.senders.empty());
}

TEST_F(FloatAnimationTest, StartOnlyLooksAtTheParentsOwnFlag)
{
    // A hidden grandparent does not stop the animation of a visible parent.
    Group* child = MakeObject(object);
    object->SetVisible(false);
    FloatAnimation* animation = MakeAnimation(child, 0, 4, 1);
    animation->Start();
    EXPECT_TRUE(animation->Running());
    Advance(0.5);
    EXPECT_EQ(child->Position.X(), 2);
}

TEST_F(FloatAnimationTest, HidingTheParentStopsAtTheNextTick)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    Advance(0.25);
    object->SetVisible(false);
    EXPECT_TRUE(animation->Running());
    EXPECT_TRUE(finished.senders.empty());

    Advance(0.25);
    EXPECT_EQ(X(), 10);
    EXPECT_FALSE(animation->Running());
    EXPECT_FALSE(animation->TargetResolved());
    EXPECT_EQ(finished.senders.size(), 1u);
}

TEST_F(FloatAnimationTest, LoopStartsAgainWithoutResettingTheReversalCount)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetAutoReverse(true);
    animation->Start();
    Advance(1.25); // turned back at the far end
    EXPECT_EQ(animation->ReversalCount(), 1);
    animation->SetLoop(true);
    animation->Start();
    EXPECT_EQ(animation->ReversalCount(), 1);
    animation->SetLoop(false);
    animation->Start();
    EXPECT_EQ(animation->ReversalCount(), 0);
}

// --- Delay -------------------------------------------------------------------

TEST_F(FloatAnimationTest, DelayLeavesThePropertyUntilItHasPassed)
{
    object->Position.SetX(42);
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetDelay(0.5f);
    animation->Start();
    EXPECT_EQ(X(), 42);
    EXPECT_TRUE(animation->Running());

    Advance(0.25);
    EXPECT_EQ(X(), 42);
    Advance(0.375); // 0.625 s: jumps to the start end, the rest of dt dropped
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(animation->RemainingDelay(), 0);
    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 2.5f);
}

TEST_F(FloatAnimationTest, DelayEndingExactlyOnATickJumpsToTheStart)
{
    object->Position.SetX(42);
    FloatAnimation* animation = Animate(4, 10, 1);
    animation->SetDelay(0.5f);
    animation->Start();
    Advance(0.5);
    EXPECT_EQ(X(), 4);
}

TEST_F(FloatAnimationTest, StopDuringTheDelayAppliesTheStartValue)
{
    object->Position.SetX(42);
    FloatAnimation* animation = Animate(3, 10, 1);
    animation->SetDelay(0.5f);
    animation->Start();
    Advance(0.25);
    animation->Stop();
    EXPECT_EQ(X(), 3);
    EXPECT_EQ(finished.senders.size(), 1u);
}

// --- Loop and auto-reverse --------------------------------------------------------

TEST_F(FloatAnimationTest, LoopWrapsShowingTheStartValueEnd)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetLoop(true);
    animation->Start();
    Advance(0.5);
    EXPECT_EQ(X(), 5);
    Advance(0.625); // past the end: wraps to the start value
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(animation->CurrentTime(), 0);
    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 2.5f);
    Advance(100);
    EXPECT_TRUE(animation->Running());
    EXPECT_TRUE(finished.senders.empty());
}

TEST_F(FloatAnimationTest, LoopWithAutoReverseSwingsForEver)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetLoop(true);
    animation->SetAutoReverse(true);
    animation->Start();
    const struct {
        double dt;
        float x;
        bool inverse;
    } steps[] = {{0.5, 5, false}, {0.75, 10, true}, {0.25, 7.5f, true}, {1.0, 0, false}, {0.5, 5, false}};
    for (const auto& step : steps) {
        Advance(step.dt);
        EXPECT_FLOAT_EQ(X(), step.x);
        EXPECT_EQ(animation->Inverse(), step.inverse);
    }
    EXPECT_TRUE(finished.senders.empty());
}

TEST_F(FloatAnimationTest, AutoReverseRunsForthAndBackAndEndsInverted)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetAutoReverse(true);
    animation->Start();
    Advance(0.5);
    EXPECT_EQ(X(), 5);
    Advance(0.5);
    EXPECT_EQ(X(), 10);
    EXPECT_TRUE(animation->Inverse());
    EXPECT_TRUE(finished.senders.empty());
    Advance(0.75);
    EXPECT_FLOAT_EQ(X(), 2.5f);
    Advance(0.25);
    EXPECT_EQ(X(), 0);
    EXPECT_FALSE(animation->Running());
    EXPECT_TRUE(animation->Inverse());
    EXPECT_EQ(finished.senders.size(), 1u);
}

TEST_F(FloatAnimationTest, AutoReverseRestartedWithoutResettingInverseRunsFromTheStopEnd)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->SetAutoReverse(true);
    animation->Start();
    Advance(1);
    Advance(1);
    ASSERT_EQ(finished.senders.size(), 1u);
    ASSERT_TRUE(animation->Inverse());

    animation->Start();
    EXPECT_EQ(X(), 10);
    Advance(0.25);
    EXPECT_FLOAT_EQ(X(), 7.5f);
    Advance(0.75);
    EXPECT_EQ(X(), 0);
    EXPECT_FALSE(animation->Inverse());
    Advance(1);
    EXPECT_EQ(X(), 10);
    EXPECT_FALSE(animation->Running());
    EXPECT_FALSE(animation->Inverse());
    EXPECT_EQ(finished.senders.size(), 2u);
}

// --- Time ----------------------------------------------------------------------

TEST_F(FloatAnimationTest, StallJumpsToTheEndAndFiresOnce)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    Advance(0.125);
    Advance(30);
    EXPECT_EQ(X(), 10);
    EXPECT_EQ(animation->CurrentTime(), 1);
    EXPECT_FALSE(animation->Running());
    EXPECT_EQ(finished.senders.size(), 1u);
    Advance(1);
    EXPECT_EQ(finished.senders.size(), 1u);
}

TEST_F(FloatAnimationTest, BounceOutDropLandsAndRebounds)
{
    FloatAnimation* animation = Animate(-5, 0, 1);
    animation->SetInterpolation(EasingCurve::Bounce);
    animation->SetAnimationType(EasingMode::Out);
    animation->Start();
    Advance(0.5);
    EXPECT_FLOAT_EQ(X(), -5 + 5 * (49.0f / 64));
    Advance(0.5);
    EXPECT_EQ(X(), 0);
}

TEST_F(FloatAnimationTest, ArithmeticIsInThirtyTwoBitFloats)
{
    // Values chosen so that single and double precision round differently.
    FloatAnimation* animation = Animate(0.3f, 359.9f, 2);
    animation->Start();
    double wideTime = 0;
    float time = 0;
    for (int i = 0; i < 3; ++i) {
        const double before = driver.now;
        Advance(0.1);
        wideTime += driver.now - before;
        time += static_cast<float>(driver.now - before);
    }
    EXPECT_EQ(animation->CurrentTime(), time);
    EXPECT_EQ(X(), 0.3f + (359.9f - 0.3f) * (time / 2));
    const double start = 0.3f, stop = 359.9f;
    const double wide = start + (stop - start) * (wideTime / 2);
    EXPECT_NE(X(), static_cast<float>(wide));
}

TEST_F(FloatAnimationTest, ReparentingARunningAnimationEndsItQuietly)
{
    FloatAnimation* animation = Animate(0, 10, 1);
    animation->Start();
    Advance(0.5);
    Group* other = MakeObject();
    animation->SetParent(other);
    EXPECT_FALSE(animation->Running());
    EXPECT_FALSE(animation->TargetResolved());
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_TRUE(finished.senders.empty());
    delete object; // the old target goes; nothing refers to it any more
    object = nullptr;
    Advance(0.5);
    animation->Start();
    Advance(0.5);
    EXPECT_EQ(other->Position.X(), 5);
}

} // namespace
} // namespace tessivar::scene::testing
