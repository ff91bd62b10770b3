#include "FrameDrawer.h"

#include "GlFunctions.h"
#include "SceneRenderer.h"

#include <QCoreApplication>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLVersionFunctionsFactory>
#include <QSurfaceFormat>
#include <QThread>

#include <algorithm>

namespace tessivar::render {

namespace {

// Mesa's software rasteriser starts a thread per core with each context. One
// core is left to the window's thread, which runs the steps and the clock and
// waits for frames: so the frames cannot starve it, and none of the threads it
// waits for needs a lower priority than its own. Set before the first
// context, and never over the user's own choice.
void LeaveACoreToTheWindow()
{
    if (!qEnvironmentVariableIsSet("LP_NUM_THREADS"))
        qputenv("LP_NUM_THREADS", QByteArray::number(std::max(QThread::idealThreadCount() - 1, 0)));
}

} // namespace

FrameDrawer::FrameDrawer()
{
    LeaveACoreToTheWindow();
    context_ = std::make_unique<QOpenGLContext>();
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    format.setDepthBufferSize(24);
    context_->setFormat(format);
    surface_.setFormat(format);
    surface_.create();
}

FrameDrawer::~FrameDrawer() = default;

void FrameDrawer::MoveTo(QThread* thread)
{
    context_->moveToThread(thread);
}

bool FrameDrawer::Begin()
{
    GL* gl = nullptr;
    if (context_->create() && context_->makeCurrent(&surface_)) {
        gl = QOpenGLVersionFunctionsFactory::get<GL>(context_.get());
        if (gl && !gl->initializeOpenGLFunctions())
            gl = nullptr;
    }
    if (!gl) {
        contextError_ = NoOpenGl33Error();
        return false;
    }
    renderer_ = std::make_unique<SceneRenderer>(*gl);
    return true;
}

QImage FrameDrawer::Draw(FrameSnapshot& frame)
{
    const QSize size(std::max(frame.Width, 1), std::max(frame.Height, 1));
    if (!target_ || target_->size() != size)
        target_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::CombinedDepthStencil);
    target_->bind();
    context_->functions()->glViewport(0, 0, size.width(), size.height());
    renderer_->Render(frame);
    QImage image = target_->toImage(true);
    target_->release();
    // The frame is opaque whatever alpha blending left behind (where grid
    // lines cross the background), and is converted to what the widget's
    // backing store holds here, off the thread that shows it.
    image.reinterpretAsFormat(image.format() == QImage::Format_ARGB32_Premultiplied ? QImage::Format_RGB32
                                                                                    : QImage::Format_RGBX8888);
    return image.convertToFormat(QImage::Format_RGB32);
}

void FrameDrawer::End()
{
    target_.reset();
    renderer_.reset();
    if (QOpenGLContext::currentContext() == context_.get())
        context_->doneCurrent();
    context_->moveToThread(QCoreApplication::instance()->thread());
}

QString FrameDrawer::Error() const
{
    return renderer_ ? renderer_->Error() : contextError_;
}

std::uint64_t FrameDrawer::TextMeshBuilds() const
{
    return renderer_ ? renderer_->TextMeshBuilds() : 0;
}

} // namespace tessivar::render
