#pragma once

class QApplication;

namespace tessivar::ui {

// What the application needs before its first window: its name, the
// toolkit's own texts in Japanese (file dialogs, standard buttons, editor
// menus), and message boxes whose buttons carry no icons.
void SetUpApplication(QApplication& application);

} // namespace tessivar::ui
