#pragma once

#include <QOpenGLShaderProgram>
#include <QString>

namespace tessivar::render {

// The renderer's shader programs, compiled from the sources in the resources.
class ShaderLibrary {
public:
    // Compiles and links every program in the current context; on failure
    // returns false and keeps the compiler's message in Error().
    bool Build();
    const QString& Error() const { return error_; }

    QOpenGLShaderProgram& Surface() { return surface_; }
    QOpenGLShaderProgram& Grid() { return grid_; }
    QOpenGLShaderProgram& BallImpostor() { return ballImpostor_; }
    QOpenGLShaderProgram& BallMesh() { return ballMesh_; }

private:
    bool Link(QOpenGLShaderProgram& program, const char* vertex, const char* fragment, bool lighting);

    QOpenGLShaderProgram surface_, grid_, ballImpostor_, ballMesh_;
    QString error_;
};

} // namespace tessivar::render
