#pragma once

#include "Materials.h"
#include "PlacedObject.h"

namespace tessivar::scene {

enum class TextAlign : std::uint8_t { Center, Leading, Trailing };

// Which parts of extruded text are drawn.
enum TextSides : std::uint8_t {
    SideFront = 1,
    SideBack = 2,
    SideShaft = 4,
    AllSides = SideFront | SideBack | SideShaft,
};

struct FontSpec {
    SharedString Family; // empty: the default interface font
    float Size = 12; // scene units
};

// Extruded text laid out in its Width x Height box (word wrap on where the box
// has room for a second line; a lower box keeps a long line whole and shrinks
// it evenly), Depth deep, front face (towards -Z) in MaterialSource, back in
// MaterialBackSource, side walls in MaterialShaftSource. Every change of what the layout depends on
// bumps LayoutRevision().
class Text3D final : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    ObjectKind Kind() const override { return ObjectKind::Text3D; }

    const SharedString& Text() const { return text_; }
    void SetText(SharedString text);

    const FontSpec& Font() const { return font_; }
    void SetFontSize(float size) { SetLayoutValue(font_.Size, size); }
    void SetFontFamily(SharedString family);

    TextAlign HorzTextAlign() const { return horzTextAlign_; }
    TextAlign VertTextAlign() const { return vertTextAlign_; }
    void SetHorzTextAlign(TextAlign align);
    void SetVertTextAlign(TextAlign align);
    static constexpr bool WordWrap = true;

    float Flatness() const { return flatness_; }
    void SetFlatness(float flatness) { SetLayoutValue(flatness_, flatness); }
    std::uint8_t Sides() const { return sides_; }
    void SetSides(std::uint8_t sides);

    Material* MaterialSource() const { return materialSource_; }
    Material* MaterialBackSource() const { return materialBackSource_; }
    Material* MaterialShaftSource() const { return materialShaftSource_; }
    void SetMaterialSource(Material* material);
    void SetMaterialBackSource(Material* material);
    void SetMaterialShaftSource(Material* material);

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
    FloatTarget ResolveFloat(const std::string_view* components, std::size_t count) override;

private:
    SharedString text_;
    FontSpec font_;
    float flatness_ = 1;
    TextAlign horzTextAlign_ = TextAlign::Center;
    TextAlign vertTextAlign_ = TextAlign::Center;
    std::uint8_t sides_ = AllSides;
    Material* materialSource_ = nullptr;
    Material* materialBackSource_ = nullptr;
    Material* materialShaftSource_ = nullptr;
};

} // namespace tessivar::scene
