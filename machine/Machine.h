#pragma once

#include "DecodeInstruction.h"
#include "MachineError.h"
#include "ProgramText.h"
#include "StepCount.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace tessivar {

inline constexpr int kRegisterCount = 256;
using RegisterFile = std::array<std::int64_t, kRegisterCount>;

// Instructions may name any 32-bit number; only R(1) to R(256) exist.
constexpr bool IsRegisterNumber(std::int64_t number)
{
    return number >= 1 && number <= kRegisterCount;
}

// Set refuses values nearer the 64-bit limits: the ball slots of a register are
// addressed by value + slot index - 200, with slot indexes 0 to 199, so the
// largest value is 2^63 - 200 and the smallest -(2^63 - 200).
inline constexpr std::int64_t kLargestSetValue = std::numeric_limits<std::int64_t>::max() - 199;

enum class InstructionKind { S, Z, T, J, Comment, NoOp };

// What one completed step did; the step animation is started from this.
struct InstructionEffect {
    DecodedInstruction decoded{};
    InstructionKind kind = InstructionKind::NoOp;
    std::int64_t executedPC = 0; // index of the line that ran
    int sourceRegister = 0; // 1-based: T's m, J's m; 0 otherwise
    int targetRegister = 0; // 1-based: the register S, Z, T wrote, J's n; 0 otherwise
    std::int64_t newValue = 0; // the value written (S, Z, T)
    std::int64_t oldValue = 0; // what the written register held before (S, Z, T)
    bool jumpTaken = false;
};

// A register by its 1-based number, and a value it held.
struct RegisterValue {
    int registerNumber = 0;
    std::int64_t value = 0;
};

// What undoing a completed step needs, in 24 bytes.
struct UndoRecord {
    std::int64_t executedPC = 0;
    std::int64_t oldValue = 0; // of the written register
    int writtenRegister = 0; // 1-based; 0: none
    bool countedAsStep = true; // every line but a comment

    static UndoRecord Of(const InstructionEffect& effect);
};

struct StepOutcome {
    // On error: the instruction that was refused, with its registers named.
    InstructionEffect effect;
    std::optional<MachineError> error; // set: nothing changed
};

struct SetOutcome {
    // Registers 0 .. loadedRegisters-1 hold their new values and may be shown;
    // on an overflow error the offending register is stored but not counted.
    std::size_t loadedRegisters = 0;
    std::optional<MachineError> error; // set: program, pc and stepCount untouched
};

struct LeapUndo;

// The register machine's whole state and its operations. Pure C++: the window
// feeds it editor lines and shows what it reports.
class Machine {
public:
    RegisterFile registers{};
    TextLines program; // the prepared lines Set loaded from the program editor
    std::int64_t pc = 0; // index of the line to run next
    StepCount stepCount = 0; // executed lines since Set, comment lines not counted

    // Loads the registers from the register editor's lines, rewriting each line
    // in canonical form, then the program from the program editor's lines, and
    // resets pc and stepCount.
    SetOutcome Set(TextLines& registerLines, const TextLines& programLines);

    // Empties the program list (New, Open): nothing runs until the next Set.
    void ClearProgram();

    // There is a line at pc.
    bool CanContinue() const;

    // The decoded line at pc; requires CanContinue().
    DecodedInstruction DecodeCurrent() const;

    // Applies the decoded line at pc: registers, then pc and stepCount. Refused when
    // the machine cannot continue, when a register above 256 is named, and for S
    // on a register at the 64-bit maximum; on error nothing changes.
    StepOutcome Apply(const DecodedInstruction& instruction);

    // Guard, decode and apply: the machine part of one step.
    StepOutcome ExecuteStep();

    // Puts back the state from before a completed step.
    void Undo(const UndoRecord& step);
    // Puts back the state at the entry of a loop whose iterations were
    // applied at once.
    void Undo(const LeapUndo& leap);
};

// Register-panel update: appends "0" lines up to `registerNumber`, then rewrites
// that line with the register's canonical text.
void UpdateRegisterPanel(TextLines& panelLines, int registerNumber, std::int64_t value);

// Which of the four instructions a decoded line is, with its argument conditions;
// otherwise a comment or a no-op line.
InstructionKind ClassifyInstruction(const DecodedInstruction& decoded);

// S, Z and T write their target register; J, comments and no-op lines write none.
bool WritesRegister(InstructionKind kind);

// The panel update of one completed step: the written register's line, if any.
void UpdateRegisterPanel(TextLines& panelLines, const InstructionEffect& effect);

} // namespace tessivar
