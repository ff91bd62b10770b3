// The File menu: a new program, opening a file into the program editor, and
// saving the editor's text. pathLabel shows the current file and is the name Save
// writes to; "New.urm" there means the program has no file yet.
#include "MainWindow.h"

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

void MainWindow::BindFileMenu()
{
    fileChooser_ = std::make_unique<DialogFileChooser>(*openDialog, *saveDialog);
    newAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    openAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    saveAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    saveAsAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(newAction, &QAction::triggered, this, &MainWindow::OnNewClicked);
    connect(openAction, &QAction::triggered, this, &MainWindow::OnOpenClicked);
    connect(saveAction, &QAction::triggered, this, &MainWindow::OnSaveClicked);
    connect(saveAsAction, &QAction::triggered, this, &MainWindow::OnSaveAsClicked);
    connect(programEditor->document(), &QTextDocument::contentsChanged, this, &MainWindow::ShowFileInTitle);
    CreateExampleMenu();
    CreateRecentFilesMenu();
    CreateLanguageMenu();
    MarkProgramSaved();
}

// After "開く": the examples are another place to open a program from.
void MainWindow::CreateExampleMenu()
{
    exampleMenu = new QMenu(fileMenu);
    fileMenu->insertMenu(saveAction, exampleMenu);
    for (const Example& example : ReadExamples(ExampleFolder())) {
        QAction* action = exampleMenu->addAction(example.title);
        // The title as the file gives it, for the text in the language in use.
        action->setData(example.title);
        connect(action, &QAction::triggered, this, [this, example] { OpenExample(example); });
    }
    exampleMenu->setEnabled(!exampleMenu->isEmpty());
}

void MainWindow::SetFileChooser(std::unique_ptr<FileChooser> chooser)
{
    fileChooser_ = std::move(chooser);
}

// New: the editor is emptied and the program list with it; the remembered
// encoding stays.
void MainWindow::OnNewClicked()
{
    if (!MayReplaceProgram())
        return;
    programEditor->clear();
    ProgramReplaced(NoFileName);
}

void MainWindow::OnOpenClicked()
{
    if (!MayReplaceProgram())
        return;
    if (const std::optional<QString> path = fileChooser_->FileToOpen())
        OpenProgramFile(*path);
}

void MainWindow::OpenProgramFile(const QString& path)
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
    SetEditorLines(*programEditor, reading.lines);
    ProgramReplaced(QFileInfo(path).absoluteFilePath());
    RememberRecentFile(pathLabel->text());
}

// The editor holds another program than the one set: nothing runs, and no
// step is undone, until the next Set.
void MainWindow::ProgramReplaced(const QString& fileName)
{
    run_->EndFullSpeed();
    machine_.ClearProgram();
    marks_->ClearBreakpoints();
    programEditedSinceSet_ = false;
    ShowCurrentLine();
    ForgetHistory();
    pathLabel->setText(fileName);
    MarkProgramSaved();
}

// An example comes in as a new program without a file, so Save asks for a
// name and the installed file is never written; its example input fills the
// register editor.
void MainWindow::OpenExample(const Example& example)
{
    if (!MayReplaceProgram())
        return;
    SetEditorLines(*programEditor, example.program);
    ProgramReplaced(NoFileName);
    SetEditorLines(*registerEditor, example.registers);
}

void MainWindow::OnSaveClicked()
{
    if (pathLabel->text() == NoFileName) {
        OnSaveAsClicked();
        return;
    }
    WriteProgram(pathLabel->text());
}

void MainWindow::OnSaveAsClicked()
{
    const std::optional<ChosenSaveFile> chosen = fileChooser_->FileToSave();
    if (!chosen)
        return;
    const QString path
        = QString::fromStdString(NameToSaveAs(chosen->path.toStdString(), chosen->typeExtension.toStdString()));
    if (QFileInfo::exists(path) && !MayReplaceFile(path))
        return;
    pathLabel->setText(path);
    WriteProgram(path);
}

// Asked here rather than by the dialog, which knows nothing of the appended
// extension: the question names the file that will really be replaced.
bool MainWindow::MayReplaceFile(const QString& path)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    tr("%1 は既に存在します。\n置き換えますか？").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, this);
    QPushButton* replace = box.addButton(tr("置き換える"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(tr("キャンセル"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

void MainWindow::WriteProgram(const QString& path)
{
    if (const std::optional<ProgramFileError> error
        = WriteProgramFile(path.toStdString(), EditorLines(*programEditor), programEncoding_)) {
        ShowFileInTitle();
        ShowErrorBox(this, MessageText(error->message));
        return;
    }
    MarkProgramSaved();
    RememberRecentFile(QFileInfo(path).absoluteFilePath());
}

void MainWindow::MarkProgramSaved()
{
    savedProgram_ = programEditor->toPlainText();
    ShowFileInTitle();
}

bool MainWindow::ProgramChanged() const
{
    return !EditorHolds(*programEditor, savedProgram_);
}

// What task bars and window lists show: the file's name and the
// application's, marked while the program has unsaved changes.
void MainWindow::ShowFileInTitle()
{
    setWindowTitle(QFileInfo(pathLabel->text()).fileName() + QStringLiteral("[*] — ")
                   + QString::fromUtf8(kApplicationTitle));
    setWindowModified(ProgramChanged());
}

// Unsaved work is never dropped without a question: true when the program may
// be replaced (nothing changed, saved now, or the user lets it go).
bool MainWindow::MayReplaceProgram()
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
    OnSaveClicked();
    return !ProgramChanged();
}

} // namespace tessivar::ui
