#include "FileChooser.h"

#include <QFileDialog>

namespace tessivar::ui {

std::optional<QString> DialogFileChooser::Chosen(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace tessivar::ui
