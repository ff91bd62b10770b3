#include "ReadWholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tessivar {

std::error_code ReadWholeFile(const std::string& path, std::string& bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {errno, std::generic_category()};
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            const std::error_code error(errno, std::generic_category());
            close(fd);
            return error;
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
    close(fd);
    bytes = std::move(content);
    return {};
}

} // namespace tessivar
