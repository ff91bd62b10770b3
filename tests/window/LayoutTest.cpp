#include "ShownForm.h"

#include "ImageControl.h"
#include "OverlayPanel.h"
#include "PathLabel.h"
#include "SceneView.h"
#include "ValueSlider.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

namespace tessivar::ui::test {
namespace {

using Layout = ShownForm;

struct Placement {
    const char* control;
    std::function<QWidget*(TForm1&)> widget;
    QRect clientRect; // in client-area coordinates
};

// The designed layout at 947 x 627: title strip, viewport, zoom slider and the
// column with its three panels, every button at its place.
const Placement kDesigned[] = {
    {"Panel8", [](TForm1& f) { return f.Panel8; }, {0, 0, 947, 25}},
    {"StageView", [](TForm1& f) { return f.StageView; }, {0, 25, 736, 602}},
    {"TrackBar1", [](TForm1& f) { return f.TrackBar1; }, {736, 25, 19, 602}},
    {"Panel1", [](TForm1& f) { return f.Panel1; }, {755, 25, 192, 602}},
    {"Panel2", [](TForm1& f) { return f.Panel2; }, {755, 25, 192, 153}},
    {"Panel5", [](TForm1& f) { return f.Panel5; }, {755, 25, 192, 25}},
    {"Button5", [](TForm1& f) { return f.Button5; }, {755 + 56, 25 + 35, 80, 22}},
    {"Button4", [](TForm1& f) { return f.Button4; }, {755 + 56, 25 + 64, 80, 22}},
    {"Button3", [](TForm1& f) { return f.Button3; }, {755 + 56, 25 + 94, 80, 22}},
    {"Button2", [](TForm1& f) { return f.Button2; }, {755 + 56, 25 + 124, 80, 22}},
    {"TrackBar2", [](TForm1& f) { return f.TrackBar2; }, {755 + 173, 25 + 25, 19, 128}},
    {"Panel3", [](TForm1& f) { return f.Panel3; }, {755, 25 + 153, 192, 185}},
    {"Panel6", [](TForm1& f) { return f.Panel6; }, {755, 25 + 153, 192, 25}},
    {"Memo1", [](TForm1& f) { return f.Memo1; }, {755, 25 + 153 + 25, 192, 132}},
    {"Button1", [](TForm1& f) { return f.Button1; }, {755 + 56, 25 + 153 + 160, 80, 22}},
    {"Panel4", [](TForm1& f) { return f.Panel4; }, {755, 25 + 338, 192, 264}},
    {"Panel7", [](TForm1& f) { return f.Panel7; }, {755, 25 + 338, 192, 25}},
    {"Memo2", [](TForm1& f) { return f.Memo2; }, {755, 25 + 338 + 25, 192, 239}},
    {"Panel9", [](TForm1& f) { return f.Panel9; }, {0, 0, 947, 627}},
    {"ImageControl1", [](TForm1& f) { return f.ImageControl1; }, {0, 0, 947, 577}},
    {"Button6", [](TForm1& f) { return f.Button6; }, {433, 591, 80, 22}},
};

TEST_F(Layout, WindowOpensAtTheTopLeftWithTheDesignedClientArea)
{
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("New.urm[*] — Tessivar"))
        << "the file's name and the application's";
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(form.ClientArea->size(), QSize(947, 627));
    // The menu bar sits above the client area, not inside it.
    EXPECT_EQ(form.ClientArea->mapTo(&form, QPoint(0, 0)), QPoint(0, form.MainMenu1->height()));
}

TEST_F(Layout, EveryControlHasItsDesignedPlace)
{
    for (const Placement& placement : kDesigned)
        EXPECT_EQ(ClientRect(placement.widget(form)), placement.clientRect) << placement.control;
}

// Only the viewport follows the width and only the program panel (with its
// editor) the height; everything else keeps its size and its distance from the
// right edge.
TEST_F(Layout, ResizingChangesOnlyTheViewportWidthAndTheProgramEditorHeight)
{
    for (const QSize size : {QSize(1147, 827), QSize(1000, 640), QSize(850, 560)}) {
        ResizeClient(size);
        const int dx = size.width() - 947;
        const int dy = size.height() - 627;
        SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
        EXPECT_EQ(ClientRect(form.Panel8), QRect(0, 0, 947 + dx, 25));
        EXPECT_EQ(ClientRect(form.StageView), QRect(0, 25, 736 + dx, 602 + dy));
        EXPECT_EQ(ClientRect(form.TrackBar1), QRect(736 + dx, 25, 19, 602 + dy));
        EXPECT_EQ(ClientRect(form.Panel1), QRect(755 + dx, 25, 192, 602 + dy));
        EXPECT_EQ(ClientRect(form.Panel2), QRect(755 + dx, 25, 192, 153));
        EXPECT_EQ(ClientRect(form.Panel3), QRect(755 + dx, 25 + 153, 192, 185));
        EXPECT_EQ(ClientRect(form.Memo1), QRect(755 + dx, 25 + 178, 192, 132));
        EXPECT_EQ(ClientRect(form.Memo2), QRect(755 + dx, 25 + 363, 192, 239 + dy));
        EXPECT_EQ(ClientRect(form.Button2), QRect(755 + dx + 56, 25 + 124, 80, 22));
        EXPECT_EQ(ClientRect(form.TrackBar2), QRect(755 + dx + 173, 50, 19, 128));
    }
}

TEST_F(Layout, StartsWithTheSampleProgramAnEmptyRegisterPanelAndNewFileName)
{
    EXPECT_EQ(form.Memo2->toPlainText(),
              QString::fromUtf8("S(3)\nJ(1,3,6)\nS(2)\nS(3)\nJ(1,1,2)\nT(2,1)\n/ R(1):=R(1)-1\n/ 不完全"));
    EXPECT_TRUE(form.Memo1->toPlainText().isEmpty());
    EXPECT_EQ(form.Label3->text(), QStringLiteral("New.urm"));
    for (QPushButton* button : {form.Button2, form.Button3, form.Button4, form.Button5, form.Button1})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
}

TEST_F(Layout, ControlsCarryTheirJapaneseTexts)
{
    const std::pair<QPushButton*, const char*> buttons[] = {
        {form.Button1, "クリアー"},  {form.Button2, "セット"}, {form.Button3, "終了"},
        {form.Button4, "1ステップ"}, {form.Button5, "実行"},   {form.Button6, "説明閉じる"},
    };
    for (const auto& [button, text] : buttons)
        EXPECT_EQ(button->text(), QString::fromUtf8(text));
    EXPECT_EQ(form.Label1->text(), QString::fromUtf8("操作盤"));
    EXPECT_EQ(form.Label2->text(), QString::fromUtf8("レジスタ"));
    EXPECT_FALSE(form.Label4->text().isEmpty());
}

// The example library sits after "開く", among the design's four items.
// The design's four items, with the example library and the recent files
// before Save and the language last.
TEST_F(Layout, FileMenuHasItsFourItemsInOrderAndTheDebugMenuFollows)
{
    EXPECT_EQ(form.MenuItem1->title(), QString::fromUtf8("ファイル"));
    QList<QAction*> items = form.MenuItem1->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_TRUE(items.takeAt(6)->isSeparator());
    const QList<QAction*> expected
        = {form.MenuItem2, form.MenuItem3, form.ExampleMenu->menuAction(), form.RecentFilesMenu->menuAction(),
           form.MenuItem4, form.MenuItem5, form.LanguageMenu->menuAction()};
    EXPECT_EQ(items, expected);
    const char* const texts[]
        = {"新規作成", "開く", "サンプル", "最近使ったファイル", "上書き保存", "名前を付けて保存", "言語 / Language"};
    for (qsizetype i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(texts[i]));
    EXPECT_EQ(form.MainMenu1->actions(), (QList<QAction*>{form.MenuItem1->menuAction(), form.DebugMenu->menuAction()}));
    EXPECT_EQ(form.DebugMenu->title(), QString::fromUtf8("デバッグ"));
}

TEST_F(Layout, TabKeyRunsThroughTheOperationProgramAndRegisterPanels)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QList<QWidget*> expected = {form.Button5, form.Button4, form.Button3, form.Button2,   form.TrackBar2,
                                      form.Memo2,   form.Button1, form.Memo1,   form.TrackBar1, form.Button6};
    form.Button5->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after " << i << " tabs";
    }
}

} // namespace
} // namespace tessivar::ui::test
