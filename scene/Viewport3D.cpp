#include "Viewport3D.h"

#include "Camera.h"

namespace tessivar::scene {

TViewport3D::TViewport3D(TFmxObject* owner) : TFmxObject(owner)
{
    root_ = this;
}

TViewport3D::~TViewport3D()
{
    // While this is still a view: the children count its revision as they go.
    FreeChildren();
    DetachFromParent();
}

void TViewport3D::SetColor(TAlphaColor color)
{
    SetField(color_, color);
}

void TViewport3D::SetCamera(TCamera* camera)
{
    SetField(camera_, camera);
}

void TViewport3D::SetUsingDesignCamera(bool value)
{
    SetField(usingDesignCamera_, value);
}

void TViewport3D::SetSize(float width, float height)
{
    if (width_ == width && height_ == height)
        return;
    width_ = width;
    height_ = height;
    Changed();
}

TFmxObject* TViewport3D::CloneSelf(TFmxObject* owner) const
{
    auto* copy = new TViewport3D(owner);
    copy->color_ = color_;
    copy->width_ = width_;
    copy->height_ = height_;
    copy->usingDesignCamera_ = usingDesignCamera_;
    return copy;
}

} // namespace tessivar::scene
