#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

namespace tessivar {

// Writes all of `bytes` at the descriptor's position, through short writes
// and interruptions.
std::error_code WriteAll(int fd, std::string_view bytes);

// Appends what is left to read from the descriptor's position to `bytes`;
// EFBIG ("File too large") once `bytes` would grow past `limit`.
std::error_code ReadToEnd(int fd, std::string& bytes, std::size_t limit);

} // namespace tessivar
