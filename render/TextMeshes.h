#pragma once

#include "PictureTextures.h"
#include "SceneWalk.h"
#include "SurfaceBuffer.h"

#include <QOpenGLShaderProgram>

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace tessivar::render {

// Everything of a 3D text that its mesh depends on.
struct TextShape {
    scene::SharedString Text, Family;
    float FontSize, Width, Height, Depth;
    scene::TTextAlign HorzAlign, VertAlign;
    std::uint8_t Sides;

    static TextShape Of(const scene::TText3D& text);
    friend bool operator==(const TextShape&, const TextShape&) = default;
};

// The extruded meshes of the scene's 3D texts, kept in GL memory from frame to
// frame: a mesh is made again only when its text's layout revision moved, or
// when its shape differs because another object took the old one's address.
class TextMeshes {
public:
    // With the surface program bound and its frame uniforms set; `eye` in
    // scene coordinates.
    void Draw(GL& gl, QOpenGLShaderProgram& surface, const Placed<scene::TText3D>& text, const scene::Vector3& eye,
              PictureTextures& pictures);

    // Frees the meshes of texts not drawn since the previous sweep (freed or
    // hidden objects); call once per frame, after drawing.
    void Sweep();

    // How many meshes have been made so far.
    std::uint64_t Builds() const { return builds_; }

private:
    struct Entry {
        TextShape Shape;
        std::uint32_t Revision;
        std::unique_ptr<SurfaceBuffer> Buffer; // null when nothing shows
        int FrontCount = 0, BackCount = 0, ShaftCount = 0;
        bool Used = true;
    };

    Entry& Current(GL& gl, const scene::TText3D& text);
    Entry Build(GL& gl, const scene::TText3D& text);

    std::unordered_map<const scene::TText3D*, Entry> entries_;
    std::uint64_t builds_ = 0;
};

} // namespace tessivar::render
