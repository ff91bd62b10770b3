#pragma once

#include <QString>

#include <optional>

class QFileDialog;

namespace tessivar::ui {

// A name given in the save dialog, and the extension of the file type chosen
// there: "urm", "txt", or "*" for any file.
struct ChosenSaveFile {
    QString path;
    QString typeExtension = QStringLiteral("urm");
};

// Where the File menu gets a file's full path from: the window's open and
// save dialogs, or a stand-in in tests. Nothing when the user cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> FileToOpen() = 0;
    virtual std::optional<ChosenSaveFile> FileToSave() = 0;
};

// The dialogs openDialog and saveDialog, shown modally.
class DialogFileChooser final : public FileChooser {
public:
    DialogFileChooser(QFileDialog& openDialog, QFileDialog& saveDialog) : open_(openDialog), save_(saveDialog) {}
    std::optional<QString> FileToOpen() override { return Chosen(open_); }
    std::optional<ChosenSaveFile> FileToSave() override;

private:
    static std::optional<QString> Chosen(QFileDialog& dialog);

    QFileDialog& open_;
    QFileDialog& save_;
};

} // namespace tessivar::ui
