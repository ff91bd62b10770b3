#include "StepTrace.h"

#include "RegisterText.h"
#include "VisibleText.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tessivar {

namespace {

// A tab inside a line would shift the columns, and a control character could
// drive the terminal the trace goes to.
std::string AsColumn(std::string_view line)
{
    std::string text = VisibleText(line);
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

void WriteTraceLine(const Machine& machine, const InstructionEffect& effect, const TextLines& programLines,
                    std::ostream& trace)
{
    const auto line = static_cast<std::size_t>(effect.executedPC);
    trace << DecimalText(machine.stepCount) << '\t' << line + 1 << '\t'
          << AsColumn(line < programLines.size() ? programLines[line] : std::string_view()) << '\t';
    if (WritesRegister(effect.kind))
        trace << "R(" << effect.targetRegister << ")\t" << CanonicalRegisterText(effect.newValue);
    else
        trace << '\t';
    trace << '\t';
    if (effect.jumpTaken)
        trace << machine.pc + 1;
    trace << '\n';
}

} // namespace

RunOutcome RunTraced(Machine& machine, const TextLines& programLines, std::optional<StepCount> maxLines,
                     std::ostream& trace)
{
    trace << "step\tline\tinstruction\tregister\tvalue\tjump to\n";
    RunOutcome run;
    for (;;) {
        if (!machine.CanContinue()) {
            run.stop = RunOutcome::Stop::Ended;
            break;
        }
        if (run.executedLines == maxLines) {
            run.stop = RunOutcome::Stop::LineBudget;
            break;
        }
        const StepOutcome step = machine.ExecuteStep();
        if (step.error) {
            run.stop = RunOutcome::Stop::Error;
            run.error = step.error;
            break;
        }
        ++run.executedLines;
        if (WritesRegister(step.effect.kind))
            run.written[static_cast<std::size_t>(step.effect.targetRegister - 1)] = true;
        WriteTraceLine(machine, step.effect, programLines, trace);
    }
    trace.flush();
    return run;
}

} // namespace tessivar
