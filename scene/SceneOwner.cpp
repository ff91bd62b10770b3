#include "SceneOwner.h"

namespace tessivar::scene {

SceneObject* SceneOwner::CloneSelf(SceneObject* owner) const
{
    return new SceneOwner(owner);
}

} // namespace tessivar::scene
