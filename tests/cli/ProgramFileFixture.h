#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tessivar::test {

// A program file in the test's temporary folder, removed again at the end.
class TemporaryProgramFile {
public:
    explicit TemporaryProgramFile(std::string_view bytes);
    ~TemporaryProgramFile();
    TemporaryProgramFile(const TemporaryProgramFile&) = delete;
    TemporaryProgramFile& operator=(const TemporaryProgramFile&) = delete;

    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

// The sample program of the program editor, lines joined with CR LF.
inline constexpr std::string_view kSampleProgramFile =
    "S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全";

// A path in the test's temporary folder that no other test or process uses.
std::filesystem::path UniqueTemporaryPath(std::string_view stem);

// A path that names no file.
std::string MissingFilePath();

} // namespace tessivar::test
