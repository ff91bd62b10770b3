#include "CheckCsvReport.h"

#include "UnicodeText.h"

#include <string_view>

namespace tessivar {

namespace {

constexpr std::string_view kRowEnd = "\r\n";

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string HeaderRow(std::span<const CheckCase> cases)
{
    std::string row = "program";
    for (const CheckCase& checkCase : cases) {
        row += ",line " + std::to_string(checkCase.lineNumber);
    }
    return row + ",passed,failed" + std::string(kRowEnd);
}

std::string ProgramRow(const ProgramCheck& check, std::size_t caseCount)
{
    // A spreadsheet reads the file as UTF-8, so a name's other bytes are shown as U+FFFD.
    std::string row = CsvField(MakeValidUtf8(check.programPath));
    for (std::size_t index = 0; index < caseCount; ++index) {
        const bool passed = !check.readError && check.results[index].verdict == CaseVerdict::Pass;
        row += passed ? ",PASS" : ",FAIL";
    }
    const std::size_t passedCases = check.Passed();
    return row + "," + std::to_string(passedCases) + "," + std::to_string(caseCount - passedCases)
        + std::string(kRowEnd);
}

} // namespace

std::string CheckCsvReport(std::span<const ProgramCheck> checks, std::span<const CheckCase> cases)
{
    std::string table = HeaderRow(cases);
    for (const ProgramCheck& check : checks) {
        table += ProgramRow(check, cases.size());
    }
    return table;
}

} // namespace tessivar
