#include "Materials.h"

namespace tessivar::scene {

TFmxObject* TColorMaterialSource::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TColorMaterialSource(owner, Color);
    copy->Tag = Tag;
    return copy;
}

TFmxObject* TLightMaterialSource::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TLightMaterialSource(owner);
    copy->Tag = Tag;
    copy->Diffuse = Diffuse;
    copy->Ambient = Ambient;
    copy->Emissive = Emissive;
    copy->Specular = Specular;
    copy->Shininess = Shininess;
    copy->Texture = Texture;
    return copy;
}

} // namespace tessivar::scene
