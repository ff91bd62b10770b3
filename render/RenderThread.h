#pragma once

#include "FrameDrawer.h"
#include "FrameSnapshot.h"

#include <QImage>
#include <QString>
#include <QThread>

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

// Draws the frames handed to it on a thread of its own, one at a time: a
// frame is handed over only when the previous one is finished.
class RenderThread final : public QThread {
    Q_OBJECT

public:
    // Starts at once; the drawer must outlive the thread.
    explicit RenderThread(FrameDrawer& drawer);
    // Finishes the frame in hand and stops.
    ~RenderThread() override;

    // Whether a frame handed over is still being drawn.
    bool Busy() const;
    // Takes the frame to draw; only when not Busy.
    void Hand(FrameSnapshot frame);
    // Waits until the frame handed over last is finished, or the thread has
    // found that it cannot draw.
    void WaitUntilIdle();

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

    FrameDrawer& drawer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::optional<FrameSnapshot> next_;
    bool busy_ = false;
    bool stopping_ = false;
    bool ended_ = false;
    FinishedFrame newest_;
    QString error_;
    std::uint64_t textMeshBuilds_ = 0;
};

} // namespace tessivar::render
