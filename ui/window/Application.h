#pragma once

#include <QApplication>

namespace tessivar::ui {

// The application: an error that escapes an event handler is shown in the
// error box over the active window, which stays usable, instead of ending
// the program.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tessivar::ui
