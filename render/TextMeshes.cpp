#include "TextMeshes.h"

#include "GlyphTessellator.h"
#include "MaterialUniforms.h"
#include "SurfaceDrawing.h"
#include "TextExtrusion.h"
#include "TextLayout.h"

#include <utility>

namespace tessivar::render {

namespace {

QString ToQString(const scene::SharedString& text)
{
    const std::string_view view = text.View();
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

TextMesh MeshOf(const TextShape& shape)
{
    const TextBlock block{ToQString(shape.Text), ToQString(shape.Family), shape.FontSize, shape.Width,
                          shape.Height,          shape.HorzAlign,         shape.VertAlign};
    return ExtrudeText(Tessellate(TextOutlines(block)), shape.Width, shape.Height, shape.Depth, shape.Sides);
}

} // namespace

TextShape TextShape::Of(const scene::TText3D& text)
{
    return {text.Text(),  text.Font().Family,   text.Font().Size,     text.Width(), text.Height(),
            text.Depth(), text.HorzTextAlign(), text.VertTextAlign(), text.Sides()};
}

void TextMeshes::Draw(GL& gl, QOpenGLShaderProgram& surface, const Placed<scene::TText3D>& text,
                      const scene::Vector3& eye, PictureTextures& pictures)
{
    Entry& entry = Current(gl, *text.Object);
    if (!entry.Buffer)
        return;
    SetModel(surface, text.World);
    const scene::TText3D& object = *text.Object;
    // A flat face seen from behind is culled triangle by triangle; sparing
    // the software renderer all of them is the same picture, only cheaper.
    const float eyeZ = text.World.AffineInverse().TransformPoint(eye).Z;
    const float halfDepth = object.Depth() / 2;
    if (eyeZ < -halfDepth && SetMaterial(surface, object.MaterialSource(), pictures))
        entry.Buffer->Draw(gl, 0, entry.FrontCount);
    if (eyeZ > halfDepth && SetMaterial(surface, object.MaterialBackSource(), pictures))
        entry.Buffer->Draw(gl, entry.FrontCount, entry.BackCount);
    if (SetMaterial(surface, object.MaterialShaftSource(), pictures))
        entry.Buffer->Draw(gl, entry.FrontCount + entry.BackCount, entry.ShaftCount);
}

void TextMeshes::Sweep()
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (std::exchange(it->second.Used, false))
            ++it;
        else
            it = entries_.erase(it);
    }
}

TextMeshes::Entry& TextMeshes::Current(GL& gl, const scene::TText3D& text)
{
    auto found = entries_.find(&text);
    if (found != entries_.end() && found->second.Revision == text.LayoutRevision()
        && found->second.Shape == TextShape::Of(text)) {
        found->second.Used = true;
        return found->second;
    }
    Entry built = Build(gl, text);
    if (found != entries_.end())
        return found->second = std::move(built);
    return entries_.emplace(&text, std::move(built)).first->second;
}

TextMeshes::Entry TextMeshes::Build(GL& gl, const scene::TText3D& text)
{
    ++builds_;
    Entry entry{TextShape::Of(text), text.LayoutRevision(), nullptr};
    const TextMesh mesh = MeshOf(entry.Shape);
    if (mesh.Empty())
        return entry;
    SurfaceTriangles vertices = mesh.Front;
    vertices.insert(vertices.end(), mesh.Back.begin(), mesh.Back.end());
    vertices.insert(vertices.end(), mesh.Shaft.begin(), mesh.Shaft.end());
    entry.FrontCount = static_cast<int>(mesh.Front.size());
    entry.BackCount = static_cast<int>(mesh.Back.size());
    entry.ShaftCount = static_cast<int>(mesh.Shaft.size());
    entry.Buffer = std::make_unique<SurfaceBuffer>(gl, vertices);
    return entry;
}

} // namespace tessivar::render
