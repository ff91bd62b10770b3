// The main form's words, in the language in use: shown once the controls
// exist and again whenever the language changes. Japanese, the window's own
// language, is the source of every translation.
#include "MainWindow.h"

#include "Debugger.h"
#include "ExampleLibrary.h"
#include "FileDialogs.h"
#include "ImageControl.h"
#include "Language.h"

#include <QAction>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace tessivar::ui {

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ShowTexts();
}

void MainWindow::ShowTexts()
{
    titleLabel->setText(tr("Tessivar — URM 3D シミュレータ"));
    operationTitle->setText(tr("操作盤"));
    run_->ShowTexts();
    stepButton->setText(tr("1ステップ"));
    quitButton->setText(tr("終了"));
    setButton->setText(tr("セット"));
    registerTitle->setText(tr("レジスタ"));
    clearButton->setText(tr("クリアー"));
    closeExplanationButton->setText(tr("説明閉じる"));
    explanationPicture->SetBitmap(QPixmap(LanguageInUse() == Language::English ? QStringLiteral(":/explanation_en.png")
                                                                               : QStringLiteral(":/explanation.png")));
    ShowMenuTexts();
    ShowProgramFilters(*openDialog);
    ShowProgramFilters(*saveDialog);
    debugger_->ShowCurrentLine();
}

void MainWindow::ShowMenuTexts()
{
    fileMenu->setTitle(tr("ファイル"));
    newAction->setText(tr("新規作成"));
    openAction->setText(tr("開く"));
    exampleMenu->setTitle(tr("サンプル"));
    for (QAction* example : exampleMenu->actions())
        example->setText(TranslatedTitle(example->data().toString()));
    recentFilesMenu->setTitle(tr("最近使ったファイル"));
    saveAction->setText(tr("上書き保存"));
    saveAsAction->setText(tr("名前を付けて保存"));
    ShowLanguageInUse();

    debugMenu->setTitle(tr("デバッグ"));
    runAction->setText(tr("実行 / 停止"));
    stepAction->setText(tr("1ステップ"));
    stepBackAction->setText(tr("1ステップ戻る"));
    runToEndAction->setText(tr("最後まで高速実行"));
    runToCaretAction->setText(tr("カーソル行まで実行"));
    toggleBreakpointAction->setText(tr("ブレークポイントの切り替え"));
    clearBreakpointsAction->setText(tr("すべてのブレークポイントを解除"));
}

} // namespace tessivar::ui
