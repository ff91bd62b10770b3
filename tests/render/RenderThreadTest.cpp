// The render thread against the view's own thread: the same pictures, frames
// that follow the scene while it changes, a thread that stops with its view
// whatever it is doing, waits that end when the frame handed last is finished,
// and no thread of the view's that the window's thread would wait for behind
// others.
#include "RenderThread.h"
#include "HeldFrameDrawer.h"
#include "RenderedScene.h"
#include "ThreadDeadline.h"

#include "SceneRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QOpenGLContext>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <memory>

namespace tessivar::render::testing {
namespace {

// As the program was started, before any view could set it.
const QByteArray kUsersRasteriserThreads = qgetenv("LP_NUM_THREADS");

struct ThreadNiceness {
    QByteArray Name;
    int Nice = 0;
};

// Every thread of this process by id, from /proc/self/task/<id>/stat: the
// name in parentheses, then the fields from the third on, the nice value
// being the nineteenth.
std::map<long, ThreadNiceness> ProcessThreads()
{
    std::map<long, ThreadNiceness> threads;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(id + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue; // ended meanwhile
        const QByteArray line = stat.readAll();
        const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 1).simplified().split(' ');
        constexpr qsizetype kNiceAfterName = 19 - 3;
        if (open < 0 || fields.size() <= kNiceAfterName)
            continue;
        threads[id.toLong()] = {line.mid(open + 1, close - open - 1), fields[kNiceAfterName].toInt()};
    }
    return threads;
}

// The threads that the window's thread waits for: the render thread, and the
// rasteriser's threads made with its context. (Mesa's shader cache writer
// runs at the lowest priority on purpose; nothing waits for it but the end
// of the program.)
bool WaitedForByTheWindow(const QByteArray& name)
{
    return name == "tessivar-render" || name.startsWith("llvmpipe-");
}

long ThisThread()
{
    return static_cast<long>(syscall(SYS_gettid));
}

// A render thread whose frames wait in Draw until the test lets them on.
struct HeldRenderThread {
    HeldFrameDrawer drawer;
    std::unique_ptr<RenderThread> thread = std::make_unique<RenderThread>(drawer);

    ~HeldRenderThread()
    {
        drawer.LetAllOn();
        const ThreadDeadline deadline("render thread did not stop");
        thread.reset();
    }
};

FrameSnapshot EmptyFrame(std::uint64_t revision)
{
    FrameSnapshot frame;
    frame.Revision = revision;
    frame.Width = 64;
    frame.Height = 48;
    return frame;
}

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
        // Spinning, so that the balls a frame is drawn from are copied anew.
        for (scene::Ball* ball : balls)
            ball->RotationAngle.SetY(static_cast<float>(step));
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
    EXPECT_TRUE(FinishedInTime(
        QTest::qWaitFor([&] { return view.DrawnRevision() == last; }, static_cast<int>(kThreadDeadline.count())), last,
        kThreadDeadline));
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
        const ThreadDeadline deadline("render thread did not stop with its view");
        view.reset();
    }
    const QImage frame = scene.Frame();
    EXPECT_EQ(scene.View().RenderError(), QString());
    EXPECT_EQ(scene.View().DrawnRevision(), scene.Design().Root->Revision());
    EXPECT_NE(frame.pixel(RenderedScene::Width / 2, RenderedScene::Height / 2), 0xFF000000u);
}

// The window's thread waits for the render thread and, through it, for the
// rasteriser's threads (a frame drawn now, the join as a view closes): none
// of them may run behind the window's thread, or any load on the machine
// starves the wait.
TEST(RenderThread, NoThreadOfTheViewRunsBehindTheWindowsThread)
{
    const std::map<long, ThreadNiceness> before = ProcessThreads();
    RenderedScene scene;
    FillScene(scene, 1);
    scene.Frame();
    const std::map<long, ThreadNiceness> after = ProcessThreads();
    const int windowNice = after.at(ThisThread()).Nice;
    bool renderThreadSeen = false;
    for (const auto& [id, thread] : after) {
        if (before.contains(id) || !WaitedForByTheWindow(thread.Name))
            continue;
        renderThreadSeen = renderThreadSeen || thread.Name == "tessivar-render";
        EXPECT_LE(thread.Nice, windowNice) << "thread " << id << " (" << thread.Name.constData() << ")";
    }
    EXPECT_TRUE(renderThreadSeen);
}

