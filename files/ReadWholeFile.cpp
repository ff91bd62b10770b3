#include "ReadWholeFile.h"

#include "FileDescriptorIo.h"
#include "FileHandle.h"

#include <fcntl.h>
#include <utility>

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
    if (const std::error_code error = ReadToEnd(file.Get(), content, kLargestProgramFile))
        return error;
    bytes = std::move(content);
    return {};
}

} // namespace tessivar
