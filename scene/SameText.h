#pragma once

#include <string_view>

namespace tessivar::scene {

// Property names compare without regard to (ASCII) case.
bool SameText(std::string_view a, std::string_view b);

} // namespace tessivar::scene
