#include "SceneWalk.h"

#include "BallContacts.h"

#include <limits>

namespace tessivar::render {

namespace {

using scene::ObjectKind;

constexpr std::uint32_t NoParent = std::numeric_limits<std::uint32_t>::max();

// Fills a frame with the visible objects as a pass meets them.
class FrameBuilder {
public:
    FrameBuilder(SceneFrame& frame, BallSink& balls) : frame_(frame), balls_(balls) {}

    // An object that is not a ball, placed by `world`.
    void Add(const scene::PlacedObject& object, ObjectKind kind, const scene::Matrix4& world)
    {
        switch (kind) {
        case ObjectKind::Plane:
            frame_.Planes.push_back({static_cast<const scene::Plane*>(&object), world});
            break;
        case ObjectKind::Text3D:
            frame_.Texts.push_back({static_cast<const scene::Text3D*>(&object), world});
            break;
        case ObjectKind::Grid:
            frame_.Grids.push_back({static_cast<const scene::Grid*>(&object), world});
            break;
        case ObjectKind::Light:
            AddLight(static_cast<const scene::Light&>(object));
            break;
        default:
            break;
        }
    }

    // A ball; `parentIndex` is NoParent until the parent's first ball gives
    // its world a place in the frame.
    void AddBall(const scene::Ball& ball, std::uint32_t& parentIndex, const scene::Matrix4& parentWorld)
    {
        if (parentIndex == NoParent) {
            parentIndex = static_cast<std::uint32_t>(frame_.BallParents.size());
            frame_.BallParents.push_back(parentWorld);
        }
        balls_.Add(ball, parentIndex);
    }

private:
    void AddLight(const scene::Light& light)
    {
        if (!frame_.Light && light.LightType() == scene::LightKind::Directional)
            frame_.Light = &light;
    }

    SceneFrame& frame_;
    BallSink& balls_;
};

// The pass down the scene's children, noting the steps it takes if asked.
class Walker {
public:
    Walker(FrameBuilder& frame, std::vector<SceneOutline::Step>* steps) : frame_(frame), steps_(steps) {}

    void VisitChildren(const scene::SceneObject& parent, const scene::Matrix4& parentWorld, std::uint32_t parentStep)
    {
        std::uint32_t ballParent = NoParent;
        for (const scene::SceneObject* child : parent.Children()) {
            const ObjectKind kind = child->Kind();
            if (!scene::IsPlaced(kind) || !child->Visible())
                continue;
            const auto& object = static_cast<const scene::PlacedObject&>(*child);
            if (steps_)
                steps_->push_back({&object, parentStep, kind});
            // Balls carry nothing but their animations: their children are
            // not looked at, which would cost a cache miss per ball.
            if (kind == ObjectKind::Ball) {
                frame_.AddBall(static_cast<const scene::Ball&>(object), ballParent, parentWorld);
                continue;
            }
            const scene::Matrix4 world = object.LocalMatrix() * parentWorld;
            frame_.Add(object, kind, world);
            const auto step = static_cast<std::uint32_t>(placedParents_++);
            if (object.FirstChild())
                VisitChildren(object, world, step);
        }
    }

private:
    FrameBuilder& frame_;
    std::vector<SceneOutline::Step>* steps_;
    std::size_t placedParents_ = 0;
};

SceneFrame Walk(const scene::SceneRoot& viewport, BallSink& balls, std::vector<SceneOutline::Step>* steps)
{
    SceneFrame frame;
    FrameBuilder builder(frame, balls);
    if (viewport.Visible())
        Walker(builder, steps).VisitChildren(viewport, scene::Matrix4::Identity(), SceneOutline::Viewport);
    return frame;
}

// The poses of the balls by material, in order of first appearance.
class PoseBatches final : public BallSink {
public:
    struct Batch {
        const scene::Material* Material;
        std::vector<BallPose> Poses;
    };

    void Add(const scene::Ball& ball, std::uint32_t parent) override
    {
        // Balls come in long runs of one material: try the last batch first.
        if (last_ >= batches_.size() || batches_[last_].Material != ball.MaterialSource())
            last_ = BatchOf(ball.MaterialSource());
        batches_[last_].Poses.push_back(BallPose::Of(ball, parent));
    }

    const std::vector<Batch>& Batches() const { return batches_; }

private:
    std::size_t BatchOf(const scene::Material* material)
    {
        for (std::size_t i = 0; i < batches_.size(); ++i)
            if (batches_[i].Material == material)
                return i;
        batches_.push_back(Batch{material, {}});
        return batches_.size() - 1;
    }

    std::vector<Batch> batches_;
    std::size_t last_ = 0;
};

} // namespace

SceneFrame GatherScene(const scene::SceneRoot& viewport, BallSink& balls)
{
    return Walk(viewport, balls, nullptr);
}

SceneFrame WalkScene(const scene::SceneRoot& viewport, const Frustum& view)
{
    PoseBatches poses;
    SceneFrame frame = GatherScene(viewport, poses);
    const ContactBoxes contacts(frame);
    for (const PoseBatches::Batch& batch : poses.Batches()) {
        frame.Balls.push_back({batch.Material, {}});
        PlaceBalls(batch.Poses, frame.BallParents, view, contacts, frame.Balls.back().Balls);
    }
    return frame;
}

SceneFrame SceneOutline::Gather(const scene::SceneRoot& viewport, BallSink& balls)
{
    if (!viewport.Visible()) {
        viewport_ = nullptr;
        return {};
    }
    if (&viewport == viewport_ && viewport.OutlineRevision() == outlineRevision_)
        return Replay(balls);
    viewport_ = &viewport;
    outlineRevision_ = viewport.OutlineRevision();
    steps_.clear();
    return Walk(viewport, balls, &steps_);
}

// The walk again, the same objects in the same order, with their values now.
SceneFrame SceneOutline::Replay(BallSink& balls) const
{
    SceneFrame frame;
    FrameBuilder builder(frame, balls);
    // Of the objects that are not balls: their worlds, and their places in
    // the frame's BallParents once a ball of theirs came by; the viewport's
    // last.
    std::vector<scene::Matrix4> worlds;
    std::vector<std::uint32_t> ballParents;
    std::uint32_t viewportBallParent = NoParent;
    const scene::Matrix4 identity = scene::Matrix4::Identity();
    for (const Step& step : steps_) {
        const bool underViewport = step.Parent == Viewport;
        const scene::Matrix4& parentWorld = underViewport ? identity : worlds[step.Parent];
        if (step.Kind == ObjectKind::Ball) {
            std::uint32_t& ballParent = underViewport ? viewportBallParent : ballParents[step.Parent];
            builder.AddBall(static_cast<const scene::Ball&>(*step.Object), ballParent, parentWorld);
            continue;
        }
        worlds.push_back(step.Object->LocalMatrix() * parentWorld);
        ballParents.push_back(NoParent);
        builder.Add(*step.Object, step.Kind, worlds.back());
    }
    return frame;
}

} // namespace tessivar::render
