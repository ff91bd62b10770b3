#pragma once

#include "BallRenderer.h"
#include "GridRenderer.h"
#include "PictureTextures.h"
#include "PlaneRenderer.h"
#include "ShaderLibrary.h"
#include "TextMeshes.h"

namespace tessivar::scene {
class TViewport3D;
}

namespace tessivar::render {

// Draws one frame of a scene into the current framebuffer. Made and used with
// its GL context current; holds the GL resources of the frames (programs,
// pictures, text meshes, buffers).
class SceneRenderer {
public:
    explicit SceneRenderer(GL& gl);

    void Render(const scene::TViewport3D& viewport, int width, int height, BallDrawing balls);

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
