#include "StraightPass.h"

#include "WideMath.h"

namespace tessivar {

using compiled::Op;
using compiled::OpKind;

bool StraightPass::Trace(std::uint32_t head, const std::int64_t* reg)
{
    Forget();
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
    return FindSlopes();
}

// A register that ends as its own start plus c moves by c per pass; one that
// ends as a constant, by 0; one that ends as another's start plus c, by that
// other's slope. A ring of copies has no slope.
bool StraightPass::FindSlopes()
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

void StraightPass::Forget()
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

StraightPass::Affine StraightPass::Read(std::uint8_t index) const
{
    return isWritten_[index] ? end_[index] : Affine{index, 0};
}

void StraightPass::Write(std::uint8_t index, Affine value)
{
    if (!isWritten_[index]) {
        isWritten_[index] = true;
        writtenRegisters_.push_back(index);
    }
    end_[index] = value;
}

std::int64_t StraightPass::SlopeOf(Affine value) const
{
    if (value.base == kConstant || !isWritten_[static_cast<std::size_t>(value.base)]) {
        return 0;
    }
    return slope_[static_cast<std::size_t>(value.base)];
}

} // namespace tessivar
