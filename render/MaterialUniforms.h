#pragma once

#include "Light.h"
#include "Materials.h"
#include "PictureTextures.h"

#include <QOpenGLShaderProgram>
#include <QVector3D>

#include <string>

namespace tessivar::render {

// The light and the eye of one frame, as every lit program reads them.
struct FrameLighting {
    QVector3D Direction{0, 0, 1}; // the way the light travels
    QVector3D Colour{0, 0, 0}; // black: no light in the scene
    QVector3D Eye;

    static FrameLighting Of(const scene::Light* light, const scene::Vector3& eye);
};

void SetLighting(QOpenGLShaderProgram& program, const FrameLighting& lighting);

// A material as a frame draws it, copied from the scene so that the frame can
// be drawn while the scene goes on changing.
struct MaterialValues {
    enum class Shading : std::uint8_t { None, Flat, Lit };
    Shading Kind = Shading::None;
    scene::Argb Color = 0; // flat
    scene::Argb Diffuse = 0, Ambient = 0, Emissive = 0, Specular = 0; // lit
    int Shininess = 0;
    std::string Texture;

    // None for no material or one that is not drawn.
    static MaterialValues Of(const scene::Material* material);
};

// Sets the material's uniforms and binds its picture to texture unit 0.
// Returns false for no material: that part is not drawn.
bool SetMaterial(QOpenGLShaderProgram& program, const MaterialValues& material, PictureTextures& pictures);

} // namespace tessivar::render
