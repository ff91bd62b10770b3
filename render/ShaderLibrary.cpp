#include "ShaderLibrary.h"

#include <QFile>

namespace tessivar::render {

namespace {

QByteArray Source(const char* name)
{
    QFile file(QStringLiteral(":/shaders/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool ShaderLibrary::Build()
{
    return Link(surface_, "surface", "surface.vert", "surface.frag") && Link(grid_, "grid", "grid.vert", "grid.frag")
        && Link(flatImpostor_, "ball impostor", "ball_impostor.vert", "ball_impostor.frag")
        && Link(exactImpostor_, "exact ball impostor", "ball_impostor.vert", "ball_impostor.frag",
                "#define EXACT_DEPTH\n")
        && Link(ballMesh_, "ball mesh", "ball_mesh.vert", "ball_mesh.frag");
}

bool ShaderLibrary::Link(QOpenGLShaderProgram& program, const char* name, const char* vertex, const char* fragment,
                         const QByteArray& defines)
{
    const QByteArray prefix = "#version 330 core\n" + defines + Source("lighting.glsl");
    if (program.addShaderFromSourceCode(QOpenGLShader::Vertex, prefix + Source(vertex))
        && program.addShaderFromSourceCode(QOpenGLShader::Fragment, prefix + Source(fragment)) && program.link())
        return true;
    error_ = QStringLiteral("%1 program: %2").arg(QLatin1String(name), program.log());
    return false;
}

} // namespace tessivar::render
