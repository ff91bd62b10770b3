#pragma once

#include "CheckCases.h"
#include "ProgramCheck.h"
#include "StepCount.h"

#include <functional>
#include <span>
#include <string>

namespace tessivar {

// Checks the programs on up to `jobs` threads and hands each check to
// `report` on the calling thread, in the order of `programPaths`, as soon as
// it and every one before it are done. An exception from a check is thrown
// here, in its turn; the checks not yet started are then dropped.
void CheckPrograms(std::span<const std::string> programPaths, std::span<const CheckCase> cases, StepCount maxLines,
                   Language language, unsigned jobs, const std::function<void(ProgramCheck)>& report);

} // namespace tessivar
