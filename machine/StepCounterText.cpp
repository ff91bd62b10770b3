#include "StepCounterText.h"

#include <iomanip>
#include <sstream>

namespace tessivar {

std::string StepCounterText(std::int64_t step)
{
    std::ostringstream text;
    text << "Step:" << std::setw(4) << step;
    return text.str();
}

} // namespace tessivar
