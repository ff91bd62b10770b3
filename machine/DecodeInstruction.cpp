#include "DecodeInstruction.h"

#include "NumberSyntax.h"

#include <algorithm>

namespace tessivar {

namespace {

// Blanks and control characters; code 0 never reaches here (see SplitFields).
bool IsSeparatorBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

void SkipBlanks(std::string_view& rest)
{
    while (!rest.empty() && IsSeparatorBlank(rest.front())) {
        rest.remove_prefix(1);
    }
}

// `rest` starts after the opening quote; a doubled quote stands for one.
// Without a closing quote the field runs to the end of the line.
std::string TakeQuotedField(std::string_view& rest)
{
    std::string field;
    while (!rest.empty()) {
        const char c = rest.front();
        rest.remove_prefix(1);
        if (c != '"') {
            field += c;
        } else if (!rest.empty() && rest.front() == '"') {
            field += '"';
            rest.remove_prefix(1);
        } else {
            break;
        }
    }
    return field;
}

std::string TakePlainField(std::string_view& rest)
{
    const auto end = std::find_if(rest.begin(), rest.end(), [](char c) { return IsSeparatorBlank(c) || c == ','; });
    const auto length = static_cast<std::size_t>(end - rest.begin());
    std::string field(rest.substr(0, length));
    rest.remove_prefix(length);
    return field;
}

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

// `pc` + k - 1 for ".k", q - 2 for q; -2 means the line before the first and
// becomes the end of the program. Past the 32-bit range it is the end too.
std::int32_t JumpTarget(std::string_view field, std::int64_t pc, std::int32_t lineCount)
{
    std::int64_t target = 0;
    if (!field.empty() && field.front() == '.') {
        const std::int64_t k = ParseInstructionNumber(field.substr(1)).value_or(0);
        if (__builtin_add_overflow(pc, k - 1, &target)) {
            return k > 0 ? kJumpPastTheEnd : kJumpNeverTaken;
        }
    } else {
        target = std::int64_t{ParseInstructionNumber(field).value_or(2)} - 2;
    }
    if (target == -2) {
        target = std::int64_t{lineCount} - 1;
    }
    if (target > std::numeric_limits<std::int32_t>::max()) {
        return kJumpPastTheEnd;
    }
    return target >= std::numeric_limits<std::int32_t>::min() ? static_cast<std::int32_t>(target) : kJumpNeverTaken;
}

} // namespace

std::vector<std::string> SplitFields(std::string_view line)
{
    // The line ends at a NUL character, as it does for the platform's text
    // routines; past it nothing could be read as a field.
    std::string_view rest = line.substr(0, line.find('\0'));
    std::vector<std::string> fields;
    SkipBlanks(rest);
    while (!rest.empty()) {
        if (rest.front() == '"') {
            rest.remove_prefix(1);
            fields.push_back(TakeQuotedField(rest));
        } else {
            fields.push_back(TakePlainField(rest));
        }
        SkipBlanks(rest);
        if (!rest.empty() && rest.front() == ',') {
            if (rest.size() == 1) {
                fields.emplace_back();
            }
            rest.remove_prefix(1);
            SkipBlanks(rest);
        }
    }
    return fields;
}

std::optional<std::int32_t> ParseInstructionNumber(std::string_view text)
{
    const NumberText number = SplitNumberText(text);
    if (number.hexadecimal) {
        // Eight significant digits fill 32 bits; the pattern is two's complement.
        const std::optional<std::uint64_t> bits = ReadMagnitude(number.digits, 16, 0xFFFFFFFFu);
        if (!bits) {
            return std::nullopt;
        }
        const auto pattern = static_cast<std::uint32_t>(*bits);
        return static_cast<std::int32_t>(number.negative ? 0u - pattern : pattern);
    }
    const std::uint64_t largest = number.negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    const std::optional<std::uint64_t> magnitude = ReadMagnitude(number.digits, 10, largest);
    if (!magnitude) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(number.negative ? -value : value);
}

DecodedInstruction DecodeInstruction(std::string_view line, std::int64_t pc, std::int32_t lineCount)
{
    const std::vector<std::string> fields = SplitFields(line);
    DecodedInstruction decoded;
    if (fields.empty()) {
        return decoded;
    }
    decoded.Mnemonic = LowerAscii(fields[0]);
    decoded.IsComment = !fields[0].empty() && fields[0].front() == '/';
    if (fields.size() >= 2) {
        decoded.FirstArg = ParseInstructionNumber(fields[1]).value_or(0);
    }
    if (fields.size() >= 3) {
        decoded.SecondArg = ParseInstructionNumber(fields[2]).value_or(0);
    }
    if (fields.size() >= 4) {
        decoded.JumpPC = JumpTarget(fields[3], pc, lineCount);
    }
    return decoded;
}

} // namespace tessivar
