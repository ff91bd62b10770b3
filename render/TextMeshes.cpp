#include "TextMeshes.h"

#include "MaterialUniforms.h"
#include "SurfaceDrawing.h"

#include <algorithm>
#include <utility>

namespace tessivar::render {

namespace {

// Small enough that a chunk scrolling into view is extruded within a frame,
// large enough that a long listing keeps few of them.
constexpr std::size_t kGlyphsPerChunk = 64;

// The largest factor by which `world` stretches a length.
float LargestScale(const scene::Matrix4& world)
{
    return std::max({world.Row(0).Length(), world.Row(1).Length(), world.Row(2).Length()});
}

} // namespace

void TextMeshes::Draw(GL& gl, QOpenGLShaderProgram& surface, const TextDraw& text, const Frustum& view,
                      const scene::Vector3& eye, PictureTextures& pictures)
{
    Entry& entry = Current(text.Content);
    if (entry.Chunks.empty())
        return;
    SetModel(surface, text.World);
    // A flat face seen from behind is culled triangle by triangle; sparing
    // the software renderer all of them is the same picture, only cheaper.
    const float eyeZ = text.World.AffineInverse().TransformPoint(eye).Z;
    const float halfDepth = text.Content->Depth / 2;
    const bool front = eyeZ<-halfDepth, back = eyeZ> halfDepth;
    const float scale = LargestScale(text.World);
    for (Chunk& chunk : entry.Chunks) {
        if (!view.Touches(text.World.TransformPoint(chunk.Centre), chunk.Radius * scale))
            continue;
        if (!chunk.Buffer)
            Extrude(gl, entry, chunk);
        chunk.Drawn = true;
        if (front && SetMaterial(surface, text.Front, pictures))
            chunk.Buffer->Draw(gl, 0, chunk.FrontCount);
        if (back && SetMaterial(surface, text.Back, pictures))
            chunk.Buffer->Draw(gl, chunk.FrontCount, chunk.BackCount);
        if (SetMaterial(surface, text.Shaft, pictures))
            chunk.Buffer->Draw(gl, chunk.FrontCount + chunk.BackCount, chunk.ShaftCount);
    }
}

void TextMeshes::Sweep()
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (!std::exchange(it->second.Used, false)) {
            it = entries_.erase(it);
            continue;
        }
        for (Chunk& chunk : it->second.Chunks) {
            if (!std::exchange(chunk.Drawn, false))
                chunk.Buffer.reset();
        }
        ++it;
    }
}

TextMeshes::Entry& TextMeshes::Current(const std::shared_ptr<const TextContent>& content)
{
    auto found = entries_.find(content.get());
    if (found == entries_.end())
        found = entries_.emplace(content.get(), Build(content)).first;
    found->second.Used = true;
    return found->second;
}

TextMeshes::Entry TextMeshes::Build(const std::shared_ptr<const TextContent>& content)
{
    ++builds_;
    Entry entry{content, PlaceGlyphs(content->Block, glyphCache_), {}};
    const std::size_t glyphs = entry.Glyphs.Glyphs.size();
    for (std::size_t first = 0; first < glyphs; first += kGlyphsPerChunk) {
        const std::size_t count = std::min(kGlyphsPerChunk, glyphs - first);
        const QRectF bounds = entry.Glyphs.Bounds(first, count);
        const auto halfX = static_cast<float>(bounds.width() / 2), halfY = static_cast<float>(bounds.height() / 2);
        const scene::Vector3 centre{static_cast<float>(bounds.center().x()), static_cast<float>(bounds.center().y()),
                                    0};
        entry.Chunks.push_back(
            {first, count, centre, scene::Vector3{halfX, halfY, content->Depth / 2}.Length(), nullptr});
    }
    return entry;
}

void TextMeshes::Extrude(GL& gl, const Entry& entry, Chunk& chunk)
{
    const TextContent& content = *entry.Content;
    const TextMesh mesh = ExtrudeGlyphs(entry.Glyphs, chunk.First, chunk.Count, static_cast<float>(content.Block.Width),
                                        static_cast<float>(content.Block.Height), content.Depth, content.Sides);
    SurfaceTriangles vertices = mesh.Front;
    vertices.insert(vertices.end(), mesh.Back.begin(), mesh.Back.end());
    vertices.insert(vertices.end(), mesh.Shaft.begin(), mesh.Shaft.end());
    chunk.FrontCount = static_cast<int>(mesh.Front.size());
    chunk.BackCount = static_cast<int>(mesh.Back.size());
    chunk.ShaftCount = static_cast<int>(mesh.Shaft.size());
    chunk.Buffer = std::make_unique<SurfaceBuffer>(gl, vertices);
}

} // namespace tessivar::render
