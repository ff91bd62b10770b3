#pragma once

namespace tessivar::render {

// How balls are drawn. Impostors (a ray-cast sphere on a quad facing the eye)
// cost a small fraction of the mesh on a software renderer; the mesh is the
// 16 x 12 sphere itself, kept as the reference picture. The plain mesh draws
// every ball as a mesh, in view or not: the straightforward way, kept as the
// baseline that the other two are measured against.
enum class BallDrawing { Impostors, Mesh, PlainMesh };

} // namespace tessivar::render
