#include "CompiledProgram.h"

#include "DecodeInstruction.h"

#include <cassert>

namespace tessivar {

namespace {

using Op = CompiledProgram::Op;
using OpKind = CompiledProgram::OpKind;

// Values this near the top are left to the machine, which owns the overflow rule.
constexpr std::int64_t kSlowPathValue = kLargestSetValue;

std::uint8_t RegisterIndex(std::int32_t number)
{
    return static_cast<std::uint8_t>(number - 1);
}

Op CompileJump(const DecodedInstruction& decoded, std::int64_t lineCount)
{
    if (decoded.JumpPC < -1) {
        return Op{.kind = OpKind::NoOp};
    }
    const std::int64_t target = std::int64_t{decoded.JumpPC} + 1;
    return Op{.target = static_cast<std::uint32_t>(target),
              .kind = target < lineCount ? OpKind::J : OpKind::JumpOut,
              .first = RegisterIndex(decoded.FirstArg),
              .second = RegisterIndex(decoded.SecondArg)};
}

Op CompileLine(const DecodedInstruction& decoded, std::int64_t lineCount)
{
    const InstructionKind kind = ClassifyInstruction(decoded);
    switch (kind) {
    case InstructionKind::S:
    case InstructionKind::Z:
        if (!IsRegisterNumber(decoded.FirstArg)) {
            return Op{.kind = OpKind::Delegate};
        }
        return Op{.kind = kind == InstructionKind::S ? OpKind::S : OpKind::Z, .first = RegisterIndex(decoded.FirstArg)};
    case InstructionKind::T:
    case InstructionKind::J:
        if (!IsRegisterNumber(decoded.FirstArg) || !IsRegisterNumber(decoded.SecondArg)) {
            return Op{.kind = OpKind::Delegate};
        }
        if (kind == InstructionKind::J) {
            return CompileJump(decoded, lineCount);
        }
        return Op{
            .kind = OpKind::T, .first = RegisterIndex(decoded.FirstArg), .second = RegisterIndex(decoded.SecondArg)};
    case InstructionKind::Comment:
        return Op{.kind = OpKind::Comment};
    case InstructionKind::NoOp:
        break;
    }
    return Op{.kind = OpKind::NoOp};
}

// Runs the ops on the machine's registers in place. The loop keeps PC and its
// counts in locals, so that they stay in processor registers.
class Runner {
public:
    Runner(const std::vector<Op>& ops, Machine& machine)
        : ops_(ops), lineCount_(static_cast<std::int64_t>(ops.size()) - 1), machine_(machine), startStep_(machine.Step)
    {}

    RunOutcome Run(std::uint64_t maxLines)
    {
        const Op* const ops = ops_.data();
        std::int64_t* const reg = machine_.Reg.data();
        bool* const written = outcome_.written.data();
        auto pc = static_cast<std::uint32_t>(machine_.PC);
        std::uint64_t executed = 0; // lines completed, comments included
        std::uint64_t comments = 0;
        for (;; ++executed) {
            const Op op = ops[pc];
            if (executed == maxLines && op.kind != OpKind::Halt) {
                return Finish(RunOutcome::Stop::LineBudget, pc, executed, comments);
            }
            switch (op.kind) {
            case OpKind::S:
                if (reg[op.first] < kSlowPathValue) {
                    ++reg[op.first];
                    written[op.first] = true;
                    ++pc;
                    break;
                }
                [[fallthrough]];
            case OpKind::Delegate:
                if (auto stopped = Delegate(pc, executed, comments)) {
                    return std::move(*stopped);
                }
                pc = static_cast<std::uint32_t>(machine_.PC);
                break;
            case OpKind::Z:
                reg[op.first] = 0;
                written[op.first] = true;
                ++pc;
                break;
            case OpKind::T:
                reg[op.second] = reg[op.first];
                written[op.second] = true;
                ++pc;
                break;
            case OpKind::J:
                pc = reg[op.first] == reg[op.second] ? op.target : pc + 1;
                break;
            case OpKind::JumpOut:
                if (reg[op.first] == reg[op.second]) {
                    return Finish(RunOutcome::Stop::Ended, op.target, executed + 1, comments);
                }
                ++pc;
                break;
            case OpKind::NoOp:
                ++pc;
                break;
            case OpKind::Comment:
                ++comments;
                ++pc;
                break;
            case OpKind::Halt:
                return Finish(RunOutcome::Stop::Ended, pc, executed, comments);
            }
        }
    }

private:
    // Hands the line at `pc` to the machine itself, which then owns its outcome.
    // Returns the finished run when that step failed or ended the program.
    std::optional<RunOutcome> Delegate(std::uint32_t pc, std::uint64_t executed, std::uint64_t comments)
    {
        SyncMachine(pc, executed, comments);
        StepOutcome step = machine_.ExecuteStep();
        if (step.error) {
            outcome_.error = std::move(step.error);
            return Finish(RunOutcome::Stop::Error, pc, executed, comments);
        }
        if (WritesRegister(step.effect.kind)) {
            outcome_.written[RegisterIndex(step.effect.targetRegister)] = true;
        }
        if (machine_.PC >= lineCount_) {
            return Finish(RunOutcome::Stop::Ended, machine_.PC, executed + 1, comments);
        }
        return std::nullopt;
    }

    void SyncMachine(std::int64_t pc, std::uint64_t executed, std::uint64_t comments)
    {
        machine_.PC = pc;
        machine_.Step = startStep_ + static_cast<std::int64_t>(executed - comments);
    }

    RunOutcome Finish(RunOutcome::Stop stop, std::int64_t pc, std::uint64_t executed, std::uint64_t comments)
    {
        SyncMachine(pc, executed, comments);
        outcome_.stop = stop;
        outcome_.executedLines = executed;
        return std::move(outcome_);
    }

    const std::vector<Op>& ops_;
    std::int64_t lineCount_;
    Machine& machine_;
    std::int64_t startStep_;
    RunOutcome outcome_;
};

} // namespace

int RunOutcome::HighestWrittenRegister() const
{
    for (int number = kRegisterCount; number >= 1; --number) {
        if (written[static_cast<std::size_t>(number - 1)]) {
            return number;
        }
    }
    return 0;
}

CompiledProgram::CompiledProgram(const TextLines& Prg)
{
    const auto lineCount = static_cast<std::int32_t>(Prg.size());
    ops_.reserve(Prg.size() + 1);
    for (std::int32_t index = 0; index < lineCount; ++index) {
        const std::string& line = Prg[static_cast<std::size_t>(index)];
        ops_.push_back(CompileLine(DecodeInstruction(line, index, lineCount), lineCount));
    }
    ops_.push_back(Op{.kind = OpKind::Halt});
}

RunOutcome CompiledProgram::Run(Machine& machine, std::uint64_t maxLines) const
{
    assert(machine.Prg.size() + 1 == ops_.size());
    if (!machine.CanContinue()) {
        return RunOutcome{};
    }
    return Runner(ops_, machine).Run(maxLines);
}

void UpdateRegisterPanel(TextLines& panelLines, const RunOutcome& run, const RegisterFile& Reg)
{
    for (int number = 1; number <= kRegisterCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (run.written[index]) {
            UpdateRegisterPanel(panelLines, number, Reg[index]);
        }
    }
}

} // namespace tessivar
