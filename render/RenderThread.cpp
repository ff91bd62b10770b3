#include "RenderThread.h"

#include "SceneRenderer.h"

#include <QOpenGLFramebufferObject>
#include <QOpenGLVersionFunctionsFactory>

#include <algorithm>
#include <array>
#include <memory>

namespace tessivar::render {

RenderThread::RenderThread(QOpenGLContext& share) : context_(new QOpenGLContext)
{
    context_->setFormat(share.format());
    context_->setShareContext(&share);
    surface_.setFormat(share.format());
    surface_.create();
    if (!context_->create()) {
        delete context_;
        context_ = nullptr;
        Ended(NoOpenGl33Error());
        return;
    }
    context_->moveToThread(this);
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
    QString error = NoOpenGl33Error();
    if (context_->makeCurrent(&surface_)) {
        auto* gl = QOpenGLVersionFunctionsFactory::get<GL>(context_);
        if (gl && gl->initializeOpenGLFunctions())
            error = DrawFrames(*gl);
        context_->doneCurrent();
    }
    delete context_;
    Ended(error);
}

QString RenderThread::DrawFrames(GL& gl)
{
    SceneRenderer renderer(gl);
    // Shaders that did not build leave frames of the background only.
    {
        const std::lock_guard lock(mutex_);
        error_ = renderer.Error();
    }
    std::array<std::unique_ptr<QOpenGLFramebufferObject>, 2> targets;
    std::size_t target = 0;
    for (;;) {
        FrameSnapshot frame;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || next_; });
            if (stopping_)
                break;
            frame = std::move(*next_);
            next_.reset();
        }
        const QSize size(std::max(frame.Width, 1), std::max(frame.Height, 1));
        auto& framebuffer = targets[target];
        if (!framebuffer || framebuffer->size() != size)
            framebuffer
                = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::CombinedDepthStencil);
        framebuffer->bind();
        gl.glViewport(0, 0, size.width(), size.height());
        renderer.Render(frame);
        framebuffer->release();
        // The view's context reads the texture next: it must be complete.
        gl.glFinish();
        {
            const std::lock_guard lock(mutex_);
            newest_ = {framebuffer->texture(), size.width(), size.height(), frame.Revision};
            textMeshBuilds_ = renderer.TextMeshBuilds();
            busy_ = false;
        }
        idle_.notify_all();
        emit FrameFinished();
        target = 1 - target;
    }
    return renderer.Error();
}

void RenderThread::Ended(const QString& error)
{
    {
        const std::lock_guard lock(mutex_);
        error_ = error;
        ended_ = true;
    }
    idle_.notify_all();
}

} // namespace tessivar::render
