#include "Plane.h"

namespace tessivar::scene {

SceneObject* Plane::CloneSelf(SceneObject* owner) const
{
    return new Plane(owner, *this);
}

} // namespace tessivar::scene
