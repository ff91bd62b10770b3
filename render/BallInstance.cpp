#include "BallInstance.h"

namespace tessivar::render {

BallInstance BallInstanceOf(const scene::TSphere& sphere, const scene::Matrix4& world)
{
    const scene::Vector3 x = world.Row(0), y = world.Row(1), z = world.Row(2), centre = world.Row(3);
    const float scale = (x.Length() + y.Length() + z.Length()) / 3;
    const scene::Vector3 axisY = y.Normalized(), axisZ = z.Normalized();
    return {centre.X, centre.Y, centre.Z, sphere.Width() / 2 * scale,
            axisY.X,  axisY.Y,  axisY.Z,  axisZ.X,
            axisZ.Y,  axisZ.Z};
}

} // namespace tessivar::render
