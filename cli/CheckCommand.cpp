#include "CheckCommand.h"

#include "AtomicFileWrite.h"
#include "CheckCases.h"
#include "CheckCsvReport.h"
#include "CheckJUnitReport.h"
#include "CheckTextReport.h"
#include "ExitCode.h"
#include "ParallelCheck.h"
#include "Phrase.h"
#include "ReadWholeFile.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <variant>

namespace tessivar {

namespace {

std::optional<std::vector<CheckCase>> ReadCases(const std::string& path, Language language, std::ostream& err)
{
    std::string text;
    if (const std::error_code error = ReadWholeFile(path, text)) {
        err << "tessivar: "
            << Say(language, {"cannot read the cases %1: %2", "ケースのファイル %1 を読めません: %2"},
                   {path, error.message()})
            << '\n';
        return std::nullopt;
    }
    auto parsed = ParseCheckCases(text, language);
    if (const auto* error = std::get_if<CasesError>(&parsed)) {
        err << "tessivar: " << path;
        if (error->lineNumber != 0) {
            err << ':' << error->lineNumber;
        }
        err << ": " << error->message << '\n';
        return std::nullopt;
    }
    return std::get<std::vector<CheckCase>>(std::move(parsed));
}

unsigned JobsOf(const CheckRequest& request)
{
    return request.jobs.value_or(std::max(std::thread::hardware_concurrency(), 1u));
}

// `what` names the report in the message when the file cannot be written.
bool WriteReport(const std::string& path, const std::string& what, const std::string& content, Language language,
                 std::ostream& err)
{
    if (const std::error_code error = WriteFileAtomically(path, content)) {
        err << "tessivar: "
            << Say(language, {"cannot write the %1 report to %2: %3", "%1 のレポートを %2 に書けません: %3"},
                   {what, path, error.message()})
            << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunCheck(const CheckRequest& request, Language language, std::ostream& out, std::ostream& err)
{
    const std::optional<std::vector<CheckCase>> cases = ReadCases(request.casesPath, language, err);
    if (!cases) {
        return kExitUsage;
    }
    std::vector<ProgramCheck> checks;
    CheckTotals totals;
    CheckPrograms(request.programPaths, *cases, request.maxLines, language, JobsOf(request), [&](ProgramCheck check) {
        WriteProgramResults(out, check, *cases, language);
        out.flush();
        totals.Add(check, cases->size());
        checks.push_back(std::move(check));
    });
    out << TotalsLine(totals, language) << '\n';
    const bool junitWritten = !request.junitPath
        || WriteReport(*request.junitPath, "JUnit", CheckJUnitReport(checks, *cases, language), language, err);
    const bool csvWritten
        = !request.csvPath || WriteReport(*request.csvPath, "CSV", CheckCsvReport(checks, *cases), language, err);
    if (!junitWritten || !csvWritten || totals.unreadableProgram) {
        return kExitUsage;
    }
    return totals.failed == 0 ? kExitAllPassed : kExitSomeFailed;
}

} // namespace tessivar
