#pragma once

#include "Materials.h"
#include "PlacedObject.h"

namespace tessivar::scene {

// A scene object painted with one material.
class Shape : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    Material* MaterialSource() const { return materialSource_; }
    void SetMaterialSource(Material* material);

protected:
    Shape(SceneObject* owner, const Shape& source);

private:
    Material* materialSource_ = nullptr;
};

} // namespace tessivar::scene
