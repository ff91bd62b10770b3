#include "SceneWalk.h"

#include "BallContacts.h"

#include <algorithm>
#include <cmath>

namespace tessivar::render {

namespace {

using scene::ObjectKind;

class Walker {
public:
    Walker(SceneFrame& frame, const Frustum& view) : frame_(frame), view_(view) {}

    void VisitChildren(const scene::SceneObject& parent, const scene::Matrix4& parentWorld)
    {
        // How much the parent enlarges, for the balls' quick view test.
        const float parentScale
            = std::max({parentWorld.Row(0).Length(), parentWorld.Row(1).Length(), parentWorld.Row(2).Length()});
        for (const scene::SceneObject* child : parent.Children()) {
            const ObjectKind kind = child->Kind();
            if (!scene::IsPlaced(kind) || !child->Visible())
                continue;
            if (kind == ObjectKind::Ball
                && OutOfView(static_cast<const scene::Ball&>(*child), parentWorld, parentScale))
                continue;
            Visit(static_cast<const scene::PlacedObject&>(*child), parentWorld);
        }
    }

private:
    void Visit(const scene::PlacedObject& object, const scene::Matrix4& parentWorld)
    {
        const scene::Matrix4 world = object.LocalMatrix() * parentWorld;
        switch (object.Kind()) {
        case ObjectKind::Plane:
            frame_.Planes.push_back({static_cast<const scene::Plane*>(&object), world});
            break;
        case ObjectKind::Text3D:
            frame_.Texts.push_back({static_cast<const scene::Text3D*>(&object), world});
            break;
        case ObjectKind::Grid:
            frame_.Grids.push_back({static_cast<const scene::Grid*>(&object), world});
            break;
        case ObjectKind::Ball:
            // Balls carry nothing but their animations: their children are
            // not looked at, which would cost a cache miss per ball.
            AddBall(static_cast<const scene::Ball&>(object), world);
            return;
        case ObjectKind::Light:
            AddLight(static_cast<const scene::Light&>(object));
            break;
        default:
            break;
        }
        if (object.FirstChild())
            VisitChildren(object, world);
    }

    // Most of 51,200 balls lie outside a close view: tell them by their centre
    // and a bound on their radius, before working out their matrices.
    bool OutOfView(const scene::Ball& sphere, const scene::Matrix4& parentWorld, float parentScale) const
    {
        const scene::Vector3& s = sphere.Scale.Point();
        const float radius = sphere.Width() / 2 * std::max({std::abs(s.X), std::abs(s.Y), std::abs(s.Z)}) * parentScale;
        return !view_.Touches(parentWorld.TransformPoint(sphere.Position.Point()), radius);
    }

    void AddBall(const scene::Ball& sphere, const scene::Matrix4& world)
    {
        const BallInstance ball = BallInstanceOf(sphere, world);
        // Balls come in long runs of one material: try the last batch first.
        auto& batches = frame_.Balls;
        if (lastBatch_ >= batches.size() || batches[lastBatch_].Material != sphere.MaterialSource())
            lastBatch_ = BatchOf(sphere.MaterialSource());
        batches[lastBatch_].Instances.push_back(ball);
    }

    std::size_t BatchOf(const scene::Material* material)
    {
        auto& batches = frame_.Balls;
        for (std::size_t i = 0; i < batches.size(); ++i)
            if (batches[i].Material == material)
                return i;
        batches.push_back(BallBatch{material, {}, {}});
        return batches.size() - 1;
    }

    void AddLight(const scene::Light& light)
    {
        if (!frame_.Light && light.LightType() == scene::LightKind::Directional)
            frame_.Light = &light;
    }

    SceneFrame& frame_;
    const Frustum& view_;
    std::size_t lastBatch_ = 0;
};

} // namespace

SceneFrame WalkScene(const scene::SceneRoot& viewport, const Frustum& view)
{
    SceneFrame frame;
    if (viewport.Visible())
        Walker(frame, view).VisitChildren(viewport, scene::Matrix4::Identity());
    SeparateTouchingBalls(frame);
    return frame;
}

} // namespace tessivar::render
