#pragma once

#include "Materials.h"
#include "Objects3D.h"

namespace tessivar::scene {

enum class TTextAlign : std::uint8_t { Center, Leading, Trailing };

// Which parts of extruded text are drawn.
enum TExtrudedShapeSides : std::uint8_t {
    SideFront = 1,
    SideBack = 2,
    SideShaft = 4,
    AllSides = SideFront | SideBack | SideShaft,
};

struct TFont {
    SharedString Family; // empty: the default interface font
    float Size = 12; // scene units
};

// Extruded text laid out in its Width x Height box (word wrap on), Depth deep,
// front face (towards -Z) in MaterialSource, back in MaterialBackSource, side
// walls in MaterialShaftSource. Every change of what the layout depends on
// bumps LayoutRevision().
class TText3D final : public TControl3D {
public:
    using TControl3D::TControl3D;
    TObjectKind Kind() const override { return TObjectKind::Text3D; }

    const SharedString& Text() const { return text_; }
    void SetText(SharedString text);

    const TFont& Font() const { return font_; }
    void SetFontSize(float size) { SetLayoutValue(font_.Size, size); }
    void SetFontFamily(SharedString family);

    TTextAlign HorzTextAlign() const { return horzTextAlign_; }
    TTextAlign VertTextAlign() const { return vertTextAlign_; }
    void SetHorzTextAlign(TTextAlign align);
    void SetVertTextAlign(TTextAlign align);
    static constexpr bool WordWrap = true;

    float Flatness() const { return flatness_; }
    void SetFlatness(float flatness) { SetLayoutValue(flatness_, flatness); }
    std::uint8_t Sides() const { return sides_; }
    void SetSides(std::uint8_t sides);

    TMaterialSource* MaterialSource() const { return materialSource_; }
    TMaterialSource* MaterialBackSource() const { return materialBackSource_; }
    TMaterialSource* MaterialShaftSource() const { return materialShaftSource_; }
    void SetMaterialSource(TMaterialSource* material);
    void SetMaterialBackSource(TMaterialSource* material);
    void SetMaterialShaftSource(TMaterialSource* material);

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
    FloatTarget ResolveFloat(const std::string_view* components, std::size_t count) override;

private:
    SharedString text_;
    TFont font_;
    float flatness_ = 1;
    TTextAlign horzTextAlign_ = TTextAlign::Center;
    TTextAlign vertTextAlign_ = TTextAlign::Center;
    std::uint8_t sides_ = AllSides;
    TMaterialSource* materialSource_ = nullptr;
    TMaterialSource* materialBackSource_ = nullptr;
    TMaterialSource* materialShaftSource_ = nullptr;
};

} // namespace tessivar::scene
