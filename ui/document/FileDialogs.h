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

// The extension of a Qt name filter's first pattern: "Name (*.txt)" -> "txt",
// "Name (*.*)" -> "*".
QString FilterExtension(const QString& nameFilter);

// The open and save dialogs: the program filter with its first entry selected,
// no default extension, no folder or title of their own. The save dialog asks
// nothing before replacing a file: the File menu asks about the name it will
// really write, which may have ".urm" appended.
QFileDialog* CreateOpenDialog(QWidget* parent);
QFileDialog* CreateSaveDialog(QWidget* parent);

// The program filter anew, in the language now in use, the same entry selected.
void ShowProgramFilters(QFileDialog& dialog);

} // namespace tessivar::ui
