#include "Machine.h"

#include "RegisterText.h"
#include "StepHistory.h"

namespace tessivar {

namespace {

bool WithinSetLimits(std::int64_t value)
{
    return value <= kLargestSetValue && value >= -kLargestSetValue;
}

// Register R(number), 1-based.
std::int64_t& R(RegisterFile& Reg, int number)
{
    return Reg[static_cast<std::size_t>(number - 1)];
}

// The registers the instruction names: S and Z write their one register, T
// copies its first into its second, J compares its two.
InstructionEffect PlannedEffect(const DecodedInstruction& decoded, std::int64_t PC)
{
    InstructionEffect effect{.decoded = decoded, .kind = ClassifyInstruction(decoded), .executedPC = PC};
    switch (effect.kind) {
    case InstructionKind::S:
    case InstructionKind::Z:
        effect.targetRegister = decoded.FirstArg;
        break;
    case InstructionKind::T:
    case InstructionKind::J:
        effect.sourceRegister = decoded.FirstArg;
        effect.targetRegister = decoded.SecondArg;
        break;
    case InstructionKind::Comment:
    case InstructionKind::NoOp:
        break;
    }
    return effect;
}

// The first register named that lies outside the register file, or 0.
int MissingRegister(const InstructionEffect& effect)
{
    for (const int number : {effect.sourceRegister, effect.targetRegister}) {
        if (number != 0 && !IsRegisterNumber(number)) {
            return number;
        }
    }
    return 0;
}

} // namespace

SetOutcome Machine::Set(TextLines& registerLines, const TextLines& programLines)
{
    Reg.fill(0);
    for (std::size_t i = 0; i < registerLines.size(); ++i) {
        if (i >= Reg.size()) {
            // The line beyond the register file is left as typed.
            return SetOutcome{Reg.size(), RangeCheckError()};
        }
        const std::int64_t value = RegisterLineValue(registerLines[i]);
        Reg[i] = value;
        std::string canonical = CanonicalRegisterText(value);
        if (registerLines[i] != canonical) {
            registerLines[i] = std::move(canonical);
        }
        if (!WithinSetLimits(value)) {
            return SetOutcome{i, SetOverflowError()};
        }
    }

    Prg = ProgramListFromEditorLines(programLines);
    for (std::string& line : Prg) {
        line = PrepareProgramLine(std::move(line));
    }
    PC = 0;
    Step = 0;
    return SetOutcome{registerLines.size(), std::nullopt};
}

void Machine::ClearProgram()
{
    Prg.clear();
}

bool Machine::CanContinue() const
{
    return PC >= 0 && PC < static_cast<std::int64_t>(Prg.size());
}

DecodedInstruction Machine::DecodeCurrent() const
{
    return DecodeInstruction(Prg[static_cast<std::size_t>(PC)], PC, static_cast<std::int32_t>(Prg.size()));
}

StepOutcome Machine::Apply(const DecodedInstruction& instruction)
{
    StepOutcome outcome{PlannedEffect(instruction, PC), std::nullopt};
    InstructionEffect& effect = outcome.effect;
    if (!CanContinue()) {
        outcome.error = NothingToExecuteError();
        return outcome;
    }
    if (const int missing = MissingRegister(effect)) {
        outcome.error = RegisterNumberError(PC + 1, missing);
        return outcome;
    }

    if (WritesRegister(effect.kind)) {
        effect.oldValue = R(Reg, effect.targetRegister);
    }
    switch (effect.kind) {
    case InstructionKind::S:
        if (R(Reg, effect.targetRegister) == std::numeric_limits<std::int64_t>::max()) {
            outcome.error = StepOverflowError(PC + 1, effect.targetRegister);
            return outcome;
        }
        effect.newValue = ++R(Reg, effect.targetRegister);
        break;
    case InstructionKind::Z:
        effect.newValue = R(Reg, effect.targetRegister) = 0;
        break;
    case InstructionKind::T:
        effect.newValue = R(Reg, effect.targetRegister) = R(Reg, effect.sourceRegister);
        break;
    case InstructionKind::J:
        effect.jumpTaken = R(Reg, effect.sourceRegister) == R(Reg, effect.targetRegister) && instruction.JumpPC >= -1;
        if (effect.jumpTaken) {
            PC = instruction.JumpPC;
        }
        break;
    case InstructionKind::Comment:
    case InstructionKind::NoOp:
        break;
    }

    ++PC;
    if (effect.kind != InstructionKind::Comment) {
        ++Step;
    }
    return outcome;
}

StepOutcome Machine::ExecuteStep()
{
    if (!CanContinue()) {
        return StepOutcome{InstructionEffect{}, NothingToExecuteError()};
    }
    return Apply(DecodeCurrent());
}

UndoRecord UndoRecord::Of(const InstructionEffect& effect)
{
    return {.executedPC = effect.executedPC,
            .oldValue = effect.oldValue,
            .writtenRegister = WritesRegister(effect.kind) ? effect.targetRegister : 0,
            .countedAsStep = effect.kind != InstructionKind::Comment};
}

void Machine::Undo(const UndoRecord& step)
{
    if (step.writtenRegister != 0) {
        R(Reg, step.writtenRegister) = step.oldValue;
    }
    PC = step.executedPC;
    if (step.countedAsStep) {
        --Step;
    }
}

void Machine::Undo(const LeapUndo& leap)
{
    for (const RegisterValue& old : leap.oldValues) {
        R(Reg, old.registerNumber) = old.value;
    }
    PC = leap.headPC;
    Step -= leap.steps;
}

void UpdateRegisterPanel(TextLines& panelLines, int registerNumber, std::int64_t value)
{
    if (panelLines.size() < static_cast<std::size_t>(registerNumber)) {
        panelLines.resize(static_cast<std::size_t>(registerNumber), "0");
    }
    panelLines[static_cast<std::size_t>(registerNumber - 1)] = CanonicalRegisterText(value);
}

void UpdateRegisterPanel(TextLines& panelLines, const InstructionEffect& effect)
{
    if (WritesRegister(effect.kind)) {
        UpdateRegisterPanel(panelLines, effect.targetRegister, effect.newValue);
    }
}

bool WritesRegister(InstructionKind kind)
{
    return kind == InstructionKind::S || kind == InstructionKind::Z || kind == InstructionKind::T;
}

InstructionKind ClassifyInstruction(const DecodedInstruction& decoded)
{
    const std::string& mnemonic = decoded.Mnemonic;
    const bool hasFirst = decoded.FirstArg >= 1;
    const bool hasBoth = hasFirst && decoded.SecondArg >= 1;
    if (mnemonic == "s" && hasFirst) {
        return InstructionKind::S;
    }
    if (mnemonic == "z" && hasFirst) {
        return InstructionKind::Z;
    }
    if (mnemonic == "t" && hasBoth) {
        return InstructionKind::T;
    }
    if (mnemonic == "j" && hasBoth) {
        return InstructionKind::J;
    }
    return decoded.IsComment ? InstructionKind::Comment : InstructionKind::NoOp;
}

} // namespace tessivar
