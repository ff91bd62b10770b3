#include "CommandOutput.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tessivar::test {

std::string CommandOutput(const std::string& command)
{
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string output;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        output.append(buffer, read);
    }
    return output;
}

} // namespace tessivar::test
