#include "CompiledProgram.h"

#include "DecodeInstruction.h"
#include "LoopSummary.h"
#include "StepHistory.h"

#include <algorithm>

#include <cassert>

namespace tessivar {

namespace {

using compiled::Op;
using compiled::OpKind;

// Values this near the top are left to the machine, which owns the overflow rule.
constexpr std::int64_t kSlowPathValue = kLargestSetValue;

// A loop that could not be summarised is tried again less and less often, so
// that such loops cost next to nothing: the search for a summary costs a few
// dozen lines' time per line it follows, and it follows about as many lines
// as the loop runs between two tries. A search that follows more lines than
// kCostPerWait, seeking a long period, waits as much longer at most.
constexpr std::uint32_t kLongestWait = (1U << 14) - 1;
constexpr std::uint64_t kCostPerWait = 64;

// Long periods, whose search follows many more lines, are sought only for a
// loop whose searches found nothing rewarding five times in a row, some 60
// passes: one that runs long, not one of a few dozen passes.
constexpr std::uint32_t kLongSearchAfter = 31;

std::uint32_t LongestWait(std::uint64_t cost)
{
    return kLongestWait * static_cast<std::uint32_t>(std::max<std::uint64_t>(1, cost / kCostPerWait));
}

// A leap pays for its search once it skips this many lines per line the
// search followed, and some for the summary itself; loops whose leaps save
// less are tried less and less often, like loops that cannot be summarised.
constexpr StepCount kRewardPerCost = 32;
constexpr StepCount kRewardFixed = 256;

bool Rewarding(const Leap& leap)
{
    return leap.passes > 0 && leap.lines >= kRewardPerCost * leap.cost + kRewardFixed;
}

// A run that may be cancelled looks at its flag at least this often: well
// under a millisecond of lines.
constexpr std::uint64_t kCancelCheckLines = std::uint64_t{1} << 18;

// The run loop counts the lines to its next pause in 64 bits.
constexpr std::uint64_t kLongestStretch = std::uint64_t{1} << 62;

// Summaries keep the step count below this, so that no number of lines run
// one by one after them can take it past its largest value.
constexpr StepCount kLeapCeiling = kLargestStepCount / 2;

std::uint8_t RegisterIndex(std::int32_t number)
{
    return static_cast<std::uint8_t>(number - 1);
}

OpKind JumpKind(std::int64_t target, std::int32_t index, std::int64_t lineCount, LoopAcceleration acceleration)
{
    if (target >= lineCount) {
        return OpKind::JumpOut;
    }
    return acceleration == LoopAcceleration::On && target <= index ? OpKind::LoopJ : OpKind::J;
}

Op CompileJump(const DecodedInstruction& decoded, std::int32_t index, std::int64_t lineCount,
               LoopAcceleration acceleration)
{
    if (decoded.JumpPC < -1) {
        return Op{.kind = OpKind::NoOp};
    }
    const std::int64_t target = std::int64_t{decoded.JumpPC} + 1;
    return Op{.target = static_cast<std::uint32_t>(target),
              .kind = JumpKind(target, index, lineCount, acceleration),
              .first = RegisterIndex(decoded.FirstArg),
              .second = RegisterIndex(decoded.SecondArg)};
}

Op CompileLine(const DecodedInstruction& decoded, std::int32_t index, std::int64_t lineCount,
               LoopAcceleration acceleration)
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
            return CompileJump(decoded, index, lineCount, acceleration);
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

// How long a loop's jump back waits before its loop is summarised again.
struct Backoff {
    std::uint32_t wait = 0; // jumps back still to let pass
    std::uint32_t length = 0; // the wait after the next unrewarding try
};

// Runs the ops on the machine's registers in place. The loop keeps pc, its
// counts and the history's line writer in locals, so that they stay in
// processor registers, and leaves everything rare to functions that are not
// inlined into it. `kRecording` runs keep every line and leap in the history.
template <bool kRecording> class Runner {
public:
    Runner(const std::vector<Op>& ops, Machine& machine, const RunLimits& limits)
        : ops_(ops),
          lineCount_(static_cast<std::int64_t>(ops.size()) - 1),
          machine_(machine),
          startStep_(machine.stepCount),
          budget_(limits.maxLines),
          progress_(limits.progress),
          cancel_(limits.cancel),
          history_(limits.history),
          loops_(ops),
          backoffs_(ops.size())
    {}

    RunOutcome Run()
    {
        const Op* const ops = ops_.data();
        std::int64_t* const reg = machine_.registers.data();
        bool* const written = outcome_.written.data();
        auto pc = static_cast<std::size_t>(machine_.pc);
        StepCount comments = 0;
        StepHistory::LineWriter lines = Resume();
        // Lines to run before the next pause; pause_ - left lines have run. A
        // 64-bit pc spares the loop widening it for every index.
        std::uint64_t left = PauseAfter(0);
        for (;; --left) {
            // The line is read after the pause, so that its fields need not outlive a call.
            if (left == 0 && ops[pc].kind != OpKind::Halt) {
                if (pause_ == budget_) {
                    return Finish(RunOutcome::Stop::LineBudget, pc, pause_, comments, lines);
                }
                if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) {
                    return Finish(RunOutcome::Stop::Cancelled, pc, pause_, comments, lines);
                }
                left = Report(comments);
            }
            const Op& op = ops[pc];
            switch (op.kind) {
            case OpKind::S:
                if (reg[op.first] < kSlowPathValue) {
                    Record(lines, pc, op.first + 1, reg[op.first]);
                    ++reg[op.first];
                    written[op.first] = true;
                    ++pc;
                    break;
                }
                [[fallthrough]];
            case OpKind::Delegate:
                if (auto stopped = Delegate(pc, pause_ - left, comments, lines)) {
                    return std::move(*stopped);
                }
                lines = Resume();
                pc = static_cast<std::size_t>(machine_.pc);
                break;
            case OpKind::Z:
                Record(lines, pc, op.first + 1, reg[op.first]);
                reg[op.first] = 0;
                written[op.first] = true;
                ++pc;
                break;
            case OpKind::T:
                Record(lines, pc, op.second + 1, reg[op.second]);
                reg[op.second] = reg[op.first];
                written[op.second] = true;
                ++pc;
                break;
            case OpKind::J:
                Record(lines, pc);
                pc = reg[op.first] == reg[op.second] ? op.target : pc + 1;
                break;
            case OpKind::LoopJ:
                Record(lines, pc);
                if (reg[op.first] != reg[op.second]) {
                    ++pc;
                    break;
                }
                if (Backoff& backoff = backoffs_[pc]; backoff.wait == 0) {
                    const LeapTaken leap = TryLeap(pc, op.target, left, comments, lines);
                    left = leap.left;
                    comments += leap.comments;
                } else {
                    --backoff.wait;
                }
                pc = op.target;
                break;
            case OpKind::JumpOut:
                Record(lines, pc);
                if (reg[op.first] == reg[op.second]) {
                    return Finish(RunOutcome::Stop::Ended, op.target, pause_ - left + 1, comments, lines);
                }
                ++pc;
                break;
            case OpKind::NoOp:
                Record(lines, pc);
                ++pc;
                break;
            case OpKind::Comment:
                Record(lines, pc, 0, 0, false);
                ++comments;
                ++pc;
                break;
            case OpKind::Stop:
                if (pause_ != left) {
                    return Finish(RunOutcome::Stop::StopLine, pc, pause_ - left, comments, lines);
                }
                // The run's first line: the machine carries it out as written.
                if (auto stopped = Delegate(pc, 0, comments, lines)) {
                    return std::move(*stopped);
                }
                lines = Resume();
                pc = static_cast<std::size_t>(machine_.pc);
                break;
            case OpKind::Halt:
                return Finish(RunOutcome::Stop::Ended, pc, pause_ - left, comments, lines);
            }
        }
    }

private:
    // The run loop's count of lines to the next pause, and the comments skipped.
    struct LeapTaken {
        std::uint64_t left;
        StepCount comments;
    };

