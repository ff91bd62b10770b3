#pragma once

#include <string>

namespace tessivar::test {

// What the shell command writes to standard output, read to its end.
std::string CommandOutput(const std::string& command);

} // namespace tessivar::test
