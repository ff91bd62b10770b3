#include "Group.h"

namespace tessivar::scene {

SceneObject* Group::CloneSelf(SceneObject* owner) const
{
    return new Group(owner, *this);
}

} // namespace tessivar::scene
