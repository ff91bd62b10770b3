#include "PassWalk.h"

#include <algorithm>

namespace tessivar {

using compiled::Op;
using compiled::OpKind;
using Affine = StraightPass::Affine;

bool PassCondition::Holds(Wide value) const
{
    switch (kind) {
    case Kind::Zero:
        return value == 0;
    case Kind::NonZero:
        return value != 0;
    case Kind::Positive:
        return value > 0;
    case Kind::NotDivisible:
        return value % divisor != 0;
    }
    return false;
}

PassWalk::PassWalk(std::span<const Op> ops) : ops_(ops), inner_(ops), visited_(ops.size()), unsummarised_(ops.size())
{}

bool PassWalk::Walk(std::uint32_t head, const std::int64_t* reg, WalkPlan plan)
{
    Forget();
    ++walk_;
    head_ = head;
    plan_ = plan;
    pc_ = head;
    mostCost_ = kLongestWalk;
    std::copy(reg, reg + kRegisterCount, values_.begin());
    return Follow();
}

bool PassWalk::Resume(std::uint64_t mostCost)
{
    mostCost_ = std::min(mostCost, kLongestWalk);
    Reopen();
    return Follow();
}

bool PassWalk::Follow()
{
    for (;;) {
        if (cost_ >= mostCost_) {
            return false;
        }
        visited_[pc_] = walk_;
        const Op op = ops_[pc_];
        ++cost_;
        ++lines_;
        ++pc_;
        switch (op.kind) {
        case OpKind::S: {
            if (values_[op.first] == INT64_MAX) {
                return false;
            }
            const LinearForm before = Read(op.first);
            Set(op.first, before + 1);
            increment_[op.first] = before;
            hasIncrement_[op.first] = true;
            ++values_[op.first];
            break;
        }
        case OpKind::Z:
            Write(op.first, {});
            values_[op.first] = 0;
            break;
        case OpKind::T:
            Write(op.second, Read(op.first));
            values_[op.second] = values_[op.first];
            break;
        case OpKind::J:
        case OpKind::LoopJ:
        case OpKind::JumpOut: {
            const bool taken = values_[op.first] == values_[op.second];
            Require(taken ? PassCondition::Kind::Zero : PassCondition::Kind::NonZero, Read(op.first) - Read(op.second));
            if (!taken) {
                break;
            }
            if (op.kind == OpKind::JumpOut) {
                return false;
            }
            pc_ = op.target;
            if (op.kind == OpKind::LoopJ) {
                const Return next = JumpBack(pc_);
                if (next != Return::Continue) {
                    return next == Return::Complete;
                }
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
    }
}

// Back at the head, the pass may be complete; back at a line passed before,
// an inner loop has made a pass, and the rest of its passes are summarised.
PassWalk::Return PassWalk::JumpBack(std::uint32_t target)
{
    if (target == head_) {
        ++returns_;
        if (plan_.innerAtHead && returns_ == 1) {
            return SummariseInnerLoop(target) ? Return::Continue : Return::Fail;
        }
        const int trips = returns_ - (plan_.innerAtHead ? 1 : 0);
        const int longest = std::min(std::max(plan_.returns, plan_.longestPeriod), kLongestPeriod);
        if (plan_.Seeks() ? trips >= plan_.returns && trips <= longest && PathRepeats() : trips == plan_.returns) {
            Close();
            return Return::Complete;
        }
        return trips < longest ? Return::Continue : Return::Fail;
    }
    if (visited_[target] == walk_ && unsummarised_[target] != walk_ && !SummariseInnerLoop(target)) {
        unsummarised_[target] = walk_; // its passes are walked one by one
    }
    return Return::Continue;
}

void PassWalk::Forget()
{
    for (const std::uint8_t index : set_) {
        isSet_[index] = false;
        hasIncrement_[index] = false;
    }
    for (const std::uint8_t index : written_) {
        isWritten_[index] = false;
    }
    set_.clear();
    written_.clear();
    changed_.clear();
    conditions_.clear();
    lines_ = 0;
    comments_ = 0;
    innerLines_ = {};
    innerComments_ = {};
    cost_ = 0;
    returns_ = 0;
}

LinearForm PassWalk::Read(std::uint8_t index) const
{
    return isSet_[index] ? forms_[index] : LinearForm::Register(index);
}

void PassWalk::Write(std::uint8_t index, const LinearForm& value)
{
    FlushIncrement(index);
    Set(index, value);
}

void PassWalk::Set(std::uint8_t index, const LinearForm& value)
{
    if (!isSet_[index]) {
        isSet_[index] = true;
        set_.push_back(index);
    }
    forms_[index] = value;
    MarkWritten(index);
}

void PassWalk::MarkWritten(std::uint8_t index)
{
    if (!isWritten_[index]) {
        isWritten_[index] = true;
        written_.push_back(index);
    }
}

// A condition on constants holds, as the walk has just seen.
void PassWalk::Require(PassCondition::Kind kind, const LinearForm& form, Wide divisor)
{
    if (!form.IsConstant() || !form.Valid()) {
        conditions_.push_back({.kind = kind, .form = form, .divisor = divisor});
    }
}

void PassWalk::RequireBelowLargest(const LinearForm& value)
{
    Require(PassCondition::Kind::Positive, LinearForm::Constant(kLargestValue) - value);
}

void PassWalk::FlushIncrement(std::uint8_t index)
{
    if (hasIncrement_[index]) {
        hasIncrement_[index] = false;
        RequireBelowLargest(increment_[index]);
    }
}

// At the start of an inner loop's pass, with one pass of it walked: applies
// all the passes before the one that leaves (or takes another path), and
// states in the conditions what makes the number of them, a form, right for
// any start of the outer pass. The walk then goes on with the pass that leaves.
bool PassWalk::SummariseInnerLoop(std::uint32_t innerHead)
{
    if (!inner_.Trace(innerHead, values_.data())) {
        return false;
    }
    cost_ += inner_.Lines();
    if (!IsSteady()) {
        return false;
    }
    const auto form = [this](Affine a) {
        return a.base == StraightPass::kConstant ? LinearForm::Constant(a.offset)
                                                 : Read(static_cast<std::uint8_t>(a.base)) + a.offset;
    };
    const auto value = [this](Affine a) {
        return a.base == StraightPass::kConstant ? Wide{a.offset}
                                                 : values_[static_cast<std::size_t>(a.base)] + Wide{a.offset};
    };

    // The test that changes the path first: the pass of `exit` is the one the walk goes on with.
    const std::span<const StraightPass::JumpTest> jumps = inner_.Jumps();
    std::size_t exit = jumps.size();
    Wide passes = 0;
    for (std::size_t t = 0; t < jumps.size(); ++t) {
        const Wide slope = inner_.SlopeOf(jumps[t].left) - inner_.SlopeOf(jumps[t].right);
        const Wide difference = value(jumps[t].left) - value(jumps[t].right);
        if (jumps[t].taken && slope != 0) {
            return false; // the next pass already goes another way
        }
        if (!jumps[t].taken && slope != 0 && difference % slope == 0 && -difference / slope >= 0
            && (exit == jumps.size() || -difference / slope < passes)) {
            exit = t;
            passes = -difference / slope;
        }
    }
    if (exit == jumps.size() || passes == 0) {
        return false;
    }
    for (const Affine& before : inner_.Increments()) {
        const std::int64_t slope = inner_.SlopeOf(before);
        if (value(before) + (slope > 0 ? (passes - 1) * slope : 0) >= kLargestValue) {
            return false; // an S fails before the loop is left
        }
    }

    const StraightPass::JumpTest& leaving = jumps[exit];
    const Wide exitSlope = inner_.SlopeOf(leaving.left) - inner_.SlopeOf(leaving.right);
    const LinearForm count = (form(leaving.left) - form(leaving.right)).ExactQuotient(-exitSlope);
    Require(PassCondition::Kind::Positive, count);
    for (std::size_t t = 0; t < jumps.size(); ++t) {
        const LinearForm difference = form(jumps[t].left) - form(jumps[t].right);
        const Wide slope = inner_.SlopeOf(jumps[t].left) - inner_.SlopeOf(jumps[t].right);
        if (slope == 0) {
            Require(jumps[t].taken ? PassCondition::Kind::Zero : PassCondition::Kind::NonZero, difference);
            continue;
        }
        if (t == exit) {
            continue;
        }
        // Another test must not meet first: its difference never reaches a
        // multiple of its slope, or keeps its sign over the passes before the exit.
        const Wide now = value(jumps[t].left) - value(jumps[t].right);
        if (now % slope != 0) {
            Require(PassCondition::Kind::NotDivisible, difference, slope);
            continue;
        }
        const Wide lastPass = passes - 1 + (t < exit ? 1 : 0);
        const Wide side = now > 0 ? 1 : -1;
        if ((now + lastPass * slope) * side <= 0) {
            return false;
        }
        Require(PassCondition::Kind::Positive, difference * side);
        Require(PassCondition::Kind::Positive, (difference + (count + (lastPass - passes)) * slope) * side);
    }
    for (const Affine& before : inner_.Increments()) {
        const std::int64_t slope = inner_.SlopeOf(before);
        RequireBelowLargest(slope > 0 ? form(before) + (count - 1) * slope : form(before));
    }

    // All registers at once, from their values before the passes.
    struct Passed {
        std::uint8_t index;
        LinearForm form;
        std::int64_t value;
    };
    std::vector<Passed> after;
    for (const std::uint8_t index : inner_.WrittenRegisters()) {
        const Affine end = inner_.End(index);
        if (end.base == index) {
            after.push_back({index, Read(index) + count * end.offset,
                             static_cast<std::int64_t>(values_[index] + passes * end.offset)});
        } else if (end.base == StraightPass::kConstant) {
            after.push_back({index, LinearForm::Constant(end.offset), end.offset});
        } else {
            const auto base = static_cast<std::uint8_t>(end.base);
            const std::int64_t slope = inner_.SlopeOf({end.base, 0});
            after.push_back({index, Read(base) + (count - 1) * slope + end.offset,
                             static_cast<std::int64_t>(values_[base] + (passes - 1) * slope + end.offset)});
        }
    }
    for (const Passed& passed : after) {
        Write(passed.index, passed.form);
        values_[passed.index] = passed.value;
    }
    innerLines_ = innerLines_ + count * static_cast<Wide>(inner_.Lines());
    innerComments_ = innerComments_ + count * static_cast<Wide>(inner_.Comments());
    return std::all_of(after.begin(), after.end(), [](const Passed& passed) { return passed.form.Valid(); })
        && innerLines_.Valid() && innerComments_.Valid();
}

// Every register the inner pass writes already holds what a pass leaves
// there, whatever the outer pass started with: so every pass to come runs
// like the one traced.
bool PassWalk::IsSteady() const
{
    return std::all_of(inner_.WrittenRegisters().begin(), inner_.WrittenRegisters().end(), [this](std::uint8_t index) {
        const Affine end = inner_.End(index);
        if (end.base == index) {
            return true;
        }
        if (end.base == StraightPass::kConstant) {
            return Read(index) == LinearForm::Constant(end.offset);
        }
        const auto base = static_cast<std::uint8_t>(end.base);
        return Read(index) == Read(base) + (end.offset - inner_.SlopeOf({end.base, 0}));
    });
}

// Whether the registers as they are now meet every condition of the pass so
// far: then the next pass would take the same path, at least at its start.
bool PassWalk::PathRepeats() const
{
    return std::all_of(conditions_.begin(), conditions_.end(), [this](const PassCondition& condition) {
        const std::optional<Wide> value = condition.form.Evaluate(values_);
        return value && condition.Holds(*value);
    });
}

// The increments still pending are required here without being flushed, so
// that Reopen can take the pass on from where it ended.
void PassWalk::Close()
{
    linesForm_ = innerLines_ + static_cast<Wide>(lines_);
    commentsForm_ = innerComments_ + static_cast<Wide>(comments_);
    openConditions_ = conditions_.size();
    for (const std::uint8_t index : set_) {
        if (hasIncrement_[index]) {
            RequireBelowLargest(increment_[index]);
        }
        if (!(forms_[index] == LinearForm::Register(index))) {
            changed_.push_back(index);
        }
    }
}

void PassWalk::Reopen()
{
    conditions_.resize(openConditions_);
    changed_.clear();
}

} // namespace tessivar
