#include "HeadlessRun.h"

#include "CompiledProgram.h"
#include "ExitCode.h"
#include "Machine.h"
#include "ProgramFileInput.h"
#include "ProgressLine.h"
#include "StepCounterText.h"

#include <optional>

namespace tessivar {

namespace {

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

// Runs the compiled program, showing its progress on `terminal` if there is one.
RunOutcome RunWithProgress(const RunRequest& request, Machine& machine, std::ostream* terminal)
{
    const CompiledProgram program(machine.Prg, request.acceleration);
    if (terminal == nullptr) {
        return program.Run(machine, request.maxLines);
    }
    ProgressLine line(*terminal, ProgressLine::Clock::now());
    const RunProgress progress{.report = [&line](std::int64_t step) { line.Update(step, ProgressLine::Clock::now()); }};
    const RunOutcome run = program.Run(machine, request.maxLines, &progress);
    line.Clear();
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
        err << "tessivar: " << set.error->message << '\n';
        return kExitUsage;
    }
    const RunOutcome run = RunWithProgress(request, machine, terminal);
    UpdateRegisterPanel(panel, run, machine.Reg);
    for (const std::string& line : panel) {
        out << line << '\n';
    }
    PrintSummary(machine, run, err);
    return ExitCodeOf(run.stop);
}

} // namespace tessivar
