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
    std::function<QWidget*(MainWindow&)> widget;
    QRect clientRect; // in client-area coordinates
};

// The designed layout at 947 x 627: title strip, viewport, zoom slider and the
// column with its three panels, every button at its place.
const Placement kDesigned[] = {
    {"titleStrip", [](MainWindow& f) { return f.titleStrip; }, {0, 0, 947, 25}},
    {"sceneView", [](MainWindow& f) { return f.sceneView; }, {0, 25, 736, 602}},
    {"zoomSlider", [](MainWindow& f) { return f.zoomSlider; }, {736, 25, 19, 602}},
    {"column", [](MainWindow& f) { return f.column; }, {755, 25, 192, 602}},
    {"operationPanel", [](MainWindow& f) { return f.operationPanel; }, {755, 25, 192, 153}},
    {"operationHeader", [](MainWindow& f) { return f.operationHeader; }, {755, 25, 192, 25}},
    {"runButton", [](MainWindow& f) { return f.runButton; }, {755 + 56, 25 + 35, 80, 22}},
    {"stepButton", [](MainWindow& f) { return f.stepButton; }, {755 + 56, 25 + 64, 80, 22}},
    {"quitButton", [](MainWindow& f) { return f.quitButton; }, {755 + 56, 25 + 94, 80, 22}},
    {"setButton", [](MainWindow& f) { return f.setButton; }, {755 + 56, 25 + 124, 80, 22}},
    {"speedSlider", [](MainWindow& f) { return f.speedSlider; }, {755 + 173, 25 + 25, 19, 128}},
    {"registerPanel", [](MainWindow& f) { return f.registerPanel; }, {755, 25 + 153, 192, 185}},
    {"registerHeader", [](MainWindow& f) { return f.registerHeader; }, {755, 25 + 153, 192, 25}},
    {"registerEditor", [](MainWindow& f) { return f.registerEditor; }, {755, 25 + 153 + 25, 192, 132}},
    {"clearButton", [](MainWindow& f) { return f.clearButton; }, {755 + 56, 25 + 153 + 160, 80, 22}},
    {"programPanel", [](MainWindow& f) { return f.programPanel; }, {755, 25 + 338, 192, 264}},
    {"programHeader", [](MainWindow& f) { return f.programHeader; }, {755, 25 + 338, 192, 25}},
    {"programEditor", [](MainWindow& f) { return f.programEditor; }, {755, 25 + 338 + 25, 192, 239}},
    {"explanation", [](MainWindow& f) { return f.explanation; }, {0, 0, 947, 627}},
    {"explanationPicture", [](MainWindow& f) { return f.explanationPicture; }, {0, 0, 947, 577}},
    {"closeExplanationButton", [](MainWindow& f) { return f.closeExplanationButton; }, {433, 591, 80, 22}},
};

TEST_F(Layout, WindowOpensAtTheTopLeftWithTheDesignedClientArea)
{
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("New.urm[*] — Tessivar"))
        << "the file's name and the application's";
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(form.clientArea->size(), QSize(947, 627));
    // The menu bar sits above the client area, not inside it.
    EXPECT_EQ(form.clientArea->mapTo(&form, QPoint(0, 0)), QPoint(0, form.mainMenu->height()));
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
        EXPECT_EQ(ClientRect(form.titleStrip), QRect(0, 0, 947 + dx, 25));
        EXPECT_EQ(ClientRect(form.sceneView), QRect(0, 25, 736 + dx, 602 + dy));
        EXPECT_EQ(ClientRect(form.zoomSlider), QRect(736 + dx, 25, 19, 602 + dy));
        EXPECT_EQ(ClientRect(form.column), QRect(755 + dx, 25, 192, 602 + dy));
        EXPECT_EQ(ClientRect(form.operationPanel), QRect(755 + dx, 25, 192, 153));
        EXPECT_EQ(ClientRect(form.registerPanel), QRect(755 + dx, 25 + 153, 192, 185));
        EXPECT_EQ(ClientRect(form.registerEditor), QRect(755 + dx, 25 + 178, 192, 132));
        EXPECT_EQ(ClientRect(form.programEditor), QRect(755 + dx, 25 + 363, 192, 239 + dy));
        EXPECT_EQ(ClientRect(form.setButton), QRect(755 + dx + 56, 25 + 124, 80, 22));
        EXPECT_EQ(ClientRect(form.speedSlider), QRect(755 + dx + 173, 50, 19, 128));
    }
}

TEST_F(Layout, StartsWithTheSampleProgramAnEmptyRegisterPanelAndNewFileName)
{
    EXPECT_EQ(form.programEditor->toPlainText(),
              QString::fromUtf8("S(3)\nJ(1,3,6)\nS(2)\nS(3)\nJ(1,1,2)\nT(2,1)\n/ R(1):=R(1)-1\n/ 不完全"));
    EXPECT_TRUE(form.registerEditor->toPlainText().isEmpty());
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));
    for (QPushButton* button : {form.setButton, form.quitButton, form.stepButton, form.runButton, form.clearButton})
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
}

TEST_F(Layout, ControlsCarryTheirJapaneseTexts)
{
    const std::pair<QPushButton*, const char*> buttons[] = {
        {form.clearButton, "クリアー"}, {form.setButton, "セット"}, {form.quitButton, "終了"},
        {form.stepButton, "1ステップ"}, {form.runButton, "実行"},   {form.closeExplanationButton, "説明閉じる"},
    };
    for (const auto& [button, text] : buttons)
        EXPECT_EQ(button->text(), QString::fromUtf8(text));
    EXPECT_EQ(form.operationTitle->text(), QString::fromUtf8("操作盤"));
    EXPECT_EQ(form.registerTitle->text(), QString::fromUtf8("レジスタ"));
    EXPECT_FALSE(form.titleLabel->text().isEmpty());
}

// The example library sits after "開く", among the design's four items.
// The design's four items, with the example library and the recent files
// before Save and the language last.
TEST_F(Layout, FileMenuHasItsFourItemsInOrderAndTheDebugMenuFollows)
{
    EXPECT_EQ(form.fileMenu->title(), QString::fromUtf8("ファイル"));
    QList<QAction*> items = form.fileMenu->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_TRUE(items.takeAt(6)->isSeparator());
    const QList<QAction*> expected
        = {form.newAction,  form.openAction,   form.exampleMenu->menuAction(), form.recentFilesMenu->menuAction(),
           form.saveAction, form.saveAsAction, form.languageMenu->menuAction()};
    EXPECT_EQ(items, expected);
    const char* const texts[]
        = {"新規作成", "開く", "サンプル", "最近使ったファイル", "上書き保存", "名前を付けて保存", "言語 / Language"};
    for (qsizetype i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->text(), QString::fromUtf8(texts[i]));
    EXPECT_EQ(form.mainMenu->actions(), (QList<QAction*>{form.fileMenu->menuAction(), form.debugMenu->menuAction()}));
    EXPECT_EQ(form.debugMenu->title(), QString::fromUtf8("デバッグ"));
}

TEST_F(Layout, TabKeyRunsThroughTheOperationProgramAndRegisterPanels)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QList<QWidget*> expected
        = {form.runButton,     form.stepButton,  form.quitButton,     form.setButton,  form.speedSlider,
           form.programEditor, form.clearButton, form.registerEditor, form.zoomSlider, form.closeExplanationButton};
    form.runButton->setFocus(Qt::TabFocusReason);
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected[i]) << "after " << i << " tabs";
    }
}

} // namespace
} // namespace tessivar::ui::test
