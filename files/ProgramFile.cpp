#include "ProgramFile.h"

#include "AtomicFileWrite.h"
#include "ReadWholeFile.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace tessivar {

namespace {

// Unlike the editor's own split, a final CR LF leaves an empty last line.
TextLines SplitFileLines(std::string_view text)
{
    TextLines lines = SplitTextLines(text);
    if (text.ends_with("\r\n"))
        lines.emplace_back();
    return lines;
}

std::string FullPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.string();
}

// The system's message for the error, without trailing blanks or full stops.
std::string SystemErrorText(const std::error_code& error)
{
    std::string text = error.message();
    const std::size_t kept = text.find_last_not_of(" .");
    text.erase(kept == std::string::npos ? 0 : kept + 1);
    return text;
}

// The read limit is this program's own rule, so its reason is given in the
// program's language; the system's reasons are given as the system words them.
ProgramFileError OpenError(const std::string& path, const std::error_code& error)
{
    if (error == std::errc::file_too_large)
        return {{TESSIVAR_MESSAGE("ファイル %1 は開けません。 ファイルが大きすぎます (%2 MiB まで) "),
                 {FullPath(path), std::to_string(kLargestProgramFile / (1024 * 1024))}}};
    return {{TESSIVAR_MESSAGE("ファイル %1 は開けません。 %2 "), {FullPath(path), SystemErrorText(error)}}};
}

ProgramFileError CreateError(const std::string& path, const std::error_code& error)
{
    return {{TESSIVAR_MESSAGE("ファイル \"%1\" を作成できません。%2"), {FullPath(path), SystemErrorText(error)}}};
}

// The system may lack the code page converter: that is an error to show, like any other.
ProgramFileError ConverterError(const std::system_error& error)
{
    return {{TESSIVAR_MESSAGE("文字コードを変換できません。%1"), {SystemErrorText(error.code())}}};
}

// Unmarked UTF-8 that starts with U+FEFF would read back as marked, with that
// character lost: such a text is written with the mark.
std::string_view MarkToWrite(std::string_view text, TextEncoding encoding)
{
    const std::string_view utf8Mark = ByteOrderMark(TextEncoding::Utf8);
    if (encoding == TextEncoding::Utf8Unmarked && text.starts_with(utf8Mark))
        return utf8Mark;
    return ByteOrderMark(encoding);
}

} // namespace

ProgramFileReading DecodeProgramText(std::string_view bytes)
{
    const TextEncoding encoding = DetectEncoding(bytes);
    std::optional<std::string> text = DecodeText(bytes.substr(ByteOrderMark(encoding).size()), encoding);
    if (!text)
        return {encoding,
                {},
                ProgramFileError{{TESSIVAR_MESSAGE(
                    "Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません")}}};
    std::erase(*text, '\0');
    return {encoding, SplitFileLines(*text), std::nullopt};
}

std::string EncodeProgramText(const TextLines& lines, TextEncoding encoding)
{
    const std::string text = JoinTextLines(lines);
    return std::string(MarkToWrite(text, encoding)) + EncodeText(text, encoding);
}

ProgramFileReading ReadProgramFile(const std::string& path)
{
    std::string bytes;
    if (const std::error_code error = ReadWholeFile(path, bytes))
        return {std::nullopt, {}, OpenError(path, error)};
    try {
        return DecodeProgramText(bytes);
    } catch (const std::system_error& error) {
        return {std::nullopt, {}, ConverterError(error)};
    }
}

std::optional<ProgramFileError> WriteProgramFile(const std::string& path, const TextLines& lines, TextEncoding encoding)
{
    std::string bytes;
    try {
        bytes = EncodeProgramText(lines, encoding);
    } catch (const std::system_error& error) {
        return ConverterError(error);
    }
    if (const std::error_code error = WriteFileAtomically(path, bytes))
        return CreateError(path, error);
    return std::nullopt;
}

} // namespace tessivar
