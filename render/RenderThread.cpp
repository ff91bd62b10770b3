#include "RenderThread.h"

namespace tessivar::render {

RenderThread::RenderThread(FrameDrawer& drawer) : drawer_(drawer)
{
    // The system's name for the thread, as tools list it.
    setObjectName(QStringLiteral("tessivar-render"));
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
    return !IdleLocked();
}

void RenderThread::Hand(FrameSnapshot frame)
{
    {
        const std::lock_guard lock(mutex_);
        if (ended_)
            return;
        next_ = std::move(frame);
        ++handed_;
    }
    wake_.notify_all();
}

bool RenderThread::WaitUntilIdle(std::chrono::milliseconds within)
{
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, within, [&] { return IdleLocked(); });
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
        std::uint64_t number = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || next_; });
            if (stopping_)
                return;
            frame = std::move(*next_);
            next_.reset();
            number = handed_;
        }
        QImage image = drawer_.Draw(frame);
        {
            const std::lock_guard lock(mutex_);
            newest_ = {std::move(image), frame.Revision};
            textMeshBuilds_ = drawer_.TextMeshBuilds();
            finished_ = number;
        }
        idle_.notify_all();
        emit FrameFinished();
    }
}

} // namespace tessivar::render
