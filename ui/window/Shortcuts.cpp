#include "Shortcuts.h"

#include <QAction>

#include <algorithm>
#include <array>

namespace tessivar::ui {

namespace {

// The debugger's keys are the usual ones of desktop debuggers.
const std::array kShortcuts = {
    Shortcut{Command::NewProgram, QKeySequence(Qt::CTRL | Qt::Key_N)},
    Shortcut{Command::OpenProgram, QKeySequence(Qt::CTRL | Qt::Key_O)},
    Shortcut{Command::SaveProgram, QKeySequence(Qt::CTRL | Qt::Key_S)},
    Shortcut{Command::SaveProgramAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    Shortcut{Command::RunOrStop, QKeySequence(Qt::Key_F5)},
    Shortcut{Command::Step, QKeySequence(Qt::Key_F10)},
    Shortcut{Command::StepBack, QKeySequence(Qt::Key_F7)},
    Shortcut{Command::RunToEnd, QKeySequence(Qt::CTRL | Qt::Key_F5)},
    Shortcut{Command::RunToCaret, QKeySequence(Qt::CTRL | Qt::Key_F10)},
    Shortcut{Command::ToggleBreakpoint, QKeySequence(Qt::Key_F9)},
    Shortcut{Command::GoToJumpTarget, QKeySequence(Qt::Key_F12)},
    Shortcut{Command::GoToLine, QKeySequence(Qt::CTRL | Qt::Key_G)},
};

} // namespace

std::span<const Shortcut> Shortcuts()
{
    return kShortcuts;
}

void BindKeys(QAction& action, Command command)
{
    const auto* shortcut = std::ranges::find(kShortcuts, command, &Shortcut::command);
    action.setShortcut(shortcut->keys);
    action.setShortcutContext(Qt::WindowShortcut);
}

} // namespace tessivar::ui
