#include "ProgramFileFixture.h"

namespace tessivar::test {

TemporaryProgramFile::TemporaryProgramFile(std::string_view bytes)
{
    WriteBytes(Path(), bytes);
}

std::string MissingFilePath()
{
    const TemporaryFolder folder;
    return folder.File("missing.urm");
}

} // namespace tessivar::test
