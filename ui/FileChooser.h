#pragma once

#include <QString>

#include <optional>

class QFileDialog;

namespace tessivar::ui {

// Where the File menu gets a file's full path from: the window's open and
// save dialogs, or a stand-in in tests. Nothing when the user cancels.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<QString> FileToOpen() = 0;
    virtual std::optional<QString> FileToSave() = 0;
};

// The dialogs OD and SD, shown modally.
class DialogFileChooser final : public FileChooser {
public:
    DialogFileChooser(QFileDialog& openDialog, QFileDialog& saveDialog) : open_(openDialog), save_(saveDialog) {}
    std::optional<QString> FileToOpen() override { return Chosen(open_); }
    std::optional<QString> FileToSave() override { return Chosen(save_); }

private:
    static std::optional<QString> Chosen(QFileDialog& dialog);

    QFileDialog& open_;
    QFileDialog& save_;
};

} // namespace tessivar::ui
