#pragma once

#include "Message.h"
#include "ProgramText.h"
#include "TextEncoding.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessivar {

// A failed read or write; `message` is what the user is told.
struct ProgramFileError {
    Message message;
};

// What reading a program file gave.
struct ProgramFileReading {
    // The encoding found; set also when the text then failed to decode, since the
    // editor remembers it even then. Unset when the file could not be read at all.
    std::optional<TextEncoding> encoding;
    // The editor's new lines; empty when `error` is set.
    TextLines lines;
    std::optional<ProgramFileError> error;
};

// Reading rules for the whole content of a file: the encoding from the byte-order
// mark (without one: UTF-8 when well-formed, else code page 932), NUL characters dropped, then lines split at
// CR LF, lone CR and lone LF, a final CR LF leaving an empty last line but a
// final lone CR or LF none. Ill-formed UTF-8 after its mark, or a single byte
// after a UTF-16 mark, gives the error "Unicode 文字のマッピングが…"
// together with the encoding of the mark.
ProgramFileReading DecodeProgramText(std::string_view bytes);

// Writing rules: the mark of `encoding`, then the lines joined with CR LF and no
// break after the last one, so an empty last line gives a final CR LF (and a
// single empty line is written as no text at all, like no lines). Characters code
// page 932 cannot represent become "?". Unmarked UTF-8 that begins with U+FEFF
// gets the mark, so that the character is not taken for one when read back.
std::string EncodeProgramText(const TextLines& lines, TextEncoding encoding);

// Reads and decodes the file at `path` (UTF-8 bytes, as the system takes them).
ProgramFileReading ReadProgramFile(const std::string& path);

// Encodes `lines` and makes them the file at `path`; on failure the old file is
// left as it was.
std::optional<ProgramFileError> WriteProgramFile(const std::string& path, const TextLines& lines,
                                                 TextEncoding encoding);

} // namespace tessivar
