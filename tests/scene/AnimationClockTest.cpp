#include "ManualClock.h"

#include <memory>
#include <string>

namespace tessivar::scene::testing {
namespace {

using AnimationClockTest = SceneTest;

TEST_F(AnimationClockTest, TimerRunsOnlyWhileAnAnimationIsRegistered)
{
    EXPECT_FALSE(driver.timerOn);
    TFloatAnimation* first = MakeAnimation(MakeObject(), 0, 1, 1);
    TFloatAnimation* second = MakeAnimation(MakeObject(), 0, 1, 2);

    first->Start();
    EXPECT_TRUE(driver.timerOn);
    EXPECT_EQ(driver.interval, 10);
    second->Start();
    EXPECT_EQ(driver.starts, 1);

    Advance(1); // the first ends
    EXPECT_TRUE(driver.timerOn);
    second->Stop();
    EXPECT_FALSE(driver.timerOn);
    EXPECT_FALSE(clock.TimerRunning());
    EXPECT_EQ(driver.stops, 1);
}

TEST_F(AnimationClockTest, FreeingTheLastAnimationStopsTheTimer)
{
    TDummy* object = MakeObject();
    MakeAnimation(object, 0, 1, 1)->Start();
    MakeAnimation(object, 0, 1, 1, "Position.Y")->Start();
    EXPECT_EQ(clock.Count(), 2u);
    delete object;
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);
}

TEST_F(AnimationClockTest, RestartResetsTheTimeReference)
{
    TDummy* object = MakeObject();
    TFloatAnimation* animation = MakeAnimation(object, 0, 100, 100);
    MakeAnimation(MakeObject(), 0, 1, 0.5f)->Start();
    Advance(1);
    ASSERT_FALSE(driver.timerOn);

    driver.now += 50; // the clock is off: nothing measures this
    animation->Start();
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 0.25f);
}

TEST_F(AnimationClockTest, ElapsedTimeNotPositiveDoesNothing)
{
    TDummy* object = MakeObject();
    TFloatAnimation* animation = MakeAnimation(object, 0, 10, 1);
    animation->Start();
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);

    clock.OnTimer(); // no time has passed
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);
    Advance(-0.5); // the monotonic source stepped back
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);
    EXPECT_EQ(animation->CurrentTime(), 0.25f);

    // Time is measured from the last event, even a backward one.
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 5);
}

TEST_F(AnimationClockTest, TicksTheNewestRegisteredFirst)
{
    std::string order;
    auto record = [&](TFmxObject* sender) { order += sender->Name.Str(); };
    for (const char* name : {"A", "B", "C"}) {
        TFloatAnimation* animation = MakeAnimation(MakeObject(), 0, 1, 1);
        animation->Name = name;
        animation->OnFinish = TNotifyEvent::Calling(&record);
        animation->Start();
    }
    Advance(1);
    EXPECT_EQ(order, "CBA");
}

TEST_F(AnimationClockTest, RestartMovesAnAnimationToTheNewestPlace)
{
    // Stop and Start register again; a running restart keeps its place.
    std::string order;
    auto record = [&](TFmxObject* sender) { order += sender->Name.Str(); };
    TFloatAnimation* animations[3];
    for (int i = 0; i < 3; ++i) {
        animations[i] = MakeAnimation(MakeObject(), 0, 1, 1);
        animations[i]->Name = std::string(1, static_cast<char>('A' + i));
        animations[i]->Start();
    }
    animations[0]->Stop();
    animations[0]->Start();
    animations[2]->Start();
    for (TFloatAnimation* animation : animations)
        animation->OnFinish = TNotifyEvent::Calling(&record);
    Advance(1);
    EXPECT_EQ(order, "ACB");
}

TEST_F(AnimationClockTest, AnimationStartedDuringAPassWaitsForTheNextEvent)
{
    TDummy* later = MakeObject();
    TFloatAnimation* starter = MakeAnimation(MakeObject(), 0, 1, 0.5f);
    TFloatAnimation* started = MakeAnimation(later, 0, 10, 1);
    auto startOther = [&](TFmxObject*) { started->Start(); };
    starter->OnFinish = TNotifyEvent::Calling(&startOther);
    starter->Start();

    Advance(0.5);
    EXPECT_TRUE(started->Running());
    EXPECT_EQ(later->Position.X(), 0);
    EXPECT_EQ(started->CurrentTime(), 0);
    Advance(0.25);
    EXPECT_FLOAT_EQ(later->Position.X(), 2.5f);
}

TEST_F(AnimationClockTest, ManyStartsAndStopsOutsideAPassKeepTheOrder)
{
    // Leavers outside a pass are swept out between passes; order survives.
    std::string order;
    auto record = [&](TFmxObject* sender) { order += sender->Name.Str(); };
    TFloatAnimation* kept[2];
    for (int i = 0; i < 2; ++i) {
        kept[i] = MakeAnimation(MakeObject(), 0, 1, 1);
        kept[i]->Name = i == 0 ? "A" : "B";
        kept[i]->OnFinish = TNotifyEvent::Calling(&record);
        kept[i]->Start();
    }
    TFloatAnimation* churn = MakeAnimation(MakeObject(), 0, 1, 1);
    for (int i = 0; i < 1000; ++i) {
        churn->Start();
        churn->Stop();
    }
    EXPECT_EQ(clock.Count(), 2u);
    Advance(1);
    EXPECT_EQ(order, "BA");
}

TEST_F(AnimationClockTest, ClockFreedBeforeItsAnimationsLetsThemGo)
{
    auto local = std::make_unique<AnimationClock>(driver);
    auto* otherView = new TViewport3D(&form);
    otherView->SetClock(local.get());
    auto* object = new TDummy(&form);
    object->SetParent(otherView);
    TFloatAnimation* animation = MakeAnimation(object, 0, 1, 1);
    animation->Start();
    driver.now += 0.25;
    local->OnTimer();
    animation->SetStopValue(5);
    otherView->SetClock(nullptr);
    local.reset();
    EXPECT_FALSE(driver.timerOn);
    EXPECT_FALSE(animation->Running());
    // The run comes back to the animation with what was written to it.
    EXPECT_EQ(animation->StopValue(), 5);
    EXPECT_EQ(animation->CurrentTime(), 0.25f);
    delete object; // must not reach the freed clock
}

} // namespace
} // namespace tessivar::scene::testing
