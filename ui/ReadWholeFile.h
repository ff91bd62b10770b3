#pragma once

#include <string>
#include <system_error>

namespace tessivar {

// Reads every byte of the file at `path` into `bytes`. Returns the system's error
// when the file cannot be opened or read (missing, no access, a folder...).
std::error_code ReadWholeFile(const std::string& path, std::string& bytes);

} // namespace tessivar
