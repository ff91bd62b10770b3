#include "SceneWalk.h"

namespace tessivar::render {

namespace {

using scene::TObjectKind;

class Walker {
public:
    Walker(SceneFrame& frame, const Frustum& view) : frame_(frame), view_(view) {}

    void VisitChildren(const scene::TFmxObject& parent, const scene::Matrix4& parentWorld)
    {
        for (const scene::TFmxObject* child : parent.Children())
            if (scene::IsControl3D(child->Kind()) && child->Visible())
                Visit(static_cast<const scene::TControl3D&>(*child), parentWorld);
    }

private:
    void Visit(const scene::TControl3D& object, const scene::Matrix4& parentWorld)
    {
        const scene::Matrix4 world = object.LocalMatrix() * parentWorld;
        switch (object.Kind()) {
        case TObjectKind::Plane:
            frame_.Planes.push_back({static_cast<const scene::TPlane*>(&object), world});
            break;
        case TObjectKind::Text3D:
            frame_.Texts.push_back({static_cast<const scene::TText3D*>(&object), world});
            break;
        case TObjectKind::Grid3D:
            frame_.Grids.push_back({static_cast<const scene::TGrid3D*>(&object), world});
            break;
        case TObjectKind::Sphere:
            AddBall(static_cast<const scene::TSphere&>(object), world);
            break;
        case TObjectKind::Light:
            AddLight(static_cast<const scene::TLight&>(object));
            break;
        default:
            break;
        }
        if (object.FirstChild())
            VisitChildren(object, world);
    }

    void AddBall(const scene::TSphere& sphere, const scene::Matrix4& world)
    {
        const BallInstance ball = BallInstanceOf(sphere, world);
        if (!view_.Touches(ball.Centre(), ball.Radius))
            return;
        // Balls come in long runs of one material: try the last batch first.
        auto& batches = frame_.Balls;
        if (lastBatch_ >= batches.size() || batches[lastBatch_].Material != sphere.MaterialSource())
            lastBatch_ = BatchOf(sphere.MaterialSource());
        batches[lastBatch_].Instances.push_back(ball);
    }

    std::size_t BatchOf(const scene::TMaterialSource* material)
    {
        auto& batches = frame_.Balls;
        for (std::size_t i = 0; i < batches.size(); ++i)
            if (batches[i].Material == material)
                return i;
        batches.push_back(BallBatch{material, {}});
        return batches.size() - 1;
    }

    void AddLight(const scene::TLight& light)
    {
        if (!frame_.Light && light.LightType() == scene::TLightType::Directional)
            frame_.Light = &light;
    }

    SceneFrame& frame_;
    const Frustum& view_;
    std::size_t lastBatch_ = 0;
};

} // namespace

SceneFrame WalkScene(const scene::TViewport3D& viewport, const Frustum& view)
{
    SceneFrame frame;
    if (viewport.Visible())
        Walker(frame, view).VisitChildren(viewport, scene::Matrix4::Identity());
    return frame;
}

} // namespace tessivar::render
