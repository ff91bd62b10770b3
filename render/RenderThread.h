#pragma once

#include "FrameDrawer.h"
#include "FrameSnapshot.h"

#include <QImage>
#include <QString>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace tessivar::render {

// A frame that the render thread has finished, and the scene revision it shows.
struct FinishedFrame {
    QImage Image; // null before the first frame
    std::uint64_t Revision = 0;
};

// Draws the frames handed to it on a thread of its own, one at a time, at the
// priority of the thread that made it. A frame handed over while another is
// drawn waits for it, in place of any frame handed before it and not begun.
class RenderThread final : public QThread {
    Q_OBJECT

public:
    // Starts at once; the drawer must outlive the thread.
    explicit RenderThread(FrameDrawer& drawer);
    // Finishes the frame in hand and stops.
    ~RenderThread() override;

    // Whether the frame handed over last is not finished yet.
    bool Busy() const;
    // Takes the frame to draw next.
    void Hand(FrameSnapshot frame);
    // Waits until the frame handed over last is finished, or the thread has
    // found that it cannot draw; false when `within` passed first.
    bool WaitUntilIdle(std::chrono::milliseconds within);

    FinishedFrame Newest() const;
    // Why nothing but the background is drawn, or empty.
    QString Error() const;
    std::uint64_t TextMeshBuilds() const;

signals:
    // From the render thread, after each frame.
    void FrameFinished();

protected:
    void run() override;

private:
    void DrawFrames();
    bool IdleLocked() const { return finished_ == handed_ || ended_; }

    FrameDrawer& drawer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::optional<FrameSnapshot> next_;
    // Frames are numbered as handed over: idle is when the last one handed
    // is the last one finished, whatever finished before it.
    std::uint64_t handed_ = 0;
    std::uint64_t finished_ = 0;
    bool stopping_ = false;
    bool ended_ = false;
    FinishedFrame newest_;
    QString error_;
    std::uint64_t textMeshBuilds_ = 0;
};

} // namespace tessivar::render
