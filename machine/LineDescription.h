#pragma once

#include "LineClassification.h"

#include <string>

namespace tessivar {

// What the machine will do with a classified line, in Japanese: one sentence
// a line, first what the line does, then what is surprising about it.
std::string DescribeLine(const LineClassification& line);

} // namespace tessivar
