#include "CheckTextReport.h"

#include "Phrase.h"
#include "UnicodeText.h"
#include "VisibleText.h"

#include <array>
#include <cstdio>
#include <optional>

namespace tessivar {

namespace {

// A character that a line of the report cannot show as it is.
bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

std::string Escaped(char c)
{
    switch (c) {
    case '\n':
        return "\\n";
    case '\r':
        return "\\r";
    case '\t':
        return "\\t";
    default:
        break;
    }
    std::array<char, 5> hex{};
    std::snprintf(hex.data(), hex.size(), "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return hex.data();
}

// The path as it is when it fits on one line and reads as itself; else in
// double quotes with C's escapes, so that it can still be told exactly.
std::string ReportedPath(std::string_view path)
{
    std::string quoted = "\"";
    bool needed = path.starts_with('"');
    for (std::string_view rest = path; !rest.empty();) {
        const std::optional<Utf8Character> read = ReadUtf8Character(rest);
        const std::size_t length = read ? read->length : 1;
        if (!read || IsControl(read->codePoint)) {
            needed = true;
            for (const char c : rest.substr(0, length)) {
                quoted += Escaped(c);
            }
        } else {
            if (rest.front() == '"' || rest.front() == '\\') {
                quoted += '\\';
            }
            quoted += rest.substr(0, length);
        }
        rest.remove_prefix(length);
    }
    return needed ? quoted + '"' : std::string(path);
}

} // namespace

void CheckTotals::Add(const ProgramCheck& check, std::size_t caseCount)
{
    const std::size_t passedHere = check.Passed();
    passed += passedHere;
    failed += caseCount - passedHere;
    unreadableProgram = unreadableProgram || check.readError.has_value();
}

void WriteProgramResults(std::ostream& out, const ProgramCheck& check, std::span<const CheckCase> cases,
                         Language language)
{
    const std::string path = ReportedPath(check.programPath);
    if (check.readError) {
        // The reason names the path too, as the system took it.
        out << Say(language, {"%1: cannot be read: %2", "%1: 読めません: %2"}, {path, VisibleText(*check.readError)})
            << '\n';
        return;
    }
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const CaseResult& result = check.results[index];
        const std::vector<std::string> args{path, std::to_string(cases[index].lineNumber), result.failure};
        if (result.verdict == CaseVerdict::Pass) {
            out << Say(language, {"%1: case line %2: PASS", "%1: ケース %2 行目: 合格"}, args) << '\n';
        } else {
            out << Say(language, {"%1: case line %2: FAIL: %3", "%1: ケース %2 行目: 不合格: %3"}, args) << '\n';
        }
    }
}

std::string TotalsLine(const CheckTotals& totals, Language language)
{
    return Say(language, {"%1 passed, %2 failed", "合格 %1、不合格 %2"},
               {std::to_string(totals.passed), std::to_string(totals.failed)});
}

} // namespace tessivar
