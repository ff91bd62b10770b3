#include "ProgramFileInput.h"

#include "Phrase.h"
#include "ProgramFile.h"
#include "VisibleText.h"

namespace tessivar {

std::optional<TextLines> ReadEditorLines(const std::string& path, Language language, std::ostream& err)
{
    ProgramFileReading reading = ReadProgramFile(path);
    if (reading.error) {
        // The reason names the path, which may hold any byte.
        err << "tessivar: " << VisibleText(Say(language, reading.error->message)) << '\n';
        return std::nullopt;
    }
    return std::move(reading.lines);
}

} // namespace tessivar
