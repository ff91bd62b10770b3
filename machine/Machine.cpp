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
std::int64_t& R(RegisterFile& registers, int number)
{
    return registers[static_cast<std::size_t>(number - 1)];
}

// The registers the instruction names: S and Z write their one register, T
// copies its first into its second, J compares its two.
InstructionEffect PlannedEffect(const DecodedInstruction& decoded, std::int64_t pc)
{
    InstructionEffect effect{.decoded = decoded, .kind = ClassifyInstruction(decoded), .executedPC = pc};
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
    registers.fill(0);
    for (std::size_t i = 0; i < registerLines.size(); ++i) {
        if (i >= registers.size()) {
            // The line beyond the register file is left as typed.
            return SetOutcome{registers.size(), RangeCheckError()};
        }
        const std::int64_t value = RegisterLineValue(registerLines[i]);
        registers[i] = value;
        std::string canonical = CanonicalRegisterText(value);
        if (registerLines[i] != canonical) {
            registerLines[i] = std::move(canonical);
        }
        if (!WithinSetLimits(value)) {
            return SetOutcome{i, SetOverflowError()};
        }
    }

    program = ProgramListFromEditorLines(programLines);
    for (std::string& line : program) {
        line = PrepareProgramLine(std::move(line));
    }
    pc = 0;
    stepCount = 0;
    return SetOutcome{registerLines.size(), std::nullopt};
}

void Machine::ClearProgram()
{
    program.clear();
}

bool Machine::CanContinue() const
{
    return pc >= 0 && pc < static_cast<std::int64_t>(program.size());
}

DecodedInstruction Machine::DecodeCurrent() const
{
    return DecodeInstruction(program[static_cast<std::size_t>(pc)], pc, static_cast<std::int32_t>(program.size()));
}

StepOutcome Machine::Apply(const DecodedInstruction& instruction)
{
    StepOutcome outcome{PlannedEffect(instruction, pc), std::nullopt};
    InstructionEffect& effect = outcome.effect;
    if (!CanContinue()) {
        outcome.error = NothingToExecuteError();
        return outcome;
    }
    if (const int missing = MissingRegister(effect)) {
        outcome.error = RegisterNumberError(pc + 1, missing);
        return outcome;
    }

    if (WritesRegister(effect.kind)) {
        effect.oldValue = R(registers, effect.targetRegister);
    }
    switch (effect.kind) {
    case InstructionKind::S:
        if (R(registers, effect.targetRegister) == std::numeric_limits<std::int64_t>::max()) {
            outcome.error = StepOverflowError(pc + 1, effect.targetRegister);
            return outcome;
        }
        effect.newValue = ++R(registers, effect.targetRegister);
        break;
    case InstructionKind::Z:
        effect.newValue = R(registers, effect.targetRegister) = 0;
        break;
    case InstructionKind::T:
        effect.newValue = R(registers, effect.targetRegister) = R(registers, effect.sourceRegister);
        break;
    case InstructionKind::J:
        effect.jumpTaken
            = R(registers, effect.sourceRegister) == R(registers, effect.targetRegister) && instruction.JumpPC >= -1;
        if (effect.jumpTaken) {
            pc = instruction.JumpPC;
        }
        break;
    case InstructionKind::Comment:
    case InstructionKind::NoOp:
        break;
    }

    ++pc;
    if (effect.kind != InstructionKind::Comment) {
        ++stepCount;
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
        R(registers, step.writtenRegister) = step.oldValue;
    }
    pc = step.executedPC;
    if (step.countedAsStep) {
        --stepCount;
    }
}

void Machine::Undo(const LeapUndo& leap)
{
    for (const RegisterValue& old : leap.oldValues) {
        R(registers, old.registerNumber) = old.value;
    }
    pc = leap.headPC;
    stepCount -= leap.steps;
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
