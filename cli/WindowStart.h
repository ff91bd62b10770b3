#pragma once

#include <optional>
#include <span>
#include <string>

namespace tessivar {

// The arguments that start the window rather than the command line: none, a
// lone program file (a file manager's "open with"), and either of them with
// --lang ja or --lang en, the window's language for this start.
struct WindowStart {
    std::optional<std::string> programFile;
    std::optional<std::string> language;
};

// None when the arguments ask for the command line (or are not understood:
// the command line then says why).
std::optional<WindowStart> ParseWindowStart(std::span<const std::string> args);

} // namespace tessivar
