#pragma once

#include "FrameSnapshot.h"
#include "Frustum.h"
#include "GlyphText.h"
#include "PictureTextures.h"
#include "SurfaceBuffer.h"

#include <QOpenGLShaderProgram>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tessivar::render {

// The scene's 3D texts, made of cached glyph shapes. A text is laid out once
// for each content that a snapshot gives it. Its glyphs are extruded into GL
// memory in chunks of neighbouring glyphs, and only while a chunk may show, so
// that the listing of a long program costs what is in view.
class TextMeshes {
public:
    // With the surface program bound and its frame uniforms set; `eye` in
    // scene coordinates; chunks outside `view` are skipped.
    void Draw(GL& gl, QOpenGLShaderProgram& surface, const TextDraw& text, const Frustum& view,
              const scene::Vector3& eye, PictureTextures& pictures);

    // Frees the texts not drawn since the previous sweep (freed or hidden
    // objects, or contents replaced) and the chunks that left the view; call once per frame, after
    // drawing.
    void Sweep();

    // How many times a text has been laid out so far.
    std::uint64_t Builds() const { return builds_; }

private:
    struct Chunk {
        std::size_t First, Count; // of the text's glyphs
        scene::Vector3 Centre; // of the chunk's bounding sphere, local
        float Radius;
        std::unique_ptr<SurfaceBuffer> Buffer; // null while out of view
        int FrontCount = 0, BackCount = 0, ShaftCount = 0;
        bool Drawn = false;
    };
    struct Entry {
        std::shared_ptr<const TextContent> Content; // holds the key's address
        GlyphText Glyphs;
        std::vector<Chunk> Chunks;
        bool Used = true;
    };

    Entry& Current(const std::shared_ptr<const TextContent>& content);
    Entry Build(const std::shared_ptr<const TextContent>& content);
    static void Extrude(GL& gl, const Entry& entry, Chunk& chunk);

    GlyphCache glyphCache_;
    std::unordered_map<const TextContent*, Entry> entries_;
    std::uint64_t builds_ = 0;
};

} // namespace tessivar::render
