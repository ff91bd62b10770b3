#include "Text3D.h"

#include "SameText.h"

#include <utility>

namespace tessivar::scene {

template <class T>
void TText3D::SetLook(T& field, T value, bool layout)
{
    if (field == value)
        return;
    field = std::move(value);
    ValueChanged(layout);
}

void TText3D::SetText(SharedString text) { SetLook(text_, std::move(text), true); }

void TText3D::SetFontFamily(SharedString family) { SetLook(font_.Family, std::move(family), true); }

void TText3D::SetHorzTextAlign(TTextAlign align) { SetLook(horzTextAlign_, align, true); }

void TText3D::SetVertTextAlign(TTextAlign align) { SetLook(vertTextAlign_, align, true); }

void TText3D::SetSides(std::uint8_t sides) { SetLook(sides_, sides, true); }

void TText3D::SetMaterialSource(TMaterialSource* material) { SetLook(materialSource_, material, false); }

void TText3D::SetMaterialBackSource(TMaterialSource* material) { SetLook(materialBackSource_, material, false); }

void TText3D::SetMaterialShaftSource(TMaterialSource* material) { SetLook(materialShaftSource_, material, false); }

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
