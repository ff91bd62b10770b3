#include "Shape.h"

namespace tessivar::scene {

Shape::Shape(SceneObject* owner, const Shape& source)
    : PlacedObject(owner, source), materialSource_(source.materialSource_)
{}

void Shape::SetMaterialSource(Material* material)
{
    if (materialSource_ != material)
        OutlineChanged();
    SetField(materialSource_, material);
}

} // namespace tessivar::scene
