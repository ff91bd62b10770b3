#include "CommandLineRun.h"

#include "CommandLine.h"

#include <sstream>

namespace tessivar::test {

CommandLineResult RunTessivar(const std::vector<std::string>& args, Language language)
{
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = RunCommandLine(args, "9.8.7", language, out, err);
    return {exitCode, out.str(), err.str()};
}

} // namespace tessivar::test
