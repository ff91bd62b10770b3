#pragma once

#include <QKeySequence>

#include <span>

class QAction;

namespace tessivar::ui {

// What a key can ask the window for.
enum class Command {
    NewProgram,
    OpenProgram,
    SaveProgram,
    SaveProgramAs,
    RunOrStop,
    Step,
    StepBack,
    RunToEnd,
    RunToCaret,
    ToggleBreakpoint,
    GoToJumpTarget,
    GoToLine,
};

struct Shortcut {
    Command command;
    QKeySequence keys;
};

// Every shortcut of the window, in one list. Enter, which presses the
// focused or default button, is the window's own (MainWindow::keyPressEvent).
std::span<const Shortcut> Shortcuts();

// Gives `action` the keys of `command`, working wherever the focus is in the
// window, the editors included.
void BindKeys(QAction& action, Command command);

} // namespace tessivar::ui
