#pragma once

#include <string>
#include <vector>

namespace tessivar::test {

struct CommandLineResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The command line run in-process, as `tessivar` with `args` would run it.
CommandLineResult RunTessivar(const std::vector<std::string>& args);

} // namespace tessivar::test
