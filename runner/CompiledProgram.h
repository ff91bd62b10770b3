#pragma once

#include "CompiledOp.h"
#include "Machine.h"
#include "MachineError.h"
#include "ProgramText.h"
#include "StepCount.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tessivar {

// How a run of many steps ended, and what it wrote.
struct RunOutcome {
    enum class Stop {
        Ended, // PC reached or passed the end of the program
        LineBudget, // the allowed number of lines ran without the program ending
        Error, // the line at PC could not be carried out; `error` says why
        StopLine, // PC is a line the run was to stop before
        Cancelled, // told to stop from another thread
    };
    Stop stop = Stop::Ended;
    StepCount executedLines = 0; // completed lines, comment lines included
    StepCount summarisedLines = 0; // of those, the lines of loop iterations applied at once
    std::array<bool, kRegisterCount> written{}; // entry k-1: a step wrote R(k)
    std::optional<MachineError> error;

    // 1-based number of the highest register written, 0 when none was.
    int HighestWrittenRegister() const;
};

// Whether a run may skip the iterations of a loop it can summarise exactly.
enum class LoopAcceleration { On, Off };

// Told of a long run's progress about every `everyLines` executed lines.
struct RunProgress {
    std::uint64_t everyLines = std::uint64_t{1} << 24;
    std::function<void(StepCount step)> report; // the machine's stepCount so far
};

class StepHistory;

// What may end a run besides the program's end and a failing line.
struct RunLimits {
    // Executed lines allowed, comments included; none: no budget at all.
    std::optional<StepCount> maxLines{};
    // Line indexes the run stops before, except the line it starts on. A loop
    // that passes one of them is run line by line.
    std::vector<std::int64_t> stopLines{};
    // Set from another thread: the run ends within about a millisecond of
    // running, every line and loop so far applied whole.
    const std::atomic<bool>* cancel = nullptr;
    const RunProgress* progress = nullptr;
    // Takes every line run one by one, and iterations applied at once as one
    // entry, so that they can be undone.
    StepHistory* history = nullptr;
};

// A program translated once into a compact form that runs many steps quickly,
// with exactly the effect of calling Machine::ExecuteStep that many times.
class CompiledProgram {
public:
    // `program` is the prepared program list, as Machine::Set leaves it.
    explicit CompiledProgram(const TextLines& program, LoopAcceleration acceleration = LoopAcceleration::On);

    // Runs `machine`, which must hold the program compiled here, from its pc
    // until the program ends, a line cannot be carried out, or `limits` stop
    // it. Registers, pc and stepCount end as the steps would leave them.
    RunOutcome Run(Machine& machine, const RunLimits& limits = {}) const;

private:
    std::vector<compiled::Op> ops_; // one per line, then Halt
};

// Rewrites the register panel as the steps of `run` would have left it.
void UpdateRegisterPanel(TextLines& panelLines, const RunOutcome& run, const RegisterFile& registers);

} // namespace tessivar
