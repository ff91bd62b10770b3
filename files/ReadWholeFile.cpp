#include "ReadWholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tessivar {

namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::error_code ReadWholeFile(const std::string& path, std::string& bytes)
{
    // Opening a pipe would otherwise wait for a writer; reads wait again once open.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
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
