#include "ProgramFileInput.h"

#include "ProgramFile.h"

namespace tessivar {

std::optional<TextLines> ReadEditorLines(const std::string& path, std::ostream& err)
{
    ProgramFileReading reading = ReadProgramFile(path);
    if (reading.error) {
        err << "tessivar: " << Text(reading.error->message) << '\n';
        return std::nullopt;
    }
    return std::move(reading.lines);
}

} // namespace tessivar
