#pragma once

#include <cstdint>
#include <string>

namespace tessivar {

// "Step:" and the count right-aligned in four places, as the step counter shows it.
std::string StepCounterText(std::int64_t step);

} // namespace tessivar
