#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace tessivar::ui {

// The program files' filter: display name and pattern pairs separated by bars.
inline constexpr const char* kProgramFileFilter = "URM Program|*.urm|テキストファイル|*.txt|すべてのファイル|*.*";

// "Name|pattern|Name|pattern" -> {"Name (pattern)", ...}; a pattern list "a;b"
// becomes "a b". A trailing name without a pattern is dropped.
QStringList QtNameFilters(const QString& barSeparatedFilter);

// The open dialog OD and the save dialog SD: the program filter with its first
// entry selected, no default extension, no folder or title of their own.
QFileDialog* CreateOpenDialog(QWidget* parent);
QFileDialog* CreateSaveDialog(QWidget* parent);

} // namespace tessivar::ui
