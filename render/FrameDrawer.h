#pragma once

#include "FrameSnapshot.h"

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QString>

#include <cstdint>
#include <memory>

class QOpenGLFramebufferObject;
class QThread;

namespace tessivar::render {

class SceneRenderer;

// Draws frames into images with an OpenGL 3.3 core context of its own on an
// offscreen surface, so that frames can be drawn on any one thread and shown
// by a plain widget. Made and destroyed on the application's thread; the
// drawing thread calls Begin, Draw and End. Tests hold frames in Draw.
class FrameDrawer {
public:
    FrameDrawer();
    virtual ~FrameDrawer();
    FrameDrawer(const FrameDrawer&) = delete;
    FrameDrawer& operator=(const FrameDrawer&) = delete;

    // Hands the context to the thread that will draw (from this one).
    void MoveTo(QThread* thread);

    // On the drawing thread, before the first frame: makes the context there.
    // Returns false when nothing can be drawn; Error() says why.
    bool Begin();
    // The frame as an opaque image, Width x Height; the background only when
    // the shaders did not build.
    virtual QImage Draw(FrameSnapshot& frame);
    // On the drawing thread, after the last frame or a Begin that failed:
    // frees the GL resources, releases the context and hands it back to the
    // application's thread.
    void End();

    // On the drawing thread: why nothing but the background is drawn, or
    // empty; how many times a text has been laid out.
    QString Error() const;
    std::uint64_t TextMeshBuilds() const;

private:
    QOffscreenSurface surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<SceneRenderer> renderer_;
    std::unique_ptr<QOpenGLFramebufferObject> target_;
    QString contextError_;
};

} // namespace tessivar::render
