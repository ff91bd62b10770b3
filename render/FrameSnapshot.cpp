#include "FrameSnapshot.h"

#include "Camera.h"
#include "GlFunctions.h"
#include "SceneRoot.h"
#include "SceneWalk.h"

#include <utility>

namespace tessivar::render {

namespace {

// Everything of a 3D text that its mesh depends on, as the scene holds it.
struct TextShape {
    scene::SharedString Text, Family;
    float FontSize, Width, Height, Depth;
    scene::TextAlign HorzAlign, VertAlign;
    std::uint8_t Sides;

    static TextShape Of(const scene::Text3D& text)
    {
        return {text.Text(),  text.Font().Family,   text.Font().Size,     text.Width(), text.Height(),
                text.Depth(), text.HorzTextAlign(), text.VertTextAlign(), text.Sides()};
    }
    friend bool operator==(const TextShape&, const TextShape&) = default;
};

QString ToQString(const scene::SharedString& text)
{
    const std::string_view view = text.View();
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

std::shared_ptr<const TextContent> ContentOf(const TextShape& shape)
{
    return std::make_shared<const TextContent>(
        TextContent{{ToQString(shape.Text), ToQString(shape.Family), shape.FontSize, shape.Width, shape.Height,
                     shape.HorzAlign, shape.VertAlign},
                    shape.Depth,
                    shape.Sides});
}

} // namespace

struct SceneSync::KnownText {
    TextShape Shape;
    std::shared_ptr<const TextContent> Content;
    bool Seen;
};

FrameSnapshot SceneSync::Take(const scene::SceneRoot& viewport, int width, int height, BallDrawing balls)
{
    FrameSnapshot snapshot;
    snapshot.Revision = viewport.Revision();
    snapshot.Width = width;
    snapshot.Height = height;
    snapshot.Background = ColourOf(viewport.Color());
    snapshot.Balls = balls;
    const scene::Camera* camera = viewport.Camera();
    if (!camera || width <= 0 || height <= 0)
        return snapshot;

    snapshot.HasCamera = true;
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    snapshot.ViewProjection = camera->ViewMatrix() * camera->ProjectionMatrix(aspect);
    snapshot.Eye = camera->EyePosition();
    SceneFrame frame = outline_.Gather(viewport, balls_);
    snapshot.Lighting = FrameLighting::Of(frame.Light, snapshot.Eye);
    snapshot.BallParents = std::move(frame.BallParents);
    snapshot.Contacts = ContactBoxes(frame);
    for (BallChunks::Batch& batch : balls_.Finish())
        snapshot.BallBatches.push_back({MaterialValues::Of(batch.Material), std::move(batch.Chunks)});
    for (const Placed<scene::Text3D>& text : frame.Texts) {
        const scene::Text3D& object = *text.Object;
        snapshot.Texts.push_back({text.World, ContentOf(object), MaterialValues::Of(object.MaterialSource()),
                                  MaterialValues::Of(object.MaterialBackSource()),
                                  MaterialValues::Of(object.MaterialShaftSource())});
    }
    ForgetUnseenTexts();
    for (const Placed<scene::Plane>& plane : frame.Planes) {
        const scene::Plane& object = *plane.Object;
        snapshot.Planes.push_back(
            {plane.World, object.Width(), object.Height(), MaterialValues::Of(object.MaterialSource())});
    }
    for (const Placed<scene::Grid>& grid : frame.Grids)
        snapshot.Grids.push_back({grid.World, GridShape::Of(*grid.Object)});
    return snapshot;
}

// Keyed by the object, and checked against its shape: another object may
// have taken a freed one's address.
std::shared_ptr<const TextContent> SceneSync::ContentOf(const scene::Text3D& text)
{
    TextShape shape = TextShape::Of(text);
    std::shared_ptr<KnownText>& known = texts_[&text];
    if (!known || !(known->Shape == shape)) {
        std::shared_ptr<const TextContent> content = render::ContentOf(shape);
        known = std::make_shared<KnownText>(KnownText{std::move(shape), std::move(content), true});
    }
    known->Seen = true;
    return known->Content;
}

void SceneSync::ForgetUnseenTexts()
{
    for (auto it = texts_.begin(); it != texts_.end();) {
        if (std::exchange(it->second->Seen, false))
            ++it;
        else
            it = texts_.erase(it);
    }
}

} // namespace tessivar::render
