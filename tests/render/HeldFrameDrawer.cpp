#include "HeldFrameDrawer.h"

namespace tessivar::render::testing {

bool HeldFrameDrawer::WaitUntilHeld(std::uint64_t revision, std::chrono::milliseconds within)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, within, [&] { return held_ == revision; });
}

void HeldFrameDrawer::LetOneOn()
{
    {
        const std::lock_guard lock(mutex_);
        ++passes_;
    }
    changed_.notify_all();
}

void HeldFrameDrawer::LetAllOn()
{
    {
        const std::lock_guard lock(mutex_);
        open_ = true;
    }
    changed_.notify_all();
}

QImage HeldFrameDrawer::Draw(FrameSnapshot& frame)
{
    {
        std::unique_lock lock(mutex_);
        held_ = frame.Revision;
        changed_.notify_all();
        changed_.wait(lock, [&] { return open_ || passes_ > 0; });
        if (!open_)
            --passes_;
        held_.reset();
    }
    return FrameDrawer::Draw(frame);
}

} // namespace tessivar::render::testing
