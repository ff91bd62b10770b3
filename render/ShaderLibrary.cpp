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
    return Link(surface_, "surface.vert", "surface.frag", true) && Link(grid_, "grid.vert", "grid.frag", false)
           && Link(ballImpostor_, "ball_impostor.vert", "ball_impostor.frag", true)
           && Link(ballMesh_, "ball_mesh.vert", "surface.frag", true);
}

bool ShaderLibrary::Link(QOpenGLShaderProgram& program, const char* vertex, const char* fragment, bool lighting)
{
    const QByteArray version = "#version 330 core\n";
    const QByteArray fragmentSource = version + (lighting ? Source("lighting.glsl") : QByteArray()) + Source(fragment);
    if (program.addShaderFromSourceCode(QOpenGLShader::Vertex, version + Source(vertex))
        && program.addShaderFromSourceCode(QOpenGLShader::Fragment, fragmentSource) && program.link())
        return true;
    error_ = QStringLiteral("%1 + %2: %3").arg(QLatin1String(vertex), QLatin1String(fragment), program.log());
    return false;
}

} // namespace tessivar::render
