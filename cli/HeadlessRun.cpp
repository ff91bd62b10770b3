#include "HeadlessRun.h"

#include "CompiledProgram.h"
#include "ExitCode.h"
#include "Machine.h"
#include "ProgramFileInput.h"
#include "ProgressLine.h"
#include "StepCounterText.h"
#include "StepTrace.h"

#include <fstream>
#include <optional>

namespace tessivar {

namespace {

void PrintSummary(const Machine& machine, const RunOutcome& run, std::ostream& err)
{
    err << StepCounterText(machine.stepCount);
    switch (run.stop) {
    case RunOutcome::Stop::Ended:
        err << "  program ended\n";
        break;
    case RunOutcome::Stop::LineBudget:
        err << "  program not ended: stopped after " << DecimalText(run.executedLines) << " lines (--max-steps)\n";
        break;
    case RunOutcome::Stop::Error:
        err << "  program not ended: a step cannot be carried out\n"
            << "tessivar: " << Text(run.error->message) << '\n';
        break;
    case RunOutcome::Stop::StopLine:
    case RunOutcome::Stop::Cancelled: // the command line asks for neither
        err << "  program not ended: stopped\n";
        break;
    }
}

int ExitCodeOf(RunOutcome::Stop stop)
{
    switch (stop) {
    case RunOutcome::Stop::Ended:
        return kExitEnded;
    case RunOutcome::Stop::LineBudget:
    case RunOutcome::Stop::StopLine:
    case RunOutcome::Stop::Cancelled:
        return kExitNotEnded;
    case RunOutcome::Stop::Error:
        return kExitStepFailed;
    }
    return kExitStepFailed;
}

// Runs the compiled program, showing its progress on `terminal` if there is one.
RunOutcome RunWithProgress(const RunRequest& request, Machine& machine, std::ostream* terminal)
{
    const CompiledProgram program(machine.program, request.acceleration);
    if (terminal == nullptr) {
        return program.Run(machine, {.maxLines = request.maxLines});
    }
    ProgressLine line(*terminal, ProgressLine::Clock::now());
    const RunProgress progress{.report = [&line](StepCount step) { line.Update(step, ProgressLine::Clock::now()); }};
    const RunOutcome run = program.Run(machine, {.maxLines = request.maxLines, .progress = &progress});
    line.Clear();
    return run;
}

// The run with its trace: to standard output before the registers for "-",
// else to the file named.
std::optional<RunOutcome> RunWithTrace(const RunRequest& request, Machine& machine, const TextLines& programLines,
                                       std::ostream& out, std::ostream& err)
{
    if (*request.tracePath == "-")
        return RunTraced(machine, programLines, request.maxLines, out);
    std::ofstream file(*request.tracePath, std::ios::binary | std::ios::trunc);
    if (!file) {
        err << "tessivar: cannot write the trace to " << *request.tracePath << '\n';
        return std::nullopt;
    }
    RunOutcome run = RunTraced(machine, programLines, request.maxLines, file);
    if (!file) {
        err << "tessivar: writing the trace to " << *request.tracePath << " failed\n";
        return std::nullopt;
    }
    return run;
}

} // namespace

int RunHeadless(const RunRequest& request, std::ostream& out, std::ostream& err, std::ostream* terminal)
{
    const std::optional<TextLines> programLines = ReadEditorLines(request.programPath, err);
    if (!programLines) {
        return kExitUsage;
    }
    Machine machine;
    TextLines panel = request.values;
    const SetOutcome set = machine.Set(panel, *programLines);
    if (set.error) {
        err << "tessivar: " << Text(set.error->message) << '\n';
        return kExitUsage;
    }
    const std::optional<RunOutcome> run = request.tracePath ? RunWithTrace(request, machine, *programLines, out, err)
                                                            : RunWithProgress(request, machine, terminal);
    if (!run) {
        return kExitUsage;
    }
    UpdateRegisterPanel(panel, *run, machine.registers);
    for (const std::string& line : panel) {
        out << line << '\n';
    }
    PrintSummary(machine, *run, err);
    return ExitCodeOf(run->stop);
}

} // namespace tessivar
