#include "ShownForm.h"

#include "SceneRoot.h"
#include "SceneView.h"
#include "ValueSlider.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tessivar::ui::test {
namespace {

using SceneOfTheForm = ShownForm;

TEST_F(SceneOfTheForm, ShowingTheWindowBuildsTheThirteenRegisterLabels)
{
    scene::Stage& scene = form.Scene();
    for (int i = 0; i < scene::Stage::LabelCount; ++i) {
        ASSERT_NE(scene.Labels[i], nullptr);
        EXPECT_EQ(scene.Labels[i]->Text(), "R(" + std::to_string(i + 1) + ")");
        EXPECT_FLOAT_EQ(scene.Labels[i]->Position.X(), static_cast<float>(i));
        EXPECT_TRUE(scene.Labels[i]->Visible());
    }
    EXPECT_FALSE(scene.LabelTemplate->Visible());
    EXPECT_FALSE(scene.BallTemplate->Visible());
    EXPECT_FALSE(scene.ComparisonPlane->Visible());
}

TEST_F(SceneOfTheForm, ShowingTheWindowAgainBuildsNoFurtherLabels)
{
    const auto labels = form.Scene().Labels;
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.Scene().Labels, labels);
}

TEST_F(SceneOfTheForm, SetShowsZeroStepsAndEachStepTheCountRightAligned)
{
    EXPECT_EQ(form.Scene().CounterText->Text(), "Step");
    TopSpeed();
    form.programEditor->setPlainText(QStringLiteral("S(1)\n/ comment\nS(1)"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_EQ(form.Scene().CounterText->Text(), "Step:   0");
    const char* const expected[] = {"Step:   1", "Step:   1", "Step:   2"};
    for (const char* text : expected) {
        QTest::mouseClick(form.stepButton, Qt::LeftButton);
        EXPECT_EQ(form.Scene().CounterText->Text(), text);
    }
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_EQ(form.Scene().CounterText->Text(), "Step:   0");
}

// The view draws what the scene shows: after a change it catches up with the
// scene's revision.
TEST_F(SceneOfTheForm, TheViewCatchesUpWithTheSceneAfterAChange)
{
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton); // the overlay hides the view
    render::SceneView& view = *form.sceneView;
    const scene::SceneRoot& model = *form.Scene().Root;
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.DrawnRevision() == model.Revision(); }));
    form.zoomSlider->SetValue(30);
    EXPECT_NE(view.DrawnRevision(), model.Revision());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.DrawnRevision() == model.Revision(); }));
    EXPECT_TRUE(view.RenderError().isEmpty()) << view.RenderError().toStdString();
}

} // namespace
} // namespace tessivar::ui::test
