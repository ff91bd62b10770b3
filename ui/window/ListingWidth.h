#pragma once

#include "ProgramText.h"

#include <cstddef>

namespace tessivar::ui {

// The width of the 3D listing: the most bytes that a program line takes in
// code page 932 (an ASCII character 1, a kanji or kana 2), 0 for no line.
std::size_t ListingWidth(const TextLines& program);

} // namespace tessivar::ui
