#include "HeadlessRun.h"

#include "CompiledProgram.h"
#include "ExitCode.h"
#include "Machine.h"
#include "Phrase.h"
#include "ProgramFileInput.h"
#include "ProgressLine.h"
#include "StepCounterText.h"
#include "StepTrace.h"

#include <fstream>
#include <optional>

namespace tessivar {

namespace {

// What became of the run, and for a failing step the machine's message on a
// line of its own.
std::string StopText(const RunOutcome& run, Language language)
{
    switch (run.stop) {
    case RunOutcome::Stop::Ended:
        return Say(language, {"program ended", "プログラムは終了しました"});
    case RunOutcome::Stop::LineBudget:
        return Say(language,
                   {"program not ended: stopped after %1 lines (--max-steps)",
                    "プログラムは終了していません: %1 行で止めました (--max-steps)"},
                   {DecimalText(run.executedLines)});
    case RunOutcome::Stop::Error:
        return Say(language,
                   {"program not ended: a step cannot be carried out",
                    "プログラムは終了していません: ステップを実行できません"})
            + "\ntessivar: " + Say(language, run.error->message);
    case RunOutcome::Stop::StopLine:
    case RunOutcome::Stop::Cancelled: // the command line asks for neither
        break;
    }
    return Say(language, {"program not ended: stopped", "プログラムは終了していません: 止めました"});
}

// "Step:" is the counter's own label, in every language.
void PrintSummary(const Machine& machine, const RunOutcome& run, Language language, std::ostream& err)
{
    err << StepCounterText(machine.stepCount);
    err << "  " << StopText(run, language) << '\n';
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
RunOutcome RunWithProgress(const RunRequest& request, Machine& machine, Language language, std::ostream* terminal)
{
    const CompiledProgram program(machine.program, request.acceleration);
    if (terminal == nullptr) {
        return program.Run(machine, {.maxLines = request.maxLines});
    }
    ProgressLine line(*terminal, ProgressLine::Clock::now(), language);
    const RunProgress progress{.report = [&line](StepCount step) { line.Update(step, ProgressLine::Clock::now()); }};
    const RunOutcome run = program.Run(machine, {.maxLines = request.maxLines, .progress = &progress});
    line.Clear();
    return run;
}

// The run with its trace: to standard output before the registers for "-",
// else to the file named.
std::optional<RunOutcome> RunWithTrace(const RunRequest& request, Machine& machine, const TextLines& programLines,
                                       Language language, std::ostream& out, std::ostream& err)
{
    if (*request.tracePath == "-")
        return RunTraced(machine, programLines, request.maxLines, out);
    std::ofstream file(*request.tracePath, std::ios::binary | std::ios::trunc);
    if (!file) {
        err << "tessivar: "
            << Say(language, {"cannot write the trace to %1", "トレースを %1 に書けません"}, {*request.tracePath})
            << '\n';
        return std::nullopt;
    }
    RunOutcome run = RunTraced(machine, programLines, request.maxLines, file);
    if (!file) {
        err << "tessivar: "
            << Say(language, {"writing the trace to %1 failed", "トレースを %1 に書くのに失敗しました"},
                   {*request.tracePath})
            << '\n';
        return std::nullopt;
    }
    return run;
}

} // namespace

int RunHeadless(const RunRequest& request, Language language, std::ostream& out, std::ostream& err,
                std::ostream* terminal)
{
    const std::optional<TextLines> programLines = ReadEditorLines(request.programPath, language, err);
    if (!programLines) {
        return kExitUsage;
    }
    Machine machine;
    TextLines panel = request.values;
    const SetOutcome set = machine.Set(panel, *programLines);
    if (set.error) {
        err << "tessivar: " << Say(language, set.error->message) << '\n';
        return kExitUsage;
    }
    const std::optional<RunOutcome> run = request.tracePath
        ? RunWithTrace(request, machine, *programLines, language, out, err)
        : RunWithProgress(request, machine, language, terminal);
    if (!run) {
        return kExitUsage;
    }
    UpdateRegisterPanel(panel, *run, machine.registers);
    for (const std::string& line : panel) {
        out << line << '\n';
    }
    PrintSummary(machine, *run, language, err);
    return ExitCodeOf(run->stop);
}

} // namespace tessivar
