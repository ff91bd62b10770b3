#pragma once

#include "SceneMath.h"

#include <QOpenGLShaderProgram>

namespace tessivar::render {

// Places the next surface drawn with the surface program: its local-to-scene
// matrix and the matching matrix for normals.
void SetModel(QOpenGLShaderProgram& surface, const scene::Matrix4& world);

} // namespace tessivar::render
