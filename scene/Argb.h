#pragma once

#include <cstdint>

namespace tessivar::scene {

// A colour as 0xAARRGGBB.
using Argb = std::uint32_t;

} // namespace tessivar::scene
