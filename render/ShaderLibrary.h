#pragma once

#include <QOpenGLShaderProgram>
#include <QString>

namespace tessivar::render {

// The renderer's shader programs, compiled from the sources in the resources.
// Every stage starts with the shared material and light declarations.
class ShaderLibrary {
public:
    // Compiles and links every program in the current context; on failure
    // returns false and keeps the compiler's message in Error().
    bool Build();
    const QString& Error() const { return error_; }

    QOpenGLShaderProgram& Surface() { return surface_; }
    QOpenGLShaderProgram& Grid() { return grid_; }
    // Balls as impostors: with the sphere's own depth where they meet other
    // geometry, with the quad's depth elsewhere.
    QOpenGLShaderProgram& BallImpostor(bool exactDepth) { return exactDepth ? exactImpostor_ : flatImpostor_; }
    QOpenGLShaderProgram& BallMesh() { return ballMesh_; }

private:
    bool Link(QOpenGLShaderProgram& program, const char* name, const char* vertex, const char* fragment,
              const QByteArray& defines = {});

    QOpenGLShaderProgram surface_, grid_, flatImpostor_, exactImpostor_, ballMesh_;
    QString error_;
};

} // namespace tessivar::render
