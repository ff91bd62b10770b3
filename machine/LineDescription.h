#pragma once

#include "LineClassification.h"
#include "Message.h"

#include <vector>

namespace tessivar {

// What the machine will do with a classified line: one sentence a line, first
// what the line does, then what is surprising about it.
std::vector<Message> DescribeLine(const LineClassification& line);

} // namespace tessivar
