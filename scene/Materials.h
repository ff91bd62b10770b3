#pragma once

#include "Argb.h"
#include "SceneObject.h"

namespace tessivar::scene {

// A material object shared by reference between scene objects and their clones.
class Material : public SceneObject {
public:
    using SceneObject::SceneObject;
};

// Paints its colour flat and ignores the light.
class FlatMaterial final : public Material {
public:
    explicit FlatMaterial(SceneObject* owner, Argb color = 0xFFFFFFFF) : Material(owner), Color(color) {}
    ObjectKind Kind() const override { return ObjectKind::FlatMaterial; }

    Argb Color;

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

// Shaded by the light, with its picture as the surface colour.
class LitMaterial final : public Material {
public:
    using Material::Material;
    ObjectKind Kind() const override { return ObjectKind::LitMaterial; }

    Argb Diffuse = 0xFFFFFFFF;
    Argb Ambient = 0xFF202020;
    Argb Emissive = 0x00000000; // none
    Argb Specular = 0xFF606060;
    int Shininess = 30;
    // The picture by resource name ("banner", "ball"); the renderer loads it.
    SharedString Texture;

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

} // namespace tessivar::scene
