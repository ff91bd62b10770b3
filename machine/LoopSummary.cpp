#include "LoopSummary.h"

#include <algorithm>
#include <limits>

namespace tessivar {

namespace {

using compiled::Op;
using compiled::OpKind;

__extension__ typedef __int128 Wide;

constexpr Wide kLargest = std::numeric_limits<std::int64_t>::max();

// Longer paths are rare in loops worth summarising, and tracing them costs more.
constexpr std::uint64_t kLongestPath = 128;

// A loop that leaves does so within this many iterations, since its values
// are 64-bit; one that never leaves is skipped this many at a time.
constexpr Wide kMostIterations = Wide{1} << 64;

// Fewer iterations run faster line by line than through a summary.
constexpr std::uint64_t kFewestIterations = 4;

} // namespace

LoopSummary::LoopSummary(std::span<const Op> ops) : ops_(ops)
{}

Leap LoopSummary::Apply(std::uint32_t head, std::int64_t* reg, bool* written, LeapRoom room,
                        std::vector<RegisterValue>* oldValues)
{
    Leap leap;
    if (Trace(head, reg) && FindSlopes() && IsSteady(reg)) {
        const StepCount iterations = Iterations(reg, room);
        if (iterations >= kFewestIterations) {
            for (const std::uint8_t index : writtenRegisters_) {
                if (oldValues != nullptr && slope_[index] != 0) {
                    oldValues->push_back({.registerNumber = index + 1, .value = reg[index]});
                }
                reg[index] = static_cast<std::int64_t>(reg[index] + Wide{slope_[index]} * iterations);
                written[index] = true;
            }
            leap = {iterations, iterations * lines_, iterations * comments_};
        }
    }
    Forget();
    return leap;
}

// Follows the lines from `head` as they would run now, until the path is back
// at `head`; fails on a line that leaves the loop or that the machine must run.
bool LoopSummary::Trace(std::uint32_t head, const std::int64_t* reg)
{
    const auto value = [reg](Affine a) { return a.base == kConstant ? Wide{a.offset} : reg[a.base] + Wide{a.offset}; };
    std::uint32_t pc = head;
    do {
        if (lines_ == kLongestPath) {
            return false;
        }
        const Op op = ops_[pc];
        ++lines_;
        ++pc;
        switch (op.kind) {
        case OpKind::S: {
            const Affine before = Read(op.first);
            increments_.push_back(before);
            Write(op.first, {before.base, before.offset + 1});
            break;
        }
        case OpKind::Z:
            Write(op.first, {kConstant, 0});
            break;
        case OpKind::T:
            Write(op.second, Read(op.first));
            break;
        case OpKind::J:
        case OpKind::LoopJ:
        case OpKind::JumpOut: {
            const JumpTest test{Read(op.first), Read(op.second), false};
            jumps_.push_back(test);
            jumps_.back().taken = value(test.left) == value(test.right);
            if (jumps_.back().taken) {
                if (op.kind == OpKind::JumpOut) {
                    return false;
                }
                pc = op.target;
            }
            break;
        }
        case OpKind::Comment:
            ++comments_;
            break;
        case OpKind::NoOp:
            break;
        case OpKind::Delegate:
        case OpKind::Stop:
        case OpKind::Halt:
            return false;
        }
    } while (pc != head);
    return true;
}

// A register that ends as its own start plus c moves by c per iteration; one
// that ends as a constant, by 0; one that ends as another's start plus c, by
// that other's slope. A ring of copies has no slope.
bool LoopSummary::FindSlopes()
{
    for (const std::uint8_t index : writtenRegisters_) {
        std::int32_t at = index;
        for (std::size_t links = 0;; ++links) {
            const Affine end = end_[static_cast<std::size_t>(at)];
            if (end.base == at || end.base == kConstant || !isWritten_[static_cast<std::size_t>(end.base)]) {
                slope_[index] = end.base == at ? end.offset : 0;
                break;
            }
            if (links == writtenRegisters_.size()) {
                return false;
            }
            at = end.base;
        }
    }
    return true;
}

// Every written register already moves by its slope: a constant one holds its
// constant, a copy sits at its source plus its offset, less one slope.
bool LoopSummary::IsSteady(const std::int64_t* reg) const
{
    return std::all_of(writtenRegisters_.begin(), writtenRegisters_.end(), [&](std::uint8_t index) {
        const Affine end = end_[index];
        if (end.base == kConstant) {
            return reg[index] == end.offset;
        }
        return end.base == index || Wide{reg[index]} == reg[end.base] + Wide{end.offset} - SlopeOf({end.base, 0});
    });
}

// The iterations from now on that follow the traced path and stay within the
// 64-bit limit and `room`.
StepCount LoopSummary::Iterations(const std::int64_t* reg, LeapRoom room) const
{
    const auto value = [reg](Affine a) { return a.base == kConstant ? Wide{a.offset} : reg[a.base] + Wide{a.offset}; };
    // A path back to its head holds a taken jump, so it has a step that is not a comment.
    Wide iterations = std::min({room.lines / lines_, room.steps / (lines_ - comments_), kMostIterations});
    for (const JumpTest& test : jumps_) {
        const Wide slope = SlopeOf(test.left) - SlopeOf(test.right);
        if (slope == 0) {
            continue;
        }
        if (test.taken) {
            iterations = std::min(iterations, Wide{1});
            continue;
        }
        // Taken again in iteration i when difference + i * slope reaches zero.
        const Wide difference = value(test.left) - value(test.right);
        if (difference % slope == 0 && -difference / slope > 0) {
            iterations = std::min(iterations, -difference / slope);
        }
    }
    for (const Affine& before : increments_) {
        const Wide now = value(before);
        if (now >= kLargest) {
            return 0;
        }
        // S is refused at the maximum: iteration i is safe while now + i * slope < maximum.
        if (const std::int64_t slope = SlopeOf(before); slope > 0) {
            iterations = std::min(iterations, (kLargest - 1 - now) / slope + 1);
        }
    }
    return iterations;
}

void LoopSummary::Forget()
{
    for (const std::uint8_t index : writtenRegisters_) {
        isWritten_[index] = false;
    }
    writtenRegisters_.clear();
    jumps_.clear();
    increments_.clear();
    lines_ = 0;
    comments_ = 0;
}

LoopSummary::Affine LoopSummary::Read(std::uint8_t index) const
{
    return isWritten_[index] ? end_[index] : Affine{index, 0};
}

void LoopSummary::Write(std::uint8_t index, Affine value)
{
    if (!isWritten_[index]) {
        isWritten_[index] = true;
        writtenRegisters_.push_back(index);
    }
    end_[index] = value;
}

std::int64_t LoopSummary::SlopeOf(Affine value) const
{
    if (value.base == kConstant || !isWritten_[static_cast<std::size_t>(value.base)]) {
        return 0;
    }
    return slope_[static_cast<std::size_t>(value.base)];
}

} // namespace tessivar
