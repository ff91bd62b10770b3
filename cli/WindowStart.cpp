#include "WindowStart.h"

namespace tessivar {

std::optional<WindowStart> ParseWindowStart(std::span<const std::string> args)
{
    WindowStart start;
    for (std::size_t index = 0; index < args.size(); ++index) {
        const std::string& arg = args[index];
        if (arg == "--lang" && index + 1 < args.size() && !start.language
            && (args[index + 1] == "ja" || args[index + 1] == "en")) {
            start.language = args[++index];
        } else if (!arg.starts_with('-') && !start.programFile) {
            start.programFile = arg;
        } else {
            return std::nullopt;
        }
    }
    return start;
}

} // namespace tessivar