// Unless the user chose otherwise, the rasteriser leaves a core to the
// window's thread: the setting reaches Mesa before its first context.
TEST(RenderThread, TheRasteriserLeavesACoreToTheWindow)
{
    RenderedScene scene;
    scene.Frame();
    if (!kUsersRasteriserThreads.isNull())
        GTEST_SKIP() << "LP_NUM_THREADS chosen by the user: " << kUsersRasteriserThreads.constData();
    const int chosen = std::max(QThread::idealThreadCount() - 1, 0);
    int rasterisers = 0;
    for (const auto& [id, thread] : ProcessThreads())
        rasterisers += thread.Name.startsWith("llvmpipe-");
    if (rasterisers == 0 && chosen > 0)
        GTEST_SKIP() << "not drawn by Mesa's llvmpipe";
    EXPECT_EQ(rasterisers, chosen);
}

// Frames 2 and 3 are handed over while frame 1 is drawn, 3 in place of 2:
// the thread is idle only when 3 is finished, whatever finished before it.
TEST(RenderThread, IsIdleOnlyWhenTheFrameHandedLastIsFinished)
{
    HeldRenderThread held;
    RenderThread& thread = *held.thread;
    thread.Hand(EmptyFrame(1));
    ASSERT_TRUE(held.drawer.WaitUntilHeld(1, kThreadDeadline)) << "render thread did not begin frame 1";
    thread.Hand(EmptyFrame(2));
    thread.Hand(EmptyFrame(3));
    held.drawer.LetOneOn();
    ASSERT_TRUE(held.drawer.WaitUntilHeld(3, kThreadDeadline)) << "render thread did not begin frame 3";

    EXPECT_EQ(thread.Newest().Revision, 1u);
    EXPECT_TRUE(thread.Busy());
    EXPECT_FALSE(thread.WaitUntilIdle(std::chrono::milliseconds(50)));

    held.drawer.LetOneOn();
    EXPECT_TRUE(FinishedInTime(thread.WaitUntilIdle(kThreadDeadline), 3, kThreadDeadline));
    EXPECT_FALSE(thread.Busy());
    EXPECT_EQ(thread.Newest().Revision, 3u);
}

// A test waiting for a frame that never comes fails at its deadline, and
// says which thread it waited for.
TEST(RenderThread, AWaitForAHeldFrameEndsAtItsDeadline)
{
    HeldRenderThread held;
    held.thread->Hand(EmptyFrame(7));
    ASSERT_TRUE(held.drawer.WaitUntilHeld(7, kThreadDeadline)) << "render thread did not begin frame 7";
    constexpr std::chrono::milliseconds kWithin(200);
    QElapsedTimer waited;
    waited.start();
    const ::testing::AssertionResult finished = FinishedInTime(held.thread->WaitUntilIdle(kWithin), 7, kWithin);
    EXPECT_LT(waited.elapsed(), 10000);
    EXPECT_FALSE(finished);
    EXPECT_STREQ(finished.message(), "render thread did not finish the frame of scene revision 7 within 0.2 s");
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

// Where the context is made and made current but offers no OpenGL 3.3 core
// functions, the drawer that gives up releases it: no context of a view that
// cannot draw stays current on the thread that tried.
TEST(WithoutOpenGl33, TheDrawerReleasesTheContextItCouldNotUse)
{
    if (qEnvironmentVariableIsEmpty("MESA_GL_VERSION_OVERRIDE"))
        GTEST_SKIP() << "needs OpenGL below 3.3 (MESA_GL_VERSION_OVERRIDE=3.0)";
    FrameDrawer drawer;
    ASSERT_FALSE(drawer.Begin());
    const bool madeCurrent = QOpenGLContext::currentContext() != nullptr;
    drawer.End();
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    EXPECT_TRUE(madeCurrent) << "Begin gave up before it made the context current: nothing to release";
}

} // namespace
} // namespace tessivar::render::testing
