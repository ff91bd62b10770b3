#pragma once

#include "CommandLineOptions.h"

#include <ostream>

namespace tessivar {

// Runs every case of the CASES file against every program, writes a line per
// program and case and the totals to `out`, the reports asked for to their
// files, and what makes the input unusable to `err`, in `language`. Returns
// the exit status.
int RunCheck(const CheckRequest& request, Language language, std::ostream& out, std::ostream& err);

} // namespace tessivar
