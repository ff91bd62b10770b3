#include "Text3D.h"

#include "SameText.h"

namespace tessivar::scene {

void TText3D::SetText(SharedString text)
{
    SetLayoutValue(text_, text);
}

void TText3D::SetFontFamily(SharedString family)
{
    SetLayoutValue(font_.Family, family);
}

void TText3D::SetHorzTextAlign(TTextAlign align)
{
    SetLayoutValue(horzTextAlign_, align);
}

void TText3D::SetVertTextAlign(TTextAlign align)
{
    SetLayoutValue(vertTextAlign_, align);
}

void TText3D::SetSides(std::uint8_t sides)
{
    SetLayoutValue(sides_, sides);
}

void TText3D::SetMaterialSource(TMaterialSource* material)
{
    SetField(materialSource_, material);
}

void TText3D::SetMaterialBackSource(TMaterialSource* material)
{
    SetField(materialBackSource_, material);
}

void TText3D::SetMaterialShaftSource(TMaterialSource* material)
{
    SetField(materialShaftSource_, material);
}

TFmxObject* TText3D::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TText3D(owner, *this);
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

FloatTarget TText3D::ResolveFloat(const std::string_view* components, std::size_t count)
{
    if (count == 2 && SameText(components[0], "Font") && SameText(components[1], "Size"))
        return {&font_.Size, this, true};
    if (count == 1 && SameText(components[0], "Flatness"))
        return {&flatness_, this, true};
    return TControl3D::ResolveFloat(components, count);
}

} // namespace tessivar::scene
