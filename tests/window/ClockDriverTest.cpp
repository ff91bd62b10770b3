#include "QtClockDriver.h"

#include "Stage.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace tessivar::ui {
namespace {

class ClockDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver.Attach(clock, [this] { ++passes; });
        scene.BuildRegisterLabels(); // hides the spinning template: its animation stops at the next tick
        ASSERT_TRUE(QTest::qWaitFor([&] { return clock.Count() == 0; }));
        passes = 0;
    }

    QtClockDriver driver;
    scene::AnimationClock clock{driver};
    scene::Stage scene{clock};
    int passes = 0;
};

TEST_F(ClockDriver, RunsTheTimerOnlyWhileAnAnimationIsRegistered)
{
    EXPECT_FALSE(driver.TimerActive());
    scene::FloatAnimation& pan = *scene.CameraPan;
    pan.SetDuration(0.05f);
    pan.Start();
    EXPECT_TRUE(driver.TimerActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pan.Running(); }));
    EXPECT_FALSE(driver.TimerActive());
    const int passesWhileRunning = passes;
    QTest::qWait(50);
    EXPECT_EQ(passes, passesWhileRunning) << "no passes while nothing runs";
}

TEST_F(ClockDriver, AdvancesAnimationsByRealTimeAtTheTickRate)
{
    scene::FloatAnimation& pan = *scene.CameraPan; // camera X from -2 to 7 and back
    pan.SetDuration(0.3f);
    QElapsedTimer elapsed;
    elapsed.start();
    pan.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pan.Running(); }, 5000));
    // Out and back: twice the duration, give or take a few ticks.
    EXPECT_GE(elapsed.elapsed(), 600);
    EXPECT_LE(elapsed.elapsed(), 800);
    EXPECT_FLOAT_EQ(scene.ViewCamera->Position.X(), -2);
    // Roughly one pass per 10 ms, each followed by one call of the hook.
    EXPECT_GE(passes, 30);
    EXPECT_LE(passes, 80);
}

} // namespace
} // namespace tessivar::ui
