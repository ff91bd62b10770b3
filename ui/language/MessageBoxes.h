#pragma once

class QString;
class QWidget;

namespace tessivar::ui {

// Shown as the caption of the plain message box.
inline constexpr const char* kApplicationTitle = "Tessivar";

// The plain modal message box: the text, one OK button, the application's title.
void ShowMessage(QWidget* parent, const QString& text);

// The modal error box for a failure that ended an operation: the error's text,
// with a full stop added as the error box does.
void ShowErrorBox(QWidget* parent, const QString& message);

} // namespace tessivar::ui
