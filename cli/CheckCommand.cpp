#include "CheckCommand.h"

#include "AtomicFileWrite.h"
#include "CheckCases.h"
#include "CheckCsvReport.h"
#include "CheckJUnitReport.h"
#include "CheckTextReport.h"
#include "ExitCode.h"
#include "ParallelCheck.h"
#include "ReadWholeFile.h"

#include <algorithm>
#include <optional>
#include <thread>
#include <variant>

namespace tessivar {

namespace {

std::optional<std::vector<CheckCase>> ReadCases(const std::string& path, std::ostream& err)
{
    std::string text;
    if (const std::error_code error = ReadWholeFile(path, text)) {
        err << "tessivar: cannot read the cases " << path << ": " << error.message() << '\n';
        return std::nullopt;
    }
    auto parsed = ParseCheckCases(text);
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
bool WriteReport(const std::string& path, const std::string& what, const std::string& content, std::ostream& err)
{
    if (const std::error_code error = WriteFileAtomically(path, content)) {
        err << "tessivar: cannot write the " << what << " report to " << path << ": " << error.message() << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunCheck(const CheckRequest& request, std::ostream& out, std::ostream& err)
{
    const std::optional<std::vector<CheckCase>> cases = ReadCases(request.casesPath, err);
    if (!cases) {
        return kExitUsage;
    }
    std::vector<ProgramCheck> checks;
    CheckTotals totals;
    CheckPrograms(request.programPaths, *cases, request.maxLines, JobsOf(request), [&](ProgramCheck check) {
        WriteProgramResults(out, check, *cases);
        out.flush();
        totals.Add(check, cases->size());
        checks.push_back(std::move(check));
    });
    out << TotalsLine(totals) << '\n';
    const bool junitWritten
        = !request.junitPath || WriteReport(*request.junitPath, "JUnit", CheckJUnitReport(checks, *cases), err);
    const bool csvWritten
        = !request.csvPath || WriteReport(*request.csvPath, "CSV", CheckCsvReport(checks, *cases), err);
    if (!junitWritten || !csvWritten || totals.unreadableProgram) {
        return kExitUsage;
    }
    return totals.failed == 0 ? kExitAllPassed : kExitSomeFailed;
}

} // namespace tessivar
