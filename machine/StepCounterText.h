#pragma once

#include "StepCount.h"

#include <string>

namespace tessivar {

// "Step:" and the count right-aligned in four places, as the step counter shows it.
std::string StepCounterText(StepCount step);

} // namespace tessivar
