#pragma once

#include "BallRenderer.h"
#include "FrameSnapshot.h"
#include "GridRenderer.h"
#include "PictureTextures.h"
#include "PlaneRenderer.h"
#include "ShaderLibrary.h"
#include "TextMeshes.h"

namespace tessivar::render {

// Draws one frame of a scene into the current framebuffer, from a snapshot of
// the scene. Made and used with its GL context current; holds the GL resources
// of the frames (programs, pictures, text meshes, buffers).
class SceneRenderer {
public:
    explicit SceneRenderer(GL& gl);

    void Render(const FrameSnapshot& frame);

    const QString& Error() const { return shaders_.Error(); }
    std::uint64_t TextMeshBuilds() const { return texts_.Builds(); }

private:
    GL& gl_;
    ShaderLibrary shaders_;
    bool ready_;
    PictureTextures pictures_;
    PlaneRenderer planes_;
    TextMeshes texts_;
    GridRenderer grids_;
    BallRenderer balls_;
};

} // namespace tessivar::render
