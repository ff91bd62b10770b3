#pragma once

#include "FrameSnapshot.h"
#include "GlFunctions.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace tessivar::render {

// A frame that the render thread has finished: a texture shared with the
// view's context, and the scene revision it shows.
struct FinishedFrame {
    GLuint Texture = 0; // 0 before the first frame
    int Width = 0, Height = 0;
    std::uint64_t Revision = 0;
};

// Draws frames on a thread of its own, with a context that shares textures
// with the view's. Frames are drawn in turn into two textures: the view shows
// the newest finished one while the next is drawn into the other. A frame is
// handed over only when the previous one is finished, and the texture just
// shown is drawn into again only after the next hand-over, which the view
// makes once it is done with that texture.
class RenderThread final : public QThread {
    Q_OBJECT

public:
    // On the view's thread; `share` is the view's context. Starts at once.
    explicit RenderThread(QOpenGLContext& share);
    // Finishes the frame in hand and stops.
    ~RenderThread() override;

    // Whether a frame handed over is still being drawn.
    bool Busy() const;
    // Takes the frame to draw; only when not Busy.
    void Hand(FrameSnapshot frame);
    // Waits until the frame handed over last is finished (or the thread
    // could not draw at all).
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
    // Returns why frames show only the background, or empty.
    QString DrawFrames(GL& gl);
    // No frame is drawn after this.
    void Ended(const QString& error);

    QOffscreenSurface surface_;
    QOpenGLContext* context_; // made here, used and deleted on the render thread

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
