#include "MaterialUniforms.h"

#include "GlFunctions.h"

namespace tessivar::render {

namespace {

QVector3D Rgb(scene::TAlphaColor argb)
{
    return ColourOf(argb).toVector3D();
}

void SetLit(QOpenGLShaderProgram& program, const scene::TLightMaterialSource& material, PictureTextures& pictures)
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

FrameLighting FrameLighting::Of(const scene::TLight* light, const scene::Vector3& eye)
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

bool SetMaterial(QOpenGLShaderProgram& program, const scene::TMaterialSource* material, PictureTextures& pictures)
{
    if (!material)
        return false;
    switch (material->Kind()) {
    case scene::TObjectKind::ColorMaterialSource:
        program.setUniformValue("lit", false);
        program.setUniformValue("flatColour",
                                ColourOf(static_cast<const scene::TColorMaterialSource*>(material)->Color));
        return true;
    case scene::TObjectKind::LightMaterialSource:
        SetLit(program, *static_cast<const scene::TLightMaterialSource*>(material), pictures);
        return true;
    default:
        return false;
    }
}

} // namespace tessivar::render
