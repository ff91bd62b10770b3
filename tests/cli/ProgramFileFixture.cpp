#include "ProgramFileFixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace tessivar::test {

std::filesystem::path UniqueTemporaryPath(std::string_view stem) {
    static std::atomic<int> counter{0};
    return std::filesystem::path(::testing::TempDir()) /
           (std::string(stem) + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

TemporaryProgramFile::TemporaryProgramFile(std::string_view bytes)
    : path_(UniqueTemporaryPath("program").replace_extension(".urm")) {
    std::ofstream file(path_, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(file.good()) << "cannot write " << path_;
}

TemporaryProgramFile::~TemporaryProgramFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

std::string MissingFilePath() { return UniqueTemporaryPath("missing").string(); }

} // namespace tessivar::test
