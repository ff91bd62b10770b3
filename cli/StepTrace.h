#pragma once

#include "CompiledProgram.h"
#include "Machine.h"
#include "ProgramText.h"

#include <optional>
#include <ostream>

namespace tessivar {

// Runs `machine` one line at a time, as the window's steps do, until the
// program ends, a line cannot be carried out or `maxLines` lines have run,
// and writes to `trace` as it goes (so memory stays constant): a header, then
// per executed line the step count after it, its line number, the line as
// written in `programLines` (as VisibleText shows it, a tab as a blank), the register it changed with the new value, and
// the line a taken jump continues at; tab-separated.
RunOutcome RunTraced(Machine& machine, const TextLines& programLines, std::optional<StepCount> maxLines,
                     std::ostream& trace);

} // namespace tessivar
