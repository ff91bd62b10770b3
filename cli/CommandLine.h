#pragma once

#include "CommandLineLanguage.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tessivar {

// The whole command line of `tessivar`: `args` excludes the program name.
// Everything it says, but --help, is in `language`. Returns the exit status
// (ExitCode.h).
int RunCommandLine(std::span<const std::string> args, std::string_view version, Language language, std::ostream& out,
                   std::ostream& err);

} // namespace tessivar
