#include "Materials.h"

namespace tessivar::scene {

SceneObject* FlatMaterial::CloneSelf(SceneObject* owner) const
{
    return new FlatMaterial(owner, Color);
}

SceneObject* LitMaterial::CloneSelf(SceneObject* owner) const
{
    auto* copy = new LitMaterial(owner);
    copy->Diffuse = Diffuse;
    copy->Ambient = Ambient;
    copy->Emissive = Emissive;
    copy->Specular = Specular;
    copy->Shininess = Shininess;
    copy->Texture = Texture;
    return copy;
}

} // namespace tessivar::scene
