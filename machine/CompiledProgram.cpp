#include "CompiledProgram.h"

#include "DecodeInstruction.h"

#include <cassert>

namespace tessivar {

namespace {

using Op = CompiledProgram::Op;
using OpKind = CompiledProgram::OpKind;

// Values this near the top are left to the machine, which owns the overflow rule.
constexpr std::int64_t kSlowPathValue = kLargestSetValue;

bool IsRegisterNumber(std::int32_t number) { return number >= 1 && number <= kRegisterCount; }

std::uint8_t RegisterIndex(std::int32_t number) { return static_cast<std::uint8_t>(number - 1); }

Op CompileJump(const DecodedInstruction& decoded, std::int64_t lineCount) {
    if (decoded.JumpPC < -1) {
        return Op{.kind = OpKind::NoOp};
    }
    const std::int64_t target = std::int64_t{decoded.JumpPC} + 1;
    return Op{.target = static_cast<std::uint32_t>(target),
              .kind = target < lineCount ? OpKind::J : OpKind::JumpOut,
              .first = RegisterIndex(decoded.FirstArg),
              .second = RegisterIndex(decoded.SecondArg)};
}

Op CompileLine(const DecodedInstruction& decoded, std::int64_t lineCount) {
    const std::string& mnemonic = decoded.Mnemonic;
    const bool oneRegister = (mnemonic == "s" || mnemonic == "z") && decoded.FirstArg >= 1;
    const bool twoRegisters =
        (mnemonic == "t" || mnemonic == "j") && decoded.FirstArg >= 1 && decoded.SecondArg >= 1;
    if (oneRegister) {
        if (!IsRegisterNumber(decoded.FirstArg)) {
            return Op{.kind = OpKind::Delegate};
        }
        return Op{.kind = mnemonic == "s" ? OpKind::S : OpKind::Z, .first = RegisterIndex(decoded.FirstArg)};
    }
    if (twoRegisters) {
        if (!IsRegisterNumber(decoded.FirstArg) || !IsRegisterNumber(decoded.SecondArg)) {
            return Op{.kind = OpKind::Delegate};
        }
        if (mnemonic == "j") {
            return CompileJump(decoded, lineCount);
        }
        return Op{.kind = OpKind::T,
                  .first = RegisterIndex(decoded.FirstArg),
                  .second = RegisterIndex(decoded.SecondArg)};
    }
    return Op{.kind = decoded.IsComment ? OpKind::Comment : OpKind::NoOp};
}

// The interpreter's working state; registers are written in place.
class Runner {
public:
    Runner(const std::vector<Op>& ops, Machine& machine)
        : ops_(ops.data()), lineCount_(static_cast<std::int64_t>(ops.size()) - 1), machine_(machine),
          reg_(machine.Reg.data()),
          pc_(static_cast<std::uint32_t>(machine.PC)), startStep_(machine.Step) {}

    RunOutcome Run(std::uint64_t maxLines) {
        for (;; ++executed_) {
            const Op op = ops_[pc_];
            if (executed_ == maxLines && op.kind != OpKind::Halt) {
                return Finish(RunOutcome::Stop::LineBudget, pc_);
            }
            switch (op.kind) {
            case OpKind::S:
                if (reg_[op.first] >= kSlowPathValue) {
                    if (auto stopped = Delegate()) {
                        return std::move(*stopped);
                    }
                    break;
                }
                ++reg_[op.first];
                Wrote(op.first);
                ++pc_;
                break;
            case OpKind::Z:
                reg_[op.first] = 0;
                Wrote(op.first);
                ++pc_;
                break;
            case OpKind::T:
                reg_[op.second] = reg_[op.first];
                Wrote(op.second);
                ++pc_;
                break;
            case OpKind::J:
                pc_ = reg_[op.first] == reg_[op.second] ? op.target : pc_ + 1;
                break;
            case OpKind::JumpOut:
                if (reg_[op.first] == reg_[op.second]) {
                    ++executed_;
                    return Finish(RunOutcome::Stop::Ended, op.target);
                }
                ++pc_;
                break;
            case OpKind::NoOp:
                ++pc_;
                break;
            case OpKind::Comment:
                ++comments_;
                ++pc_;
                break;
            case OpKind::Delegate:
                if (auto stopped = Delegate()) {
                    return std::move(*stopped);
                }
                break;
            case OpKind::Halt:
                return Finish(RunOutcome::Stop::Ended, pc_);
            }
        }
    }

private:
    void Wrote(std::uint8_t index) { outcome_.written[index] = true; }

    void SyncMachine(std::int64_t pc) {
        machine_.PC = pc;
        machine_.Step = startStep_ + static_cast<std::int64_t>(executed_ - comments_);
    }

    // Hands the line at PC to the machine itself, which then owns its outcome.
    // Returns the finished run when that step failed or ended the program.
    std::optional<RunOutcome> Delegate() {
        SyncMachine(pc_);
        StepOutcome step = machine_.ExecuteStep();
        if (step.error) {
            outcome_.error = std::move(step.error);
            return Finish(RunOutcome::Stop::Error, pc_);
        }
        if (WritesRegister(step.effect.kind)) {
            Wrote(RegisterIndex(step.effect.targetRegister));
        }
        if (machine_.PC >= lineCount_) {
            ++executed_;
            return Finish(RunOutcome::Stop::Ended, machine_.PC);
        }
        pc_ = static_cast<std::uint32_t>(machine_.PC);
        return std::nullopt;
    }

    RunOutcome Finish(RunOutcome::Stop stop, std::int64_t pc) {
        SyncMachine(pc);
        outcome_.stop = stop;
        outcome_.executedLines = executed_;
        return std::move(outcome_);
    }

    const Op* ops_;
    std::int64_t lineCount_;
    Machine& machine_;
    std::int64_t* reg_;
    std::uint32_t pc_;
    std::int64_t startStep_;
    std::uint64_t executed_ = 0;
    std::uint64_t comments_ = 0;
    RunOutcome outcome_;
};

} // namespace

int RunOutcome::HighestWrittenRegister() const {
    for (int number = kRegisterCount; number >= 1; --number) {
        if (written[static_cast<std::size_t>(number - 1)]) {
            return number;
        }
    }
    return 0;
}

CompiledProgram::CompiledProgram(const TextLines& Prg) {
    const auto lineCount = static_cast<std::int32_t>(Prg.size());
    ops_.reserve(Prg.size() + 1);
    for (std::int32_t index = 0; index < lineCount; ++index) {
        const std::string& line = Prg[static_cast<std::size_t>(index)];
        ops_.push_back(CompileLine(DecodeInstruction(line, index, lineCount), lineCount));
    }
    ops_.push_back(Op{.kind = OpKind::Halt});
}

RunOutcome CompiledProgram::Run(Machine& machine, std::uint64_t maxLines) const {
    assert(machine.Prg.size() + 1 == ops_.size());
    if (!machine.CanContinue()) {
        return RunOutcome{};
    }
    return Runner(ops_, machine).Run(maxLines);
}

void UpdateRegisterPanel(TextLines& panelLines, const RunOutcome& run, const RegisterFile& Reg) {
    for (int number = 1; number <= kRegisterCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (run.written[index]) {
            UpdateRegisterPanel(panelLines, number, Reg[index]);
        }
    }
}

} // namespace tessivar
