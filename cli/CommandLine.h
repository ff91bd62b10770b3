#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace tessivar {

// The whole command line of `tessivar`: `args` excludes the program name.
// Returns the exit status (ExitCode.h).
int RunCommandLine(std::span<const std::string> args, std::string_view version, std::ostream& out, std::ostream& err);

} // namespace tessivar
