#pragma once

#include "Machine.h"
#include "MachineError.h"
#include "ProgramText.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace tessivar {

inline constexpr std::uint64_t kUnlimitedLines = std::numeric_limits<std::uint64_t>::max();

// How a run of many steps ended, and what it wrote.
struct RunOutcome {
    enum class Stop {
        Ended, // PC reached or passed the end of the program
        LineBudget, // the allowed number of lines ran without the program ending
        Error, // the line at PC could not be carried out; `error` says why
    };
    Stop stop = Stop::Ended;
    std::uint64_t executedLines = 0; // completed lines, comment lines included
    std::array<bool, kRegisterCount> written{}; // entry k-1: a step wrote R(k)
    std::optional<MachineError> error;

    // 1-based number of the highest register written, 0 when none was.
    int HighestWrittenRegister() const;
};

// A program translated once into a compact form that runs many steps quickly,
// with exactly the effect of calling Machine::ExecuteStep that many times.
class CompiledProgram {
public:
    // `Prg` is the prepared program list, as Machine::Set leaves it.
    explicit CompiledProgram(const TextLines& Prg);

    // Runs `machine`, which must hold the program compiled here, from its PC
    // until the program ends, a line cannot be carried out, or `maxLines`
    // lines have run. Registers, PC and Step end as the steps would leave them.
    RunOutcome Run(Machine& machine, std::uint64_t maxLines = kUnlimitedLines) const;

    enum class OpKind : std::uint8_t {
        S,
        Z,
        T,
        J, // a jump whose target lies inside the program
        JumpOut, // a jump whose target ends the program
        NoOp, // includes jumps that are never taken
        Comment,
        Delegate, // a line only Machine::ExecuteStep may carry out (registers above 256)
        Halt, // one past the last line
    };

    struct Op {
        std::uint32_t target = 0; // PC after a taken jump (JumpPC + 1)
        OpKind kind = OpKind::NoOp;
        std::uint8_t first = 0; // 0-based register: S, Z, T source, J left side
        std::uint8_t second = 0; // 0-based register: T destination, J right side
    };

private:
    std::vector<Op> ops_; // one per line, then Halt
};

// Rewrites the register panel as the steps of `run` would have left it.
void UpdateRegisterPanel(TextLines& panelLines, const RunOutcome& run, const RegisterFile& Reg);

} // namespace tessivar
