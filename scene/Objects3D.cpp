#include "Objects3D.h"

namespace tessivar::scene {

TFmxObject* TDummy::CloneSelf(TFmxObject* owner) const
{
    return new TDummy(owner, *this);
}

void TLight::SetLightType(TLightType type)
{
    SetField(lightType_, type);
}

void TLight::SetColor(TAlphaColor color)
{
    SetField(color_, color);
}

Vector3 TLight::Direction() const
{
    return AbsoluteMatrix().TransformDirection({0, 0, 1}).Normalized();
}

TFmxObject* TLight::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TLight(owner, *this);
    copy->lightType_ = lightType_;
    copy->color_ = color_;
    return copy;
}

void TGrid3D::SetMarks(float marks)
{
    SetLayoutValue(marks_, marks);
}

void TGrid3D::SetFrequency(float frequency)
{
    SetLayoutValue(frequency_, frequency);
}

void TGrid3D::SetLineColor(TAlphaColor color)
{
    SetField(lineColor_, color);
}

TFmxObject* TGrid3D::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TGrid3D(owner, *this);
    copy->marks_ = marks_;
    copy->frequency_ = frequency_;
    copy->lineColor_ = lineColor_;
    return copy;
}

TShape3D::TShape3D(TFmxObject* owner, const TShape3D& source)
    : TControl3D(owner, source), materialSource_(source.materialSource_)
{}

void TShape3D::SetMaterialSource(TMaterialSource* material)
{
    SetField(materialSource_, material);
}

TFmxObject* TPlane::CloneSelf(TFmxObject* owner) const
{
    return new TPlane(owner, *this);
}

TFmxObject* TSphere::CloneSelf(TFmxObject* owner) const
{
    return new TSphere(owner, *this);
}

} // namespace tessivar::scene
