#pragma once

#include <string>

namespace tessivar {

// The text of `tessivar --help`.
std::string UsageText();

} // namespace tessivar
