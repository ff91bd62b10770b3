#pragma once

#include <cerrno>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace tessivar {

// The system's error of the call that just failed.
inline std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// An open file descriptor, closed when the handle goes.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle()
    {
        if (fd_ >= 0)
            close(fd_);
    }

    bool IsOpen() const { return fd_ >= 0; }
    int Get() const { return fd_; }

    // Some file systems report a late write error only here.
    std::error_code Close() { return close(std::exchange(fd_, -1)) == 0 ? std::error_code() : LastError(); }

private:
    int fd_;
};

} // namespace tessivar
