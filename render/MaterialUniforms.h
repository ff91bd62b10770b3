#pragma once

#include "Materials.h"
#include "Objects3D.h"
#include "PictureTextures.h"

#include <QOpenGLShaderProgram>
#include <QVector3D>

namespace tessivar::render {

// The light and the eye of one frame, as every lit program reads them.
struct FrameLighting {
    QVector3D Direction{0, 0, 1}; // the way the light travels
    QVector3D Colour{0, 0, 0}; // black: no light in the scene
    QVector3D Eye;

    static FrameLighting Of(const scene::TLight* light, const scene::Vector3& eye);
};

void SetLighting(QOpenGLShaderProgram& program, const FrameLighting& lighting);

// Sets the material's uniforms and binds its picture to texture unit 0.
// Returns false for no material: that part is not drawn.
bool SetMaterial(QOpenGLShaderProgram& program, const scene::TMaterialSource* material, PictureTextures& pictures);

} // namespace tessivar::render
