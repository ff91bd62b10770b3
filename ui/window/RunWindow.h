#pragma once

#include <optional>
#include <string>

// Creates the application and the main form in `language` ("ja" or "en";
// else the one chosen last), shows it (with `programFile` opened into the
// program editor, if given) and runs the event loop until the main window
// closes. Returns the application's exit code.
int RunWindow(int argc, char** argv, const std::optional<std::string>& programFile,
              const std::optional<std::string>& language);
