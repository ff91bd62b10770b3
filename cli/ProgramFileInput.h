#pragma once

#include "CommandLineLanguage.h"
#include "ProgramText.h"

#include <optional>
#include <ostream>
#include <string>

namespace tessivar {

// The editor lines of the program file at `path`, as the window would open it;
// on failure the reason goes to `err` in `language` and nothing is returned.
std::optional<TextLines> ReadEditorLines(const std::string& path, Language language, std::ostream& err);

} // namespace tessivar
