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

QString ToQString(const scene::SharedString& text)
{
    const std::string_view view = text.View();
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// The largest factor by which `world` stretches a length.
float LargestScale(const scene::Matrix4& world)
{
    return std::max({world.Row(0).Length(), world.Row(1).Length(), world.Row(2).Length()});
}

} // namespace

TextShape TextShape::Of(const scene::TText3D& text)
{
    return {text.Text(),  text.Font().Family,   text.Font().Size,     text.Width(), text.Height(),
            text.Depth(), text.HorzTextAlign(), text.VertTextAlign(), text.Sides()};
}

void TextMeshes::Draw(GL& gl, QOpenGLShaderProgram& surface, const Placed<scene::TText3D>& text, const Frustum& view,
                      const scene::Vector3& eye, PictureTextures& pictures)
{
    Entry& entry = Current(*text.Object);
    if (entry.Chunks.empty())
        return;
    SetModel(surface, text.World);
    const scene::TText3D& object = *text.Object;
    // A flat face seen from behind is culled triangle by triangle; sparing
    // the software renderer all of them is the same picture, only cheaper.
    const float eyeZ = text.World.AffineInverse().TransformPoint(eye).Z;
    const float halfDepth = object.Depth() / 2;
    const bool front = eyeZ<-halfDepth, back = eyeZ> halfDepth;
    const float scale = LargestScale(text.World);
    for (Chunk& chunk : entry.Chunks) {
        if (!view.Touches(text.World.TransformPoint(chunk.Centre), chunk.Radius * scale))
            continue;
        if (!chunk.Buffer)
            Extrude(gl, entry, chunk);
        chunk.Drawn = true;
        if (front && SetMaterial(surface, object.MaterialSource(), pictures))
            chunk.Buffer->Draw(gl, 0, chunk.FrontCount);
        if (back && SetMaterial(surface, object.MaterialBackSource(), pictures))
            chunk.Buffer->Draw(gl, chunk.FrontCount, chunk.BackCount);
        if (SetMaterial(surface, object.MaterialShaftSource(), pictures))
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

TextMeshes::Entry& TextMeshes::Current(const scene::TText3D& text)
{
    auto found = entries_.find(&text);
    if (found != entries_.end() && found->second.Revision == text.LayoutRevision()
        && found->second.Shape == TextShape::Of(text)) {
        found->second.Used = true;
        return found->second;
    }
    Entry built = Build(text);
    if (found != entries_.end())
        return found->second = std::move(built);
    return entries_.emplace(&text, std::move(built)).first->second;
}

TextMeshes::Entry TextMeshes::Build(const scene::TText3D& text)
{
    ++builds_;
    Entry entry{TextShape::Of(text), text.LayoutRevision(), {}, {}};
    const TextShape& shape = entry.Shape;
    const TextBlock block{ToQString(shape.Text), ToQString(shape.Family), shape.FontSize, shape.Width,
                          shape.Height,          shape.HorzAlign,         shape.VertAlign};
    entry.Glyphs = PlaceGlyphs(block, glyphCache_);
    const std::size_t glyphs = entry.Glyphs.Glyphs.size();
    for (std::size_t first = 0; first < glyphs; first += kGlyphsPerChunk) {
        const std::size_t count = std::min(kGlyphsPerChunk, glyphs - first);
        const QRectF bounds = entry.Glyphs.Bounds(first, count);
        const auto halfX = static_cast<float>(bounds.width() / 2), halfY = static_cast<float>(bounds.height() / 2);
        const float halfZ = shape.Depth / 2;
        const scene::Vector3 centre{static_cast<float>(bounds.center().x()), static_cast<float>(bounds.center().y()),
                                    0};
        entry.Chunks.push_back({first, count, centre, scene::Vector3{halfX, halfY, halfZ}.Length(), nullptr});
    }
    return entry;
}

void TextMeshes::Extrude(GL& gl, const Entry& entry, Chunk& chunk)
{
    const TextShape& shape = entry.Shape;
    const TextMesh mesh
        = ExtrudeGlyphs(entry.Glyphs, chunk.First, chunk.Count, shape.Width, shape.Height, shape.Depth, shape.Sides);
    SurfaceTriangles vertices = mesh.Front;
    vertices.insert(vertices.end(), mesh.Back.begin(), mesh.Back.end());
    vertices.insert(vertices.end(), mesh.Shaft.begin(), mesh.Shaft.end());
    chunk.FrontCount = static_cast<int>(mesh.Front.size());
    chunk.BackCount = static_cast<int>(mesh.Back.size());
    chunk.ShaftCount = static_cast<int>(mesh.Shaft.size());
    chunk.Buffer = std::make_unique<SurfaceBuffer>(gl, vertices);
}

} // namespace tessivar::render
