#pragma once

#include "CommandLineLanguage.h"

#include <string>
#include <vector>

namespace tessivar::test {

struct CommandLineResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The command line run in-process, as `tessivar` with `args` would run it in
// a locale of `language`.
CommandLineResult RunTessivar(const std::vector<std::string>& args, Language language = Language::English);

} // namespace tessivar::test
