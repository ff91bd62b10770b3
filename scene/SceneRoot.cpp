#include "SceneRoot.h"

#include "Camera.h"

namespace tessivar::scene {

SceneRoot::SceneRoot(SceneObject* owner) : SceneObject(owner)
{
    root_ = this;
}

SceneRoot::~SceneRoot()
{
    // While this is still a view: the children count its revision as they go.
    FreeChildren();
    DetachFromParent();
}

void SceneRoot::SetColor(Argb color)
{
    SetField(color_, color);
}

void SceneRoot::SetCamera(scene::Camera* camera)
{
    SetField(camera_, camera);
}

void SceneRoot::SetUsingDesignCamera(bool value)
{
    SetField(usingDesignCamera_, value);
}

void SceneRoot::SetSize(float width, float height)
{
    if (width_ == width && height_ == height)
        return;
    width_ = width;
    height_ = height;
    Changed();
}

SceneObject* SceneRoot::CloneSelf(SceneObject* owner) const
{
    auto* copy = new SceneRoot(owner);
    copy->color_ = color_;
    copy->width_ = width_;
    copy->height_ = height_;
    copy->usingDesignCamera_ = usingDesignCamera_;
    return copy;
}

} // namespace tessivar::scene
