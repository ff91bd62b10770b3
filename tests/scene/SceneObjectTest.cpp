#include "ManualClock.h"

#include "Ball.h"
#include "Camera.h"
#include "Grid.h"
#include "Light.h"
#include "Plane.h"
#include "Text3D.h"

#include <functional>
#include <memory>
#include <vector>

namespace tessivar::scene::testing {
namespace {

using SceneObjectTest = SceneTest;

std::vector<SceneObject*> ChildrenOf(const SceneObject& object)
{
    return {object.Children().begin(), object.Children().end()};
}

// --- Parent and children ---------------------------------------------------------

TEST_F(SceneObjectTest, ChildrenKeepTheOrderOfAttachment)
{
    Group* group = MakeObject();
    Group* a = MakeObject(group);
    Group* b = MakeObject(group);
    Group* c = MakeObject(group);
    EXPECT_EQ(ChildrenOf(*group), (std::vector<SceneObject*>{a, b, c}));
    EXPECT_EQ(group->ChildCount(), 3u);

    b->SetParent(group); // same parent: nothing moves
    EXPECT_EQ(ChildrenOf(*group), (std::vector<SceneObject*>{a, b, c}));

    a->SetParent(nullptr);
    EXPECT_EQ(ChildrenOf(*group), (std::vector<SceneObject*>{b, c}));
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->Root(), nullptr);

