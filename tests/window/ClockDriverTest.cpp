#include "QtClockDriver.h"

#include "DesignScene.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tessivar::ui {
namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class ClockDriver : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.resize(100, 100);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        driver.Attach(clock, *scene.Viewport3D1, view);
        scene.BuildRegisterLabels();   // hides the spinning template: its animation stops at the next tick
        ASSERT_TRUE(QTest::qWaitFor([&] { return clock.Count() == 0; }));
        QTest::qWait(50);
    }

    QtClockDriver driver;
    scene::AnimationClock clock{driver};
    scene::DesignScene scene{clock};
    PaintCounter view;
};

TEST_F(ClockDriver, RunsTheTimerOnlyWhileAnAnimationIsRegistered)
{
    EXPECT_FALSE(driver.TimerActive());
    scene::TFloatAnimation& pan = *scene.FloatAnimation4;
    pan.Duration = 0.05f;
    pan.Start();
    EXPECT_TRUE(driver.TimerActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pan.Running(); }));
    EXPECT_FALSE(driver.TimerActive());
}

TEST_F(ClockDriver, AdvancesAnimationsByRealTime)
{
    scene::TFloatAnimation& pan = *scene.FloatAnimation4;   // camera X from -2 to 7 and back
    pan.Duration = 0.3f;
    QElapsedTimer elapsed;
    elapsed.start();
    pan.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pan.Running(); }, 5000));
    // Out and back: twice the duration, give or take a tick or two.
    EXPECT_GE(elapsed.elapsed(), 600);
    EXPECT_LE(elapsed.elapsed(), 800);
    EXPECT_FLOAT_EQ(scene.Camera1->Position.X(), -2);
}

TEST_F(ClockDriver, RedrawsTheViewWhileTheSceneChangesAndNotWhenItRests)
{
    const int restingPaints = view.paints;
    QTest::qWait(100);
    EXPECT_EQ(view.paints, restingPaints) << "nothing moves: no redraw";

    scene::TFloatAnimation& pan = *scene.FloatAnimation4;
    pan.Duration = 0.2f;
    pan.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pan.Running(); }));
    QTest::qWait(20);
    EXPECT_GT(view.paints, restingPaints + 5) << "a 0.4 s run redraws on most ticks";
}

TEST_F(ClockDriver, RefreshViewRedrawsOnlyAfterAChange)
{
    QTest::qWait(20);
    const int before = view.paints;
    driver.RefreshView();
    QTest::qWait(20);
    EXPECT_EQ(view.paints, before);
    scene.Camera1->Position.SetZ(-20);
    driver.RefreshView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.paints > before; }, 500));
}

} // namespace
} // namespace tessivar::ui
