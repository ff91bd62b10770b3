#include "StepCounterText.h"

namespace tessivar {

std::string StepCounterText(StepCount step)
{
    const std::string count = DecimalText(step);
    return "Step:" + std::string(count.size() < 4 ? 4 - count.size() : 0, ' ') + count;
}

} // namespace tessivar
