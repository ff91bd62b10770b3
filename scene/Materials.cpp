#include "Materials.h"

namespace tessivar::scene {

TFmxObject* TColorMaterialSource::CloneSelf(TFmxObject* owner) const
{
    return new TColorMaterialSource(owner, Color);
}

TFmxObject* TLightMaterialSource::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TLightMaterialSource(owner);
    copy->Diffuse = Diffuse;
    copy->Ambient = Ambient;
    copy->Emissive = Emissive;
    copy->Specular = Specular;
    copy->Shininess = Shininess;
    copy->Texture = Texture;
    return copy;
}

} // namespace tessivar::scene
