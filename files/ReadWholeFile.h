#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace tessivar {

// A program file is a few kilobytes; anything this large is refused.
inline constexpr std::size_t kLargestProgramFile = 16 * 1024 * 1024;

// Reads every byte of the file at `path` into `bytes`. Returns the system's error
// when the file cannot be opened or read (missing, no access, a folder...), and
// EFBIG ("File too large") past kLargestProgramFile, so endless devices such as
// /dev/zero end too. A pipe is read to its end without waiting for a writer
// that never comes: with none, it reads as empty.
std::error_code ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace tessivar