    // Keeps the line at `pc` for step back. `writtenRegister` is 1-based, 0 for none.
    static void Record(StepHistory::LineWriter& lines, std::size_t pc, int writtenRegister = 0,
                       std::int64_t oldValue = 0, bool countedAsStep = true)
    {
        if constexpr (kRecording) {
            lines.Write(pc, writtenRegister, oldValue, countedAsStep);
        }
    }

    // The history's writer, for the run loop to take up again after a call
    // out of it has recorded a line itself.
    StepHistory::LineWriter Resume() const
    {
        if constexpr (kRecording) {
            return history_->Writer();
        }
        return {};
    }

    // Hands the run loop's lines to the history, before anything else records.
    void Commit(StepHistory::LineWriter lines) const
    {
        if constexpr (kRecording) {
            history_->Commit(lines);
        }
    }

    // Sets the next pause (the budget's end, the next progress report or a
    // look at the cancel flag) once `executed` lines have run; returns the
    // lines until then.
    std::uint64_t PauseAfter(StepCount executed)
    {
        std::uint64_t every = kLongestStretch;
        if (progress_ != nullptr) {
            every = std::clamp<std::uint64_t>(progress_->everyLines, 1, every);
        }
        if (cancel_ != nullptr) {
            every = std::min(every, kCancelCheckLines);
        }
        if (budget_ && *budget_ - executed < every) {
            every = static_cast<std::uint64_t>(*budget_ - executed);
        }
        pause_ = executed + every;
        return every;
    }

    [[gnu::noinline]] std::uint64_t Report(StepCount comments)
    {
        if (progress_ != nullptr) {
            progress_->report(StepAt(pause_, comments));
        }
        return PauseAfter(pause_);
    }

    StepCount StepAt(StepCount executed, StepCount comments) const { return startStep_ + executed - comments; }

