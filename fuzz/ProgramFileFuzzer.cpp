// Program files: any bytes read either as lines or as the one decoding error;
// lines that were read survive a save and a second read in the encoding found.

#include "FuzzCheck.h"
#include "ProgramFile.h"
#include "UnicodeText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tessivar;
using fuzz::Check;
using namespace std::string_view_literals;

// A line as the editor may hold it: well-formed, no NUL, no line break inside.
bool IsEditorLine(const std::string& line)
{
    return IsValidUtf8(line) && line.find_first_of("\0\r\n"sv) == std::string::npos;
}

// Code page 932 writes U+FFFD, which stands for bytes it could not decode, as "?".
TextLines AsSavedInCp932(TextLines lines)
{
    std::string replacement;
    AppendUtf8(replacement, ReplacementCharacter);
    for (std::string& line : lines) {
        for (std::size_t at = line.find(replacement); at != std::string::npos; at = line.find(replacement, at + 1)) {
            line.replace(at, replacement.size(), "?");
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ProgramFileReading first = DecodeProgramText(bytes);
    Check(first.encoding.has_value());
    const TextEncoding encoding = *first.encoding;
    if (first.error) {
        Check(encoding != TextEncoding::Ansi && first.lines.empty());
        return 0;
    }
    for (const std::string& line : first.lines) {
        Check(IsEditorLine(line));
    }

    const std::string saved = EncodeProgramText(first.lines, encoding);
    const ProgramFileReading second = DecodeProgramText(saved);
    // Code page 932 text saved as bytes that are valid UTF-8 (plain ASCII, say)
    // reads back as UTF-8, as any unmarked file does; unmarked UTF-8 that
    // starts with U+FEFF is written with a mark.
    const std::string text = JoinTextLines(first.lines);
    if (encoding == TextEncoding::Ansi && IsValidUtf8(saved)) {
        Check(second.encoding == TextEncoding::Utf8Unmarked && !second.error);
        return 0;
    }
    if (encoding == TextEncoding::Utf8Unmarked && text.starts_with(ByteOrderMark(TextEncoding::Utf8))) {
        Check(second.encoding == TextEncoding::Utf8);
    } else {
        Check(second.encoding == encoding);
    }
    // The editor shows one empty line and no lines alike; both save as no text.
    const bool emptyEditor = JoinTextLines(first.lines).empty();
    Check(!second.error);
    const TextLines expected = encoding == TextEncoding::Ansi ? AsSavedInCp932(first.lines) : first.lines;
    Check(emptyEditor ? second.lines.empty() : second.lines == expected);
    return 0;
}
