#include "HeadlessRun.h"

#include "CompiledProgram.h"
#include "ExitCode.h"
#include "Machine.h"
#include "ProgramFile.h"
#include "StepCounterText.h"

#include <optional>

namespace tessivar {

namespace {

std::optional<TextLines> ReadEditorLines(const std::string& path, std::ostream& err)
{
    ProgramFileReading reading = ReadProgramFile(path);
    if (reading.error) {
        err << "tessivar: " << reading.error->message << '\n';
        return std::nullopt;
    }
    return std::move(reading.lines);
}

void PrintSummary(const Machine& machine, const RunOutcome& run, std::ostream& err)
{
    err << StepCounterText(machine.Step);
    switch (run.stop) {
    case RunOutcome::Stop::Ended:
        err << "  program ended\n";
        break;
    case RunOutcome::Stop::LineBudget:
        err << "  program not ended: stopped after " << run.executedLines << " lines (--max-steps)\n";
        break;
    case RunOutcome::Stop::Error:
        err << "  program not ended: a step cannot be carried out\n"
            << "tessivar: " << run.error->message << '\n';
        break;
    }
}

int ExitCodeOf(RunOutcome::Stop stop)
{
    switch (stop) {
    case RunOutcome::Stop::Ended:
        return kExitEnded;
    case RunOutcome::Stop::LineBudget:
        return kExitNotEnded;
    case RunOutcome::Stop::Error:
        return kExitStepFailed;
    }
    return kExitStepFailed;
}

} // namespace

int RunHeadless(const RunRequest& request, std::ostream& out, std::ostream& err)
{
    const std::optional<TextLines> programLines = ReadEditorLines(request.programPath, err);
    if (!programLines) {
        return kExitUsage;
    }
    Machine machine;
    TextLines panel = request.values;
    const SetOutcome set = machine.Set(panel, *programLines);
    if (set.error) {
        err << "tessivar: " << set.error->message << '\n';
        return kExitUsage;
    }
    const RunOutcome run = CompiledProgram(machine.Prg).Run(machine, request.maxLines);
    UpdateRegisterPanel(panel, run, machine.Reg);
    for (const std::string& line : panel) {
        out << line << '\n';
    }
    PrintSummary(machine, run, err);
    return ExitCodeOf(run.stop);
}

} // namespace tessivar