    // At the head of a loop, after its jump back at `jumpPC` ran with `left`
    // lines to the pause: skips what iterations it can. A leap past a progress
    // report makes the report due after the jump.
    [[gnu::noinline]] LeapTaken TryLeap(std::size_t jumpPC, std::uint32_t head, std::uint64_t left, StepCount comments,
                                        StepHistory::LineWriter lines)
    {
        const StepCount executed = pause_ - left + 1;
        const LeapRoom room{.lines = budget_ ? *budget_ - executed : kLeapCeiling,
                            .steps = std::max(kLeapCeiling - StepAt(executed, comments), StepCount{0})};
        std::vector<RegisterValue> oldValues;
        Backoff& backoff = backoffs_[jumpPC];
        const Leap leap = loops_.Apply(head, machine_.registers.data(), outcome_.written.data(), room,
                                       kRecording ? &oldValues : nullptr, backoff.length >= kLongSearchAfter);
        if constexpr (kRecording) {
            if (leap.passes > 0) {
                Commit(lines);
                history_->RecordLeap(
                    LeapUndo{.headPC = head, .steps = leap.lines - leap.comments, .oldValues = std::move(oldValues)});
            }
        }
        outcome_.summarisedLines += leap.lines;
        backoff.length = Rewarding(leap) ? 0 : std::min(2 * backoff.length + 1, LongestWait(leap.cost));
        backoff.wait = backoff.length;
        if (leap.lines < left) {
            return {left - static_cast<std::uint64_t>(leap.lines), leap.comments};
        }
        pause_ = executed + leap.lines;
        return {1, leap.comments};
    }

    // Hands the line at `pc` to the machine itself, which then owns its outcome,
    // and counts it in `comments` if it is one. Returns the finished run when
    // that step failed or ended the program.
    [[gnu::noinline]] std::optional<RunOutcome> Delegate(std::size_t pc, StepCount executed, StepCount& comments,
                                                         StepHistory::LineWriter lines)
    {
        Commit(lines);
        SyncMachine(pc, executed, comments);
        StepOutcome step = machine_.ExecuteStep();
        if (step.error) {
            outcome_.error = std::move(step.error);
            return Finish(RunOutcome::Stop::Error, pc, executed, comments, lines);
        }
        if constexpr (kRecording) {
            history_->Record(UndoRecord::Of(step.effect));
        }
        if (WritesRegister(step.effect.kind)) {
            outcome_.written[RegisterIndex(step.effect.targetRegister)] = true;
        }
        if (step.effect.kind == InstructionKind::Comment) {
            ++comments;
        }
        if (machine_.pc >= lineCount_) {
            return Finish(RunOutcome::Stop::Ended, static_cast<std::size_t>(machine_.pc), executed + 1, comments,
                          Resume());
        }
        return std::nullopt;
    }

    void SyncMachine(std::size_t pc, StepCount executed, StepCount comments)
    {
        machine_.pc = static_cast<std::int64_t>(pc);
        machine_.stepCount = StepAt(executed, comments);
    }

    [[gnu::noinline]] RunOutcome Finish(RunOutcome::Stop stop, std::size_t pc, StepCount executed, StepCount comments,
                                        StepHistory::LineWriter lines)
    {
        Commit(lines);
        SyncMachine(pc, executed, comments);
        outcome_.stop = stop;
        outcome_.executedLines = executed;
        return std::move(outcome_);
    }

    const std::vector<Op>& ops_;
    std::int64_t lineCount_;
    Machine& machine_;
    StepCount startStep_;
    std::optional<StepCount> budget_;
    const RunProgress* progress_;
    const std::atomic<bool>* cancel_;
    StepHistory* history_;
    StepCount pause_ = 0; // lines run at the next pause
    LoopSummary loops_;
    std::vector<Backoff> backoffs_; // one per line
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

CompiledProgram::CompiledProgram(const TextLines& program, LoopAcceleration acceleration)
{
    const auto lineCount = static_cast<std::int32_t>(program.size());
    ops_.reserve(program.size() + 1);
    for (std::int32_t index = 0; index < lineCount; ++index) {
        const std::string& line = program[static_cast<std::size_t>(index)];
        ops_.push_back(CompileLine(DecodeInstruction(line, index, lineCount), index, lineCount, acceleration));
    }
    ops_.push_back(Op{.kind = OpKind::Halt});
}

RunOutcome CompiledProgram::Run(Machine& machine, const RunLimits& limits) const
{
    assert(machine.program.size() + 1 == ops_.size());
    if (!machine.CanContinue()) {
        return RunOutcome{};
    }
    std::vector<Op> withStops;
    if (!limits.stopLines.empty()) {
        withStops = ops_;
        for (const std::int64_t line : limits.stopLines) {
            if (line >= 0 && line + 1 < static_cast<std::int64_t>(withStops.size())) {
                withStops[static_cast<std::size_t>(line)].kind = OpKind::Stop;
            }
        }
    }
    const std::vector<Op>& ops = limits.stopLines.empty() ? ops_ : withStops;
    if (limits.history != nullptr) {
        return Runner<true>(ops, machine, limits).Run();
    }
    return Runner<false>(ops, machine, limits).Run();
}

void UpdateRegisterPanel(TextLines& panelLines, const RunOutcome& run, const RegisterFile& registers)
{
    for (int number = 1; number <= kRegisterCount; ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        if (run.written[index]) {
            UpdateRegisterPanel(panelLines, number, registers[index]);
        }
    }
}

} // namespace tessivar
