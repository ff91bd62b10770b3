#pragma once

#include "ExampleLibrary.h"
#include "FileChooser.h"
#include "TextEncoding.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QPlainTextEdit;
class QWidget;

namespace tessivar::ui {

class PathLabel;

// The program as a file: which file the program editor's text belongs to, the
// encoding it is saved in, whether it has unsaved changes, and New, Open, Save
// and Save As. The path label and the window's title show the file.
class ProgramDocument : public QObject {
    Q_OBJECT
public:
    // `window` shows the file in its title and owns the questions asked.
    ProgramDocument(QPlainTextEdit& editor, PathLabel& pathLabel, QWidget& window,
                    std::unique_ptr<FileChooser> chooser);
    ~ProgramDocument() override;

    // Where file names come from (the dialogs unless set).
    void SetFileChooser(std::unique_ptr<FileChooser> chooser);

    void New();
    void Open();
    void Save();
    void SaveAs();
    // Open without the dialog: the file's lines go into the program editor;
    // a failure is shown in the error box and changes nothing.
    void OpenFile(const QString& path);
    // A file that has gone is dropped from the recent files first.
    void OpenRecentFile(const QString& path);
    // An example comes in as a new program without a file.
    void OpenExample(const Example& example);

    // Unsaved work is never dropped without a question: true when the program
    // may be replaced (nothing changed, saved now, or the user lets it go).
    bool MayReplaceProgram();

signals:
    // The editor holds another program: New, Open or an example replaced it.
    void ProgramReplaced();
    // An example's input for the register editor.
    void ExampleInputChosen(const TextLines& registers);
    // A recent file that has gone was dropped from the list.
    void RecentFileForgotten();

private:
    void Replaced(std::optional<QString> path);
    void Write(const QString& path);
    void MarkSaved();
    bool Changed() const;
    void ShowFile();
    bool MayReplaceFile(const QString& path);

    QPlainTextEdit& editor_;
    PathLabel& pathLabel_;
    QWidget& window_;
    std::unique_ptr<FileChooser> chooser_;
    // The file Save writes to; none for a program never saved or opened.
    std::optional<QString> path_;
    // Every save writes in the encoding of the last file opened; a program
    // never opened is saved as plain UTF-8.
    TextEncoding encoding_ = TextEncoding::Utf8Unmarked;
    // The editor's text when it was last opened, saved or started anew.
    QString savedText_;
};

} // namespace tessivar::ui
