#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace tessivar::ui {

// The program files' filter in the user's language: display name and pattern
// pairs separated by bars.
QString ProgramFileFilter();

// "Name|pattern|Name|pattern" -> {"Name (pattern)", ...}; a pattern list "a;b"
// becomes "a b". A trailing name without a pattern is dropped.
QStringList QtNameFilters(const QString& barSeparatedFilter);

// The open dialog OD and the save dialog SD: the program filter with its first
// entry selected, no default extension, no folder or title of their own.
QFileDialog* CreateOpenDialog(QWidget* parent);
QFileDialog* CreateSaveDialog(QWidget* parent);

// The program filter anew, in the language now in use, the same entry selected.
void ShowProgramFilters(QFileDialog& dialog);

} // namespace tessivar::ui
