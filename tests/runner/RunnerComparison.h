#pragma once

#include "CompiledProgram.h"
#include "Machine.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace tessivar {

// Readable stop reasons in failure messages.
void PrintTo(RunOutcome::Stop stop, std::ostream* out);

} // namespace tessivar

namespace tessivar::test {

// Everything a run leaves behind that a user could see.
struct RunSnapshot {
    RegisterFile registers{};
    std::int64_t pc = 0;
    StepCount stepCount = 0;
    TextLines panel;
    RunOutcome::Stop stop = RunOutcome::Stop::Ended;
    StepCount executedLines = 0;
    StepCount summarisedLines = 0; // the compiled runner's loop summaries only
    std::optional<MachineError::Kind> errorKind;
    std::string errorMessage;
};

struct RunInput {
    TextLines program; // program editor lines
    TextLines registers; // register editor lines
};

// Set, then Machine::ExecuteStep one line at a time, keeping the panel as the
// window does, for at most `maxLines` lines (none: until the program stops).
RunSnapshot RunStepByStep(const RunInput& input, std::optional<StepCount> maxLines);

// Set, then the compiled runner.
RunSnapshot RunCompiled(const RunInput& input, std::optional<StepCount> maxLines,
                        LoopAcceleration acceleration = LoopAcceleration::On);

// Every field a user could see, with the same errors.
void ExpectSameSnapshot(const RunSnapshot& actual, const RunSnapshot& expected);

// The compiled runner with and without loop acceleration against the steps,
// field by field, with `input` in every failure message.
void ExpectSameRun(const RunInput& input, std::optional<StepCount> maxLines);

} // namespace tessivar::test
