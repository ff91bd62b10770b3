// The File menu: a new program, opening a file into the program editor, and
// saving the editor's text. Label3 shows the current file and is the name Save
// writes to; "New.urm" there means the program has no file yet.
#include "Unit1.h"

#include "EditorLines.h"
#include "ExampleLibrary.h"
#include "FileChooser.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "PathLabel.h"
#include "ProgramEditorMarks.h"
#include "ProgramFile.h"
#include "ProgramSizeLimit.h"
#include "RecentFiles.h"
#include "SaveAsName.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessivar::ui {

namespace {

const QString NoFileName = QStringLiteral("New.urm");

} // namespace

void TForm1::BindFileMenu()
{
    fileChooser_ = std::make_unique<DialogFileChooser>(*OD, *SD);
    MenuItem2->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    MenuItem3->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    MenuItem4->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    MenuItem5->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(MenuItem2, &QAction::triggered, this, &TForm1::MenuItem2Click);
    connect(MenuItem3, &QAction::triggered, this, &TForm1::MenuItem3Click);
    connect(MenuItem4, &QAction::triggered, this, &TForm1::MenuItem4Click);
    connect(MenuItem5, &QAction::triggered, this, &TForm1::MenuItem5Click);
    connect(Memo2->document(), &QTextDocument::contentsChanged, this, &TForm1::ShowFileInTitle);
    CreateExampleMenu();
    CreateRecentFilesMenu();
    CreateLanguageMenu();
    MarkProgramSaved();
}

// After "開く": the examples are another place to open a program from.
void TForm1::CreateExampleMenu()
{
    ExampleMenu = new QMenu(MenuItem1);
    MenuItem1->insertMenu(MenuItem4, ExampleMenu);
    for (const Example& example : ReadExamples(ExampleFolder())) {
        QAction* action = ExampleMenu->addAction(example.title);
        // The title as the file gives it, for the text in the language in use.
        action->setData(example.title);
        connect(action, &QAction::triggered, this, [this, example] { OpenExample(example); });
    }
    ExampleMenu->setEnabled(!ExampleMenu->isEmpty());
}

void TForm1::SetFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
}

// New: the editor is emptied and the program list with it; the remembered
// encoding stays.
void TForm1::MenuItem2Click()
{
    if (!MayReplaceProgram())
        return;
    Memo2->clear();
    ProgramReplaced(NoFileName);
}

void TForm1::MenuItem3Click()
{
    if (!MayReplaceProgram())
        return;
    if (const std::optional<QString> path = fileChooser_->FileToOpen())
        OpenProgramFile(*path);
}

void TForm1::OpenProgramFile(const QString& path)
{
    ProgramFileReading reading = ReadProgramFile(path.toStdString());
    if (!reading.error && !ProgramFitsWindow(reading.lines, this))
        return;
    // Remembered even when the text after the mark fails to decode.
    if (reading.encoding)
        programEncoding_ = *reading.encoding;
    if (reading.error) {
        ShowErrorBox(this, MessageText(reading.error->message));
        return;
    }
    SetEditorLines(*Memo2, reading.lines);
    ProgramReplaced(QFileInfo(path).absoluteFilePath());
    RememberRecentFile(Label3->text());
}

// The editor holds another program than the one set: nothing runs, and no
// step is undone, until the next Set.
void TForm1::ProgramReplaced(const QString& fileName)
{
    EndFastRun();
    machine_.ClearProgram();
    marks_->ClearBreakpoints();
    programEditedSinceSet_ = false;
    ShowCurrentLine();
    ForgetHistory();
    Label3->setText(fileName);
    MarkProgramSaved();
}

// An example comes in as a new program without a file, so Save asks for a
// name and the installed file is never written; its example input fills the
// register editor.
void TForm1::OpenExample(const Example& example)
{
    if (!MayReplaceProgram())
        return;
    SetEditorLines(*Memo2, example.program);
    ProgramReplaced(NoFileName);
    SetEditorLines(*Memo1, example.registers);
}

void TForm1::MenuItem4Click()
{
    if (Label3->text() == NoFileName) {
        MenuItem5Click();
        return;
    }
    WriteProgram(Label3->text());
}

void TForm1::MenuItem5Click()
{
    const std::optional<ChosenSaveFile> chosen = fileChooser_->FileToSave();
    if (!chosen)
        return;
    const QString path
        = QString::fromStdString(NameToSaveAs(chosen->path.toStdString(), chosen->typeExtension.toStdString()));
    if (QFileInfo::exists(path) && !MayReplaceFile(path))
        return;
    Label3->setText(path);
    WriteProgram(path);
}

// Asked here rather than by the dialog, which knows nothing of the appended
// extension: the question names the file that will really be replaced.
bool TForm1::MayReplaceFile(const QString& path)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    tr("%1 は既に存在します。\n置き換えますか？").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, this);
    QPushButton* replace = box.addButton(tr("置き換える"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(tr("キャンセル"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

void TForm1::WriteProgram(const QString& path)
{
    if (const std::optional<ProgramFileError> error
        = WriteProgramFile(path.toStdString(), EditorLines(*Memo2), programEncoding_)) {
        ShowFileInTitle();
        ShowErrorBox(this, MessageText(error->message));
        return;
    }
    MarkProgramSaved();
    RememberRecentFile(QFileInfo(path).absoluteFilePath());
}

void TForm1::MarkProgramSaved()
{
    savedProgram_ = Memo2->toPlainText();
    ShowFileInTitle();
}

bool TForm1::ProgramChanged() const
{
    return !EditorHolds(*Memo2, savedProgram_);
}

// What task bars and window lists show: the file's name and the
// application's, marked while the program has unsaved changes.
void TForm1::ShowFileInTitle()
{
    setWindowTitle(QFileInfo(Label3->text()).fileName() + QStringLiteral("[*] — ")
                   + QString::fromUtf8(kApplicationTitle));
    setWindowModified(ProgramChanged());
}

// Unsaved work is never dropped without a question: true when the program may
// be replaced (nothing changed, saved now, or the user lets it go).
bool TForm1::MayReplaceProgram()
{
    if (!ProgramChanged())
        return true;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    tr("プログラムは変更されています。保存しますか？"), QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(tr("保存する"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("保存しない"), QMessageBox::DestructiveRole);
    box.addButton(tr("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    if (box.clickedButton() != save)
        return false;
    MenuItem4Click();
    return !ProgramChanged();
}

} // namespace tessivar::ui
