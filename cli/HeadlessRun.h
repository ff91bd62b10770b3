#pragma once

#include "CommandLineOptions.h"

#include <ostream>

namespace tessivar {

// Sets the machine from the program file and the VALUEs as the window's Set
// would, runs it, prints the register lines to `out` and a summary to `err`.
// A long run shows its progress on `terminal`, when there is one. What it
// says is in `language`. Returns the exit status.
int RunHeadless(const RunRequest& request, Language language, std::ostream& out, std::ostream& err,
                std::ostream* terminal = nullptr);

} // namespace tessivar
