#pragma once

#include "TemporaryFolder.h"

#include <string>
#include <string_view>

namespace tessivar::test {

// A program file in a temporary folder of its own, removed again at the end.
class TemporaryProgramFile {
public:
    explicit TemporaryProgramFile(std::string_view bytes);

    std::string Path() const { return folder_.File("program.urm"); }

private:
    TemporaryFolder folder_;
};

// The sample program of the program editor, lines joined with CR LF.
inline constexpr std::string_view kSampleProgramFile
    = "S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全";

// A path that names no file: its folder is gone again.
std::string MissingFilePath();

} // namespace tessivar::test
