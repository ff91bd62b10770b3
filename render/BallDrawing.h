#pragma once

namespace tessivar::render {

// How balls are drawn. Impostors (a ray-cast sphere on a quad facing the eye)
// cost a small fraction of the mesh on a software renderer; the mesh is the
// 16 x 12 sphere itself, kept as the reference picture.
enum class BallDrawing { Impostors, Mesh };

} // namespace tessivar::render
