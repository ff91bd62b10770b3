#include "FileDescriptorIo.h"

#include "FileHandle.h"

#include <cerrno>
#include <unistd.h>

namespace tessivar {

std::error_code WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code ReadToEnd(int fd, std::string& bytes, std::size_t limit)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count == 0)
            return {};
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        if (bytes.size() + static_cast<std::size_t>(count) > limit)
            return {EFBIG, std::generic_category()};
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

} // namespace tessivar
