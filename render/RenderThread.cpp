#include "RenderThread.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace tessivar::render {

namespace {

// A software renderer takes every core it is given; the window's thread, which
// runs the steps and the clock, must still get one whenever it needs it. The
// rasteriser's own threads, made with the context on this thread, inherit the
// lower priority.
void GiveWayToOtherThreads()
{
#ifdef Q_OS_LINUX
    constexpr int kNiceness = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kNiceness);
#endif
}

} // namespace

RenderThread::RenderThread(FrameDrawer& drawer) : drawer_(drawer)
{
    drawer_.MoveTo(this);
    start();
}

RenderThread::~RenderThread()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    wait();
    // What the thread did last, it did under this lock: taking it makes the
    // thread's end visible here to tools that cannot see inside QThread.
    const std::lock_guard lock(mutex_);
}

bool RenderThread::Busy() const
{
    const std::lock_guard lock(mutex_);
    return busy_;
}

void RenderThread::Hand(FrameSnapshot frame)
{
    {
        const std::lock_guard lock(mutex_);
        if (ended_)
            return;
        next_ = std::move(frame);
        busy_ = true;
    }
    wake_.notify_all();
}

void RenderThread::WaitUntilIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [&] { return !busy_ || ended_; });
}

FinishedFrame RenderThread::Newest() const
{
    const std::lock_guard lock(mutex_);
    return newest_;
}

QString RenderThread::Error() const
{
    const std::lock_guard lock(mutex_);
    return error_;
}

std::uint64_t RenderThread::TextMeshBuilds() const
{
    const std::lock_guard lock(mutex_);
    return textMeshBuilds_;
}

void RenderThread::run()
{
    GiveWayToOtherThreads();
    if (drawer_.Begin())
        DrawFrames();
    const QString error = drawer_.Error();
    drawer_.End();
    // Notified under the lock, so that the destructor, which takes it after
    // the thread's end, finds the thread done with every member.
    const std::lock_guard lock(mutex_);
    error_ = error;
    ended_ = true;
    idle_.notify_all();
}

void RenderThread::DrawFrames()
{
    {
        const std::lock_guard lock(mutex_);
        error_ = drawer_.Error();
    }
    for (;;) {
        FrameSnapshot frame;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || next_; });
            if (stopping_)
                return;
            frame = std::move(*next_);
            next_.reset();
        }
        QImage image = drawer_.Draw(frame);
        {
            const std::lock_guard lock(mutex_);
            newest_ = {std::move(image), frame.Revision};
            textMeshBuilds_ = drawer_.TextMeshBuilds();
            busy_ = false;
        }
        idle_.notify_all();
        emit FrameFinished();
    }
}

} // namespace tessivar::render
