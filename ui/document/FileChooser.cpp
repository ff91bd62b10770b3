#include "FileChooser.h"

#include "FileDialogs.h"

#include <QFileDialog>

namespace tessivar::ui {

std::optional<QString> DialogFileChooser::Chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<ChosenSaveFile> DialogFileChooser::FileToSave()
{
    const std::optional<QString> path = Chosen(save_);
    if (!path)
        return std::nullopt;
    return ChosenSaveFile{*path, FilterExtension(save_.selectedNameFilter())};
}

} // namespace tessivar::ui
