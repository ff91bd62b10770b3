// The render thread against the view's own thread: the same pictures, frames
// that follow the scene while it changes, and a thread that stops with its view
// whatever it is doing.
#include "RenderedScene.h"

#include "SceneRoot.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tessivar::render::testing {
namespace {

// Balls over three registers, a listing and a counter: every kind of thing
// that a frame copies.
void FillScene(RenderedScene& scene, int step)
{
    for (int position = 0; position < 12; ++position)
        scene.AddBall(position % 3, 12, position);
    scene::Stage& design = scene.Design();
    design.ListingText->SetText("S(3)\r\nJ(1,3,6)\r\n/ 不完全");
    design.CounterText->SetText("Step:" + std::to_string(step));
    design.ViewCamera->Position.SetX(0.01F * static_cast<float>(step));
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int different = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    return different;
}

TEST(RenderThread, DrawsTheSamePictureAsTheViewsThread)
{
    RenderedScene threaded(FrameThreading::RenderThread);
    RenderedScene single(FrameThreading::ViewThread);
    FillScene(threaded, 12);
    FillScene(single, 12);
    const QImage a = threaded.Frame(), b = single.Frame();
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(DifferentPixels(a, b), 0);
    EXPECT_EQ(threaded.View().DrawnRevision(), threaded.Design().Root->Revision());
}

// Frames are asked for as fast as the scene changes, as a run at full speed
// does; the thread takes one whenever it is free and the last one asked for
// always follows. Under ThreadSanitizer this is also the check that nothing
// of the scene is read while a frame is drawn.
TEST(RenderThread, FollowsAChangingSceneToItsLastState)
{
    RenderedScene scene;
    FillScene(scene, 0);
    SceneView& view = scene.View();
    scene::Stage& design = scene.Design();
    std::vector<scene::Ball*> balls;
    // For a second and a half at least, so that many frames are drawn while
    // the scene changes.
    QElapsedTimer changing;
    changing.start();
    for (int step = 1; step <= 300 || changing.elapsed() < 1500; ++step) {
        design.CounterText->SetText("Step:" + std::to_string(step));
        design.ViewCamera->Position.SetX(0.01F * static_cast<float>(step));
        balls.push_back(scene.AddBall(step % 13, step, 199));
        if (step % 7 == 0) {
            // Freed as a step frees the balls it drops.
            for (scene::Ball* ball : balls)
                delete ball;
            balls.clear();
        }
        view.UpdateIfChanged();
        QCoreApplication::processEvents();
    }
    const std::uint64_t last = design.Root->Revision();
    view.UpdateIfChanged();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.DrawnRevision() == last; }, 5000));
    EXPECT_EQ(view.RenderError(), QString());
    EXPECT_GT(view.TakeLongestSyncMs(), 0);
}

// Views closed while their thread draws leave nothing behind that a later
// view of the same scene trips over.
TEST(RenderThread, StopsWithItsViewWhileAFrameIsInHand)
{
    RenderedScene scene;
    for (int i = 0; i < 10; ++i) {
        auto view = std::make_unique<SceneView>(scene.Design().Root);
        view->resize(RenderedScene::Width, RenderedScene::Height);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        FillScene(scene, i);
        view->UpdateIfChanged();
        view.reset();
    }
    const QImage frame = scene.Frame();
    EXPECT_EQ(scene.View().RenderError(), QString());
    EXPECT_EQ(scene.View().DrawnRevision(), scene.Design().Root->Revision());
    EXPECT_NE(frame.pixel(RenderedScene::Width / 2, RenderedScene::Height / 2), 0xFF000000u);
}

// Run by its own test entry with Mesa told to offer no more than OpenGL 3.0:
// the view says why it shows no scene, and goes on answering and closing.
TEST(WithoutOpenGl33, TheViewShowsWhyAndKeepsWorking)
{
    if (qEnvironmentVariableIsEmpty("MESA_GL_VERSION_OVERRIDE"))
        GTEST_SKIP() << "needs OpenGL below 3.3 (MESA_GL_VERSION_OVERRIDE=3.0)";
    auto scene = std::make_unique<RenderedScene>();
    FillScene(*scene, 1);
    scene->View().UpdateIfChanged();
    const QImage frame = scene->Frame();
    EXPECT_EQ(scene->View().RenderError(), QStringLiteral("OpenGL 3.3 core profile is not available"));
    int lit = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            lit += frame.pixel(x, y) != 0xFF000000u;
    EXPECT_GT(lit, 100) << "the message is drawn over the black background";
    EXPECT_EQ(frame.pixel(5, 5), 0xFF000000u);
    scene.reset();
}

} // namespace
} // namespace tessivar::render::testing
