#include "Ball.h"

namespace tessivar::scene {

SceneObject* Ball::CloneSelf(SceneObject* owner) const
{
    return new Ball(owner, *this);
}

} // namespace tessivar::scene
