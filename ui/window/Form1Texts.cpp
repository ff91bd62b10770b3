// The main form's words, in the language in use: shown once the controls
// exist and again whenever the language changes. Japanese, the window's own
// language, is the source of every translation.
#include "Unit1.h"

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

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ShowTexts();
}

QString TForm1::StopCaption() const
{
    return tr("停止");
}

void TForm1::ShowTexts()
{
    Label4->setText(tr("Tessivar — URM 3D シミュレータ"));
    Label1->setText(tr("操作盤"));
    ShowRunCaption();
    Button4->setText(tr("1ステップ"));
    Button3->setText(tr("終了"));
    Button2->setText(tr("セット"));
    Label2->setText(tr("レジスタ"));
    Button1->setText(tr("クリアー"));
    Button6->setText(tr("説明閉じる"));
    ImageControl1->SetBitmap(QPixmap(LanguageInUse() == Language::English ? QStringLiteral(":/explanation_en.png")
                                                                          : QStringLiteral(":/explanation.png")));
    ShowMenuTexts();
    ShowProgramFilters(*OD);
    ShowProgramFilters(*SD);
    ShowCurrentLine();
}

// The run button keeps its state: "実行" or "停止" in the new language.
void TForm1::ShowRunCaption()
{
    const bool running = Running();
    runCaption_ = tr("実行");
    Button5->setText(running ? StopCaption() : runCaption_);
}

void TForm1::ShowMenuTexts()
{
    MenuItem1->setTitle(tr("ファイル"));
    MenuItem2->setText(tr("新規作成"));
    MenuItem3->setText(tr("開く"));
    ExampleMenu->setTitle(tr("サンプル"));
    for (QAction* example : ExampleMenu->actions())
        example->setText(TranslatedTitle(example->data().toString()));
    RecentFilesMenu->setTitle(tr("最近使ったファイル"));
    MenuItem4->setText(tr("上書き保存"));
    MenuItem5->setText(tr("名前を付けて保存"));
    JapaneseAction->setChecked(LanguageInUse() == Language::Japanese);
    EnglishAction->setChecked(LanguageInUse() == Language::English);

    DebugMenu->setTitle(tr("デバッグ"));
    RunAction->setText(tr("実行 / 停止"));
    StepAction->setText(tr("1ステップ"));
    StepBackAction->setText(tr("1ステップ戻る"));
    RunToEndAction->setText(tr("最後まで高速実行"));
    RunToCaretAction->setText(tr("カーソル行まで実行"));
    ToggleBreakpointAction->setText(tr("ブレークポイントの切り替え"));
    ClearBreakpointsAction->setText(tr("すべてのブレークポイントを解除"));
}

} // namespace tessivar::ui
