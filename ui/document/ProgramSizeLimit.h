#pragma once

#include "ProgramText.h"

#include <cstddef>

class QPlainTextEdit;
class QString;
class QWidget;

namespace tessivar::ui {

// The longest program that the window opens and sets. At these sizes a Set
// takes about half a second to its first frame and under 100 MB on a
// software renderer; past them, time, memory and the pauses of the window
// grow quickly (a Set of 200,000 lines: 2 s, 180 MB). The command line has
// limits of its own.
inline constexpr std::size_t kMostProgramLines = 100'000;
inline constexpr std::size_t kMostProgramCharacters = 1'000'000;

// The message shown when a program is refused, in the user's language.
QString ProgramTooLongMessage();

// Whether the program fits within the limits; when it does not, the message
// is shown over `parent` and the caller changes nothing.
bool ProgramFitsWindow(const TextLines& lines, QWidget* parent);
bool ProgramFitsWindow(const QPlainTextEdit& editor, QWidget* parent);

} // namespace tessivar::ui
