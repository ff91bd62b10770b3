#include "Text3D.h"

#include "SameText.h"

namespace tessivar::scene {

void Text3D::SetText(SharedString text)
{
    SetLayoutValue(text_, text);
}

void Text3D::SetFontFamily(SharedString family)
{
    SetLayoutValue(font_.Family, family);
}

void Text3D::SetHorzTextAlign(TextAlign align)
{
    SetLayoutValue(horzTextAlign_, align);
}

void Text3D::SetVertTextAlign(TextAlign align)
{
    SetLayoutValue(vertTextAlign_, align);
}

void Text3D::SetSides(std::uint8_t sides)
{
    SetLayoutValue(sides_, sides);
}

void Text3D::SetMaterialSource(Material* material)
{
    SetField(materialSource_, material);
}

void Text3D::SetMaterialBackSource(Material* material)
{
    SetField(materialBackSource_, material);
}

void Text3D::SetMaterialShaftSource(Material* material)
{
    SetField(materialShaftSource_, material);
}

SceneObject* Text3D::CloneSelf(SceneObject* owner) const
{
    auto* copy = new Text3D(owner, *this);
    copy->text_ = text_;
    copy->font_ = font_;
    copy->flatness_ = flatness_;
    copy->horzTextAlign_ = horzTextAlign_;
    copy->vertTextAlign_ = vertTextAlign_;
    copy->sides_ = sides_;
    copy->materialSource_ = materialSource_;
    copy->materialBackSource_ = materialBackSource_;
    copy->materialShaftSource_ = materialShaftSource_;
    return copy;
}

FloatTarget Text3D::ResolveFloat(const std::string_view* components, std::size_t count)
{
    if (count == 2 && SameText(components[0], "Font") && SameText(components[1], "Size"))
        return {&font_.Size, this, true};
    if (count == 1 && SameText(components[0], "Flatness"))
        return {&flatness_, this, true};
    return PlacedObject::ResolveFloat(components, count);
}

} // namespace tessivar::scene
