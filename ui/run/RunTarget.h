#pragma once

#include "FastRun.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessivar::ui {

// The machine, its history and its display, as the run controller drives
// them: the controller decides when a line runs, the target runs and shows it.
class RunTarget {
public:
    virtual ~RunTarget() = default;

    // The machine has a line left to run.
    virtual bool ProgramGoesOn() const = 0;
    // A run stops before this line (not on its first step).
    virtual bool BreakpointAtNextLine() const = 0;
    // Executes the next line and starts showing it; the error's text when
    // the line could not be carried out, which then changed nothing.
    virtual std::optional<QString> ExecuteStep() = 0;

    // A run at full speed starts from this machine, records into this
    // history, and stops before these lines.
    virtual const Machine& MachineToRun() const = 0;
    virtual StepHistory& HistoryToRecord() = 0;
    virtual std::vector<std::int64_t> BreakpointLines() const = 0;
    // Cuts short a step still shown, which would otherwise move the scene
    // after a run at full speed.
    virtual void StopShowingStep() = 0;
    virtual void ShowStepCount(StepCount step) = 0;
    // Takes over what a run at full speed left and shows it.
    virtual void ShowFullSpeedResult(const FastRunResult& result) = 0;
};

} // namespace tessivar::ui
