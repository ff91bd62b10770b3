#include "ReadWholeFile.h"

#include "FileHandle.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tessivar {

std::error_code ReadWholeFile(const std::string& path, std::string& bytes)
{
    // Opening a pipe would otherwise wait for a writer; reads wait again once open.
    const FileHandle file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!file.IsOpen())
        return LastError();
    if (fcntl(file.Get(), F_SETFL, fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK) != 0)
        return LastError();
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(file.Get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        if (content.size() + static_cast<std::size_t>(count) > kLargestProgramFile)
            return {EFBIG, std::generic_category()};
        content.append(buffer, static_cast<std::size_t>(count));
    }
    bytes = std::move(content);
    return {};
}

} // namespace tessivar
