#include "MaterialUniforms.h"

#include "GlFunctions.h"

namespace tessivar::render {

namespace {

QVector3D Rgb(scene::Argb argb)
{
    return ColourOf(argb).toVector3D();
}

void SetLit(QOpenGLShaderProgram& program, const MaterialValues& material, PictureTextures& pictures)
{
    program.setUniformValue("lit", true);
    program.setUniformValue("materialDiffuse", Rgb(material.Diffuse));
    program.setUniformValue("materialAmbient", Rgb(material.Ambient));
    program.setUniformValue("materialSpecular", Rgb(material.Specular));
    program.setUniformValue("materialEmissive", Rgb(material.Emissive));
    program.setUniformValue("materialShininess", static_cast<float>(material.Shininess));
    QOpenGLTexture* texture = pictures.Find(material.Texture);
    program.setUniformValue("hasPicture", texture != nullptr);
    if (texture)
        texture->bind(0);
}

} // namespace

FrameLighting FrameLighting::Of(const scene::Light* light, const scene::Vector3& eye)
{
    FrameLighting lighting;
    lighting.Eye = ToQt(eye);
    if (light) {
        lighting.Direction = ToQt(light->Direction());
        lighting.Colour = Rgb(light->Color());
    }
    return lighting;
}

void SetLighting(QOpenGLShaderProgram& program, const FrameLighting& lighting)
{
    program.setUniformValue("lightDirection", lighting.Direction);
    program.setUniformValue("lightColour", lighting.Colour);
    program.setUniformValue("eyePosition", lighting.Eye);
    program.setUniformValue("picture", 0);
}

MaterialValues MaterialValues::Of(const scene::Material* material)
{
    MaterialValues values;
    if (!material)
        return values;
    switch (material->Kind()) {
    case scene::ObjectKind::FlatMaterial:
        values.Kind = Shading::Flat;
        values.Color = static_cast<const scene::FlatMaterial*>(material)->Color;
        break;
    case scene::ObjectKind::LitMaterial: {
        const auto& lit = *static_cast<const scene::LitMaterial*>(material);
        values.Kind = Shading::Lit;
        values.Diffuse = lit.Diffuse;
        values.Ambient = lit.Ambient;
        values.Emissive = lit.Emissive;
        values.Specular = lit.Specular;
        values.Shininess = lit.Shininess;
        values.Texture = lit.Texture.View();
        break;
    }
    default:
        break;
    }
    return values;
}

bool SetMaterial(QOpenGLShaderProgram& program, const MaterialValues& material, PictureTextures& pictures)
{
    switch (material.Kind) {
    case MaterialValues::Shading::Flat:
        program.setUniformValue("lit", false);
        program.setUniformValue("flatColour", ColourOf(material.Color));
        return true;
    case MaterialValues::Shading::Lit:
        SetLit(program, material, pictures);
        return true;
    case MaterialValues::Shading::None:
        break;
    }
    return false;
}

} // namespace tessivar::render
