#include "CheckTextReport.h"

namespace tessivar {

void CheckTotals::Add(const ProgramCheck& check, std::size_t caseCount)
{
    const std::size_t passedHere = check.Passed();
    passed += passedHere;
    failed += caseCount - passedHere;
    unreadableProgram = unreadableProgram || check.readError.has_value();
}

void WriteProgramResults(std::ostream& out, const ProgramCheck& check, std::span<const CheckCase> cases)
{
    if (check.readError) {
        out << check.programPath << ": cannot be read: " << *check.readError << '\n';
        return;
    }
    for (std::size_t index = 0; index < cases.size(); ++index) {
        const CaseResult& result = check.results[index];
        out << check.programPath << ": case line " << cases[index].lineNumber << ": ";
        if (result.verdict == CaseVerdict::Pass) {
            out << "PASS\n";
        } else {
            out << "FAIL: " << result.failure << '\n';
        }
    }
}

std::string TotalsLine(const CheckTotals& totals)
{
    return std::to_string(totals.passed) + " passed, " + std::to_string(totals.failed) + " failed";
}

} // namespace tessivar
