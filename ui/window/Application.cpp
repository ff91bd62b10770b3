#include "Application.h"

#include "MessageBoxes.h"

#include <exception>

namespace tessivar::ui {

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(activeWindow(), QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace tessivar::ui
