#include "ProgramDocument.h"

#include "EditorLines.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "PathLabel.h"
#include "ProgramFile.h"
#include "ProgramSizeLimit.h"
#include "RecentFiles.h"
#include "SaveAsName.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace tessivar::ui {

namespace {

// What the path label and the title show for a program without a file.
const QString kNoFileName = QStringLiteral("New.urm");

} // namespace

ProgramDocument::ProgramDocument(QPlainTextEdit& editor, PathLabel& pathLabel, QWidget& window,
                                 std::unique_ptr<FileChooser> chooser)
    : QObject(&window), editor_(editor), pathLabel_(pathLabel), window_(window), chooser_(std::move(chooser))
{
    connect(editor_.document(), &QTextDocument::contentsChanged, this, &ProgramDocument::ShowFile);
    pathLabel_.setText(kNoFileName);
    MarkSaved();
}

ProgramDocument::~ProgramDocument() = default;

void ProgramDocument::SetFileChooser(std::unique_ptr<FileChooser> chooser)
{
    chooser_ = std::move(chooser);
}

// The editor is emptied and the program list with it; the remembered
// encoding stays.
void ProgramDocument::New()
{
    if (!MayReplaceProgram())
        return;
    editor_.clear();
    Replaced(std::nullopt);
}

void ProgramDocument::Open()
{
    if (!MayReplaceProgram())
        return;
    if (const std::optional<QString> path = chooser_->FileToOpen())
        OpenFile(*path);
}

void ProgramDocument::OpenFile(const QString& path)
{
    ProgramFileReading reading = ReadProgramFile(path.toStdString());
    if (!reading.error && !ProgramFitsWindow(reading.lines, &window_))
        return;
    // Remembered even when the text after the mark fails to decode.
    if (reading.encoding)
        encoding_ = *reading.encoding;
    if (reading.error) {
        ShowErrorBox(&window_, MessageText(reading.error->message));
        return;
    }
    SetEditorLines(editor_, reading.lines);
    Replaced(QFileInfo(path).absoluteFilePath());
    RememberRecentFile(*path_);
}

// Asked after the check, so that the program in the editor stays as it is.
void ProgramDocument::OpenRecentFile(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        ForgetRecentFile(path);
        emit RecentFileForgotten();
        ShowMessage(&window_,
                    tr("ファイル %1 が見つかりません。最近使ったファイルの一覧から外しました。")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!MayReplaceProgram())
        return;
    OpenFile(path);
}

// Without a file, Save asks for a name and the installed file is never
// written; its example input fills the register editor.
void ProgramDocument::OpenExample(const Example& example)
{
    if (!MayReplaceProgram())
        return;
    SetEditorLines(editor_, example.program);
    Replaced(std::nullopt);
    emit ExampleInputChosen(example.registers);
}

void ProgramDocument::Save()
{
    if (!path_) {
        SaveAs();
        return;
    }
    Write(*path_);
}

void ProgramDocument::SaveAs()
{
    const std::optional<ChosenSaveFile> chosen = chooser_->FileToSave();
    if (!chosen)
        return;
    const QString path
        = QString::fromStdString(NameToSaveAs(chosen->path.toStdString(), chosen->typeExtension.toStdString()));
    if (QFileInfo::exists(path) && !MayReplaceFile(path))
        return;
    path_ = path;
    pathLabel_.setText(path);
    Write(path);
}

bool ProgramDocument::MayReplaceProgram()
{
    if (!Changed())
        return true;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    tr("プログラムは変更されています。保存しますか？"), QMessageBox::NoButton, &window_);
    QPushButton* save = box.addButton(tr("保存する"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("保存しない"), QMessageBox::DestructiveRole);
    box.addButton(tr("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    if (box.clickedButton() != save)
        return false;
    Save();
    return !Changed();
}

// The others are told first: nothing may run or be undone of the program
// the editor no longer holds.
void ProgramDocument::Replaced(std::optional<QString> path)
{
    emit ProgramReplaced();
    path_ = std::move(path);
    pathLabel_.setText(path_.value_or(kNoFileName));
    MarkSaved();
}

// Asked here rather than by the dialog, which knows nothing of the appended
// extension: the question names the file that will really be replaced.
bool ProgramDocument::MayReplaceFile(const QString& path)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle),
                    tr("%1 は既に存在します。\n置き換えますか？").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, &window_);
    QPushButton* replace = box.addButton(tr("置き換える"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(tr("キャンセル"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

void ProgramDocument::Write(const QString& path)
{
    if (const std::optional<ProgramFileError> error
        = WriteProgramFile(path.toStdString(), EditorLines(editor_), encoding_)) {
        ShowFile();
        ShowErrorBox(&window_, MessageText(error->message));
        return;
    }
    MarkSaved();
    RememberRecentFile(QFileInfo(path).absoluteFilePath());
}

void ProgramDocument::MarkSaved()
{
    savedText_ = editor_.toPlainText();
    ShowFile();
}

bool ProgramDocument::Changed() const
{
    return !EditorHolds(editor_, savedText_);
}

// What task bars and window lists show: the file's name and the
// application's, marked while the program has unsaved changes.
void ProgramDocument::ShowFile()
{
    window_.setWindowTitle(QFileInfo(path_.value_or(kNoFileName)).fileName() + QStringLiteral("[*] — ")
                           + QString::fromUtf8(kApplicationTitle));
    window_.setWindowModified(Changed());
}

} // namespace tessivar::ui
