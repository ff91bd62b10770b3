#include "ShownForm.h"

#include "ImageControl.h"
#include "OverlayPanel.h"

#include <QMenuBar>
#include <QPushButton>

namespace tessivar::ui::test {
namespace {

using Overlay = ShownForm;

// Points in the title strip, the viewport, the zoom slider and each panel.
const QPoint kClientPoints[] = {{5, 5}, {470, 12}, {300, 300}, {745, 400}, {800, 100}, {800, 250}, {800, 500}};

bool InsideOverlay(const MainWindow& form, QPoint clientPoint)
{
    QWidget* hit = form.clientArea->childAt(clientPoint);
    return hit != nullptr && (hit == form.explanation || form.explanation->isAncestorOf(hit));
}

TEST_F(Overlay, CoversTheWholeClientAreaAtStartButNotTheMenuBar)
{
    EXPECT_TRUE(form.explanation->isVisible());
    EXPECT_EQ(form.explanation->geometry(), form.clientArea->rect());
    for (const QPoint point : kClientPoints)
        EXPECT_TRUE(InsideOverlay(form, point)) << point.x() << "," << point.y();
    const QPoint menuPoint = form.mainMenu->actionGeometry(form.fileMenu->menuAction()).center();
    EXPECT_EQ(form.childAt(form.mainMenu->mapTo(&form, menuPoint)), form.mainMenu);
}

TEST_F(Overlay, FollowsTheWindowWhileShownWithItsButtonAnchored)
{
    ResizeClient({1147, 827});
    EXPECT_EQ(form.explanation->geometry(), QRect(0, 0, 1147, 827));
    EXPECT_EQ(form.explanationPicture->geometry(), QRect(0, 0, 1147, 577));
    // Anchored left, right and bottom: 433 from the left, 434 from the right, 14 from the bottom.
    EXPECT_EQ(form.closeExplanationButton->geometry(), QRect(433, 827 - 36, 1147 - 867, 22));
}

// Narrower than designed the button keeps its width, centred; it never
// leaves the user behind the overlay. Escape closes the overlay too.
TEST_F(Overlay, CanAlwaysBeClosedWithItsButtonOrEscape)
{
    for (const QSize size : {QSize(860, 600), QSize(500, 300), QSize(200, 100)}) {
        // As small as the window's layout lets it become.
        form.resize(size);
        QTest::qWait(100);
        ASSERT_LT(form.clientArea->width(), 867);
        const QRect button = form.closeExplanationButton->geometry();
        EXPECT_EQ(button.width(), 80) << form.clientArea->width();
        EXPECT_TRUE(form.explanation->rect().contains(button)) << form.clientArea->width();
        EXPECT_EQ(InsideOverlay(form, button.center()), true);
        EXPECT_EQ(form.clientArea->childAt(form.explanation->mapTo(form.clientArea, button.center())),
                  form.closeExplanationButton);
    }
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.explanation->isVisible());
}

TEST_F(Overlay, ButtonHidesItForGoodAlsoAfterResizing)
{
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    EXPECT_FALSE(form.explanation->isVisible());
    for (const QSize size : {QSize(1100, 700), QSize(947, 627)}) {
        ResizeClient(size);
        EXPECT_FALSE(form.explanation->isVisible());
        for (const QPoint point : kClientPoints)
            EXPECT_FALSE(InsideOverlay(form, point)) << point.x() << "," << point.y();
    }
}

TEST_F(Overlay, ShowsTheExplanationPictureScaledToFitWithItsProportions)
{
    const QPixmap& picture = form.explanationPicture->Bitmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(1074, 661));
    for (const QSize size : {QSize(947, 627), QSize(1400, 700)}) {
        ResizeClient(size);
        const QRect shown = form.explanationPicture->PictureRect();
        EXPECT_TRUE(form.explanationPicture->rect().contains(shown));
        // One side fills the control; the other keeps the picture's proportions.
        EXPECT_TRUE(shown.width() == form.explanationPicture->width()
                    || shown.height() == form.explanationPicture->height());
        EXPECT_NEAR(double(shown.width()) / shown.height(), 1074.0 / 661.0, 0.01);
    }
}

} // namespace
} // namespace tessivar::ui::test