    a->SetParent(group); // attaches last
    EXPECT_EQ(ChildrenOf(*group), (std::vector<SceneObject*>{b, c, a}));
    EXPECT_EQ(a->Root(), view);
}

TEST_F(SceneObjectTest, ParentThatWouldMakeACycleIsRefused)
{
    Group* group = MakeObject();
    Group* child = MakeObject(group);
    Group* grandchild = MakeObject(child);
    group->SetParent(grandchild);
    group->SetParent(group);
    EXPECT_EQ(group->Parent(), view);
    EXPECT_EQ(ChildrenOf(*group), std::vector<SceneObject*>{child});
}

TEST_F(SceneObjectTest, RootFollowsTheWholeSubtree)
{
    auto* group = new Group(&form);
    Group* child = MakeObject(group);
    FloatAnimation* animation = MakeAnimation(child, 0, 1, 1);
    EXPECT_EQ(animation->Root(), nullptr);
    group->SetParent(view);
    EXPECT_EQ(child->Root(), view);
    EXPECT_EQ(animation->Root(), view);
    group->SetParent(nullptr);
    EXPECT_EQ(animation->Root(), nullptr);
}

TEST_F(SceneObjectTest, OwnerIsNotTheParent)
{
    SceneOwner other;
    auto* ball = new Ball(&other);
    ball->SetParent(view);
    EXPECT_EQ(ball->Owner(), &other);
    EXPECT_EQ(ball->Parent(), view);
    EXPECT_EQ(view->Owner(), &form);
}

TEST_F(SceneObjectTest, FreeingAParentFreesItsChildrenWhoeverOwnsThem)
{
    SceneOwner other;
    Group* group = MakeObject();
    auto* child = new Ball(&other);
    child->SetParent(group);
    auto* grandchild = new Ball(&other);
    grandchild->SetParent(child);
    delete group;
    EXPECT_EQ(view->ChildCount(), 0u);
    // `other` no longer lists them: freeing it must not free them again (ASan).
}

TEST_F(SceneObjectTest, FreeingTheOwnerFreesWhatItOwnsWhereverItHangs)
{
    auto other = std::make_unique<SceneOwner>();
    for (int i = 0; i < 5; ++i)
        (new Ball(other.get()))->SetParent(view);
    MakeObject();
    EXPECT_EQ(view->ChildCount(), 6u);
    other.reset();
    EXPECT_EQ(view->ChildCount(), 1u);
}

TEST_F(SceneObjectTest, FreeingOneOfManyOwnedObjects)
{
    std::vector<Ball*> balls;
    for (int i = 0; i < 100; ++i) {
        balls.push_back(new Ball(&form));
        balls.back()->SetParent(view);
    }
    // Out of order, from the middle, first and last.
    for (int i : {50, 0, 99, 51, 49, 1, 98})
        delete balls[static_cast<std::size_t>(i)];
    EXPECT_EQ(view->ChildCount(), 93u);
    std::vector<SceneObject*> expected;
    for (int i = 0; i < 100; ++i)
        if (i != 50 && i != 0 && i != 99 && i != 51 && i != 49 && i != 1 && i != 98)
            expected.push_back(balls[static_cast<std::size_t>(i)]);
    EXPECT_EQ(ChildrenOf(*view), expected);
}

TEST_F(SceneObjectTest, ViewFreedInsideAnotherObjectTakesItsSceneAlong)
{
    auto* frame = new Group(&form);
    auto* inner = new SceneRoot(&form);
    inner->SetParent(frame);
    inner->SetClock(&clock);
    Group* object = MakeObject(inner);
    frame->SetParent(view);
    EXPECT_EQ(frame->Root(), view);
    EXPECT_EQ(inner->Root(), inner); // a view is the root of what it holds
    EXPECT_EQ(object->Root(), inner);
    MakeAnimation(object, 0, 1, 1)->Start();
    EXPECT_EQ(clock.Count(), 1u);
    delete frame;
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(SceneObjectTest, ParentedVisibleNeedsEveryAncestor)
{
    Group* group = MakeObject();
    Group* child = MakeObject(group);
    EXPECT_TRUE(child->ParentedVisible());
    group->SetVisible(false);
    EXPECT_TRUE(child->Visible());
    EXPECT_FALSE(child->ParentedVisible());
    group->SetVisible(true);
    view->SetVisible(false);
    EXPECT_FALSE(child->ParentedVisible());
}

TEST_F(SceneObjectTest, FreeingTheViewsCameraTakesItOutOfTheView)
{
    auto* camera = new Camera(&form);
    camera->SetParent(view);
    view->SetCamera(camera);
    delete camera;
    EXPECT_EQ(view->Camera(), nullptr);
}

// --- Revision ---------------------------------------------------------------------

// The outline revision moves only when the objects drawn, their order or
// the balls' materials may have changed.
TEST_F(SceneObjectTest, EveryVisibleChangeMovesTheRevision)
{
    auto* text = new Text3D(&form);
    Group* group = MakeObject();
    auto* ball = new Ball(&form);
    ball->SetParent(group);
    auto* other = new FlatMaterial(&form);
    struct Change {
        const char* name;
        std::function<void()> apply;
        bool outline;
    };
    const Change changes[] = {
        {"attach", [&] { text->SetParent(group); }, true},
        {"position", [&] { text->Position.SetX(1); }, false},
        {"rotation", [&] { text->RotationAngle.SetY(30); }, false},
        {"scale",
         [&] {
             text->Scale.SetPoint({2, 2, 2});
         },
         false},
        {"size", [&] { text->SetWidth(7); }, false},
        {"text", [&] { text->SetText("R(2)"); }, false},
        {"font", [&] { text->SetFontSize(5); }, false},
        {"align", [&] { text->SetHorzTextAlign(TextAlign::Leading); }, false},
        {"material", [&] { text->SetMaterialSource(other); }, false},
        {"ball's material", [&] { ball->SetMaterialSource(other); }, true},
        {"view colour", [&] { view->SetColor(0xFF102030); }, false},
        {"animation", [&] { MakeAnimation(text, 0, 3, 1)->Start(); }, false},
        {"tick", [&] { Advance(0.5); }, false},
        {"visible", [&] { text->SetVisible(false); }, true},
        {"detach", [&] { text->SetParent(nullptr); }, true},
        {"free", [&] { delete group; }, true},
    };
    for (const Change& change : changes) {
        const auto before = view->Revision();
        const auto outlineBefore = view->OutlineRevision();
        change.apply();
        EXPECT_GT(view->Revision(), before) << change.name;
        EXPECT_EQ(view->OutlineRevision() != outlineBefore, change.outline) << change.name;
    }
}

// A view tells the objects to copy again by the revision of their last
// change, even one that took the address of an object it copied.
TEST_F(SceneObjectTest, LastChangeIsTheRevisionOfTheObjectsOwnLastChange)
{
    Group* object = MakeObject();
    Group* other = MakeObject();
    object->Position.SetX(4);
    const auto changed = object->LastChange();
    EXPECT_EQ(changed, view->Revision());
    other->Position.SetX(4);
    object->Position.SetX(4);
    EXPECT_EQ(object->LastChange(), changed);
    delete object;
    EXPECT_GT(MakeObject()->LastChange(), changed);
}

TEST_F(SceneObjectTest, EqualValuesAndDetachedObjectsLeaveTheRevision)
{
    Group* object = MakeObject();
    object->Position.SetPoint({1, 2, 3});
    auto* detached = new Group(&form);
    const auto before = view->Revision();
    object->Position.SetPoint({1, 2, 3});
    object->SetVisible(true);
    object->SetParent(view);
    detached->Position.SetX(5);
    EXPECT_EQ(view->Revision(), before);
}

TEST_F(SceneObjectTest, LayoutRevisionCountsOnlyWhatShapesTheText)
{
    auto* text = new Text3D(&form);
    struct Change {
        const char* name;
        std::function<void()> apply;
        bool layout;
    };
    const Change changes[] = {
        {"text", [&] { text->SetText("abc"); }, true},
        {"width", [&] { text->SetWidth(3); }, true},
        {"height", [&] { text->SetHeight(3); }, true},
        {"font size", [&] { text->SetFontSize(4); }, true},
        {"alignment", [&] { text->SetVertTextAlign(TextAlign::Leading); }, true},
        {"same text", [&] { text->SetText("abc"); }, false},
        {"position", [&] { text->Position.SetY(3); }, false},
        {"visible", [&] { text->SetVisible(false); }, false},
    };
    for (const Change& change : changes) {
        const auto before = text->LayoutRevision();
        change.apply();
        EXPECT_EQ(text->LayoutRevision() != before, change.layout) << change.name;
    }
}

// --- Clone ---------------------------------------------------------------------------

TEST_F(SceneObjectTest, CloneCopiesStoredPropertiesOnly)
{
    auto* material = new FlatMaterial(&form, 0xFF00FF00);
    auto* back = new FlatMaterial(&form);
    auto* text = new Text3D(&form);
    text->Name = "LabelTemplate";
    text->SetParent(view);
    text->Tag = 7;
    text->Position.SetPoint({1, 2, 3});
    text->RotationAngle.SetPoint({10, 20, 30});
    text->Scale.SetPoint({0.1f, 0.5f, 1});
    text->SetWidth(10);
    text->SetHeight(2);
    text->SetDepth(0.3f);
    text->SetVisible(false);
    text->SetText("R(1)");
    text->SetFontSize(4);
    text->SetHorzTextAlign(TextAlign::Leading);
    text->SetSides(SideFront | SideBack);
    text->SetMaterialSource(material);
    text->SetMaterialBackSource(back);

    SceneOwner other;
    auto* copy = text->CloneAs<Text3D>(&other);
    EXPECT_EQ(copy->Kind(), ObjectKind::Text3D);
    EXPECT_TRUE(copy->Name.Empty());
    EXPECT_EQ(copy->Owner(), &other);
    EXPECT_EQ(copy->Parent(), nullptr);
    EXPECT_EQ(copy->Root(), nullptr);
    EXPECT_EQ(copy->Tag, 7);
    EXPECT_EQ(copy->Position.Point(), (Vector3{1, 2, 3}));
    EXPECT_EQ(copy->RotationAngle.Point(), (Vector3{10, 20, 30}));
    EXPECT_EQ(copy->Scale.Point(), (Vector3{0.1f, 0.5f, 1}));
    EXPECT_EQ(copy->Width(), 10);
    EXPECT_EQ(copy->Height(), 2);
    EXPECT_EQ(copy->Depth(), 0.3f);
    EXPECT_FALSE(copy->Visible());
    EXPECT_TRUE(copy->Text().SharesWith(text->Text()));
    EXPECT_EQ(copy->Font().Size, 4);
    EXPECT_EQ(copy->HorzTextAlign(), TextAlign::Leading);
    EXPECT_EQ(copy->VertTextAlign(), TextAlign::Center);
    EXPECT_EQ(copy->Sides(), SideFront | SideBack);
    EXPECT_EQ(copy->MaterialSource(), material);
    EXPECT_EQ(copy->MaterialBackSource(), back);
    EXPECT_EQ(copy->MaterialShaftSource(), nullptr);

    // The copy's setters tell the copy, not the source.
    copy->SetParent(view);
    copy->Position.SetX(9);
    EXPECT_EQ(text->Position.X(), 1);
    EXPECT_EQ(copy->Position.X(), 9);
}

TEST_F(SceneObjectTest, CloneCopiesEveryAnimationFieldButNoRunState)
{
    Group* object = MakeObject();
    FloatAnimation* source = MakeAnimation(object, 1, 2, 3, "Position.Y");
    source->Name = "SpinTemplate";
    source->SetDelay(0.5f);
    source->SetLoop(true);
    source->SetAutoReverse(true);
    source->SetInverse(true);
    source->Enabled = true;
    source->Tag = 30;
    source->SetInterpolation(EasingCurve::Bounce);
    source->SetAnimationType(EasingMode::InOut);
    FinishLog finished;
    source->OnFinish = finished.Handler();
    source->Start();
    Advance(0.75);

    auto* copy = source->CloneAs<FloatAnimation>(&form);
    EXPECT_TRUE(copy->Name.Empty());
    EXPECT_EQ(copy->Parent(), nullptr);
    EXPECT_TRUE(copy->PropertyName.SharesWith(source->PropertyName));
    EXPECT_EQ(copy->StartValue(), 1);
    EXPECT_EQ(copy->StopValue(), 2);
    EXPECT_EQ(copy->Duration(), 3);
    EXPECT_EQ(copy->Delay(), 0.5f);
    EXPECT_TRUE(copy->Loop());
    EXPECT_TRUE(copy->AutoReverse());
    EXPECT_TRUE(copy->Inverse());
    EXPECT_TRUE(copy->Enabled);
    EXPECT_EQ(copy->Tag, 30);
    EXPECT_EQ(copy->Interpolation(), EasingCurve::Bounce);
    EXPECT_EQ(copy->AnimationType(), EasingMode::InOut);
    EXPECT_FALSE(copy->Running());
    EXPECT_FALSE(copy->TargetResolved());
    EXPECT_EQ(copy->CurrentTime(), 0);
    EXPECT_EQ(copy->RemainingDelay(), 0);
    EXPECT_EQ(clock.Count(), 1u);

    copy->SetParent(object);
    copy->SetDelay(0);
    copy->SetDuration(0);
    copy->Start(); // the copied handler is called for the copy
    EXPECT_EQ(finished.senders, std::vector<SceneObject*>{copy});
}

TEST_F(SceneObjectTest, CloneCopiesChildrenRecursivelyInOrder)
{
    auto* material = new LitMaterial(&form);
    auto* ball = new Ball(&form);
    ball->SetParent(view);
    ball->SetMaterialSource(material);
    ball->SetVisible(false);
    const char* const paths[] = {"RotationAngle.Y", "Position.Y", "Position.X"};
    for (const char* path : paths) {
        FloatAnimation* animation = MakeAnimation(ball, 0, 1, 2, path);
        animation->Enabled = true;
    }
    Group* inner = MakeObject(ball);
    MakeAnimation(inner, 5, 6, 1);

    auto* copy = ball->CloneAs<Ball>(&form);
    EXPECT_EQ(copy->MaterialSource(), material);
    ASSERT_EQ(copy->ChildCount(), 4u);
    std::vector<SceneObject*> children = ChildrenOf(*copy);
    for (std::size_t i = 0; i < 3; ++i) {
        auto* animation = static_cast<FloatAnimation*>(children[i]);
        EXPECT_EQ(animation->Kind(), ObjectKind::FloatAnimation);
        EXPECT_EQ(animation->Parent(), copy);
        EXPECT_EQ(animation->Owner(), &form);
        EXPECT_EQ(animation->PropertyName, paths[i]);
        EXPECT_NE(animation, ChildrenOf(*ball)[i]);
    }
    ASSERT_EQ(children[3]->ChildCount(), 1u);
    EXPECT_EQ(static_cast<FloatAnimation*>(children[3]->FirstChild())->StartValue(), 5);

    // Copies of enabled animations do not start by themselves.
    copy->SetParent(view);
    copy->SetVisible(true);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(SceneObjectTest, CloneOfEveryKindKeepsItsKindAndLooks)
{
    auto* grid = new Grid(&form);
    grid->SetMarks(1);
    grid->SetFrequency(0.5f);
    grid->SetLineColor(0xFF5F9EA0);
    auto* light = new Light(&form);
    light->SetColor(0xFF808080);
    light->SetLightType(LightKind::Point);
    auto* camera = new Camera(&form);
    camera->SetAngleOfView(30);
    auto* lit = new LitMaterial(&form);
    lit->Texture = "ball";
    lit->Shininess = 12;

    auto* gridCopy = grid->CloneAs<Grid>(&form);
    EXPECT_EQ(gridCopy->Marks(), 1);
    EXPECT_EQ(gridCopy->Frequency(), 0.5f);
    EXPECT_EQ(gridCopy->LineColor(), 0xFF5F9EA0u);
    auto* lightCopy = light->CloneAs<Light>(&form);
    EXPECT_EQ(lightCopy->Color(), 0xFF808080u);
    EXPECT_EQ(lightCopy->LightType(), LightKind::Point);
    EXPECT_EQ(camera->CloneAs<Camera>(&form)->AngleOfView(), 30);
    auto* litCopy = lit->CloneAs<LitMaterial>(&form);
    EXPECT_EQ(litCopy->Texture, "ball");
    EXPECT_EQ(litCopy->Shininess, 12);
    EXPECT_EQ((new Plane(&form))->Clone(&form)->Kind(), ObjectKind::Plane);
    EXPECT_EQ((new Group(&form))->Clone(&form)->Kind(), ObjectKind::Group);
    EXPECT_EQ((new FlatMaterial(&form, 0xFF123456))->CloneAs<FlatMaterial>(&form)->Color, 0xFF123456u);
}

} // namespace
} // namespace tessivar::scene::testing
