#pragma once

#include "CompiledOp.h"
#include "LinearForm.h"
#include "Machine.h"
#include "StraightPass.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tessivar {

// What must stay true of the registers at the start of a pass for the pass
// to follow the path it was walked on: a form that is 0, not 0, above 0, or
// never a multiple of `divisor`.
struct PassCondition {
    enum class Kind : std::uint8_t { Zero, NonZero, Positive, NotDivisible };
    Kind kind = Kind::Zero;
    LinearForm form;
    Wide divisor = 0;

    bool Holds(Wide value) const;
};

// Which pass a walk takes: back at the head `returns` times, the first of
// them, with `innerAtHead`, the start of an inner loop at the head itself
// (a loop whose reset leads back to its own first line). With a
// `longestPeriod` above `returns`, the pass ends at the first return from
// `returns` on from which the registers would take the same path again, if
// one comes by that return.
struct WalkPlan {
    int returns = 1;
    bool innerAtHead = false;
    int longestPeriod = 0;

    bool Seeks() const { return longestPeriod > returns; }
};

// Walks one pass of a loop from its head as the lines would run now, and
// describes it as functions of the registers at its start: the registers it
// changes, the lines and comments it counts, and the conditions under which
// another pass takes the same path. An inner loop met on the way counts as
// one step: its passes are summarised, the number of them a form too, so
// that an outer loop over it is described in one go.
class PassWalk {
public:
    explicit PassWalk(std::span<const compiled::Op> ops);

    // The most trips back to the head a pass may take: paths that repeat
    // only after more are not summarised.
    static constexpr int kLongestPeriod = 64;

    // False when the pass leaves the program, meets a line the runner must
    // not pass, fails, or is too long or too involved to describe.
    bool Walk(std::uint32_t head, const std::int64_t* reg, WalkPlan plan);
    // After a walk that seeks a period: takes the pass on to the next return
    // where it could end, as Walk would have, had it not ended before; false
    // too once Cost() reaches `mostCost`.
    bool Resume(std::uint64_t mostCost);

    // Registers whose value at the end is not their value at the start.
    std::span<const std::uint8_t> Changed() const { return changed_; }
    const LinearForm& End(std::uint8_t index) const { return forms_[index]; }
    // Registers any line of the pass wrote.
    std::span<const std::uint8_t> Written() const { return written_; }
    std::span<const PassCondition> Conditions() const { return conditions_; }
    const LinearForm& Lines() const { return linesForm_; }
    const LinearForm& Comments() const { return commentsForm_; }
    // Lines followed, those of summarised inner passes once each.
    std::uint64_t Cost() const { return cost_; }

private:
    static constexpr std::uint64_t kLongestWalk = 1024;

    void Forget();
    bool Follow();
    LinearForm Read(std::uint8_t index) const;
    void Write(std::uint8_t index, const LinearForm& value);
    // Write, but an S's: the increment it met is kept until the register is written otherwise.
    void Set(std::uint8_t index, const LinearForm& value);
    void MarkWritten(std::uint8_t index);
    void Require(PassCondition::Kind kind, const LinearForm& form, Wide divisor = 0);
    void RequireBelowLargest(const LinearForm& value);
    void FlushIncrement(std::uint8_t index);
    // Whether the walk may go on after the jump to `target`, and whether the pass is complete.
    enum class Return { Continue, Complete, Fail };
    Return JumpBack(std::uint32_t target);
    bool SummariseInnerLoop(std::uint32_t innerHead);
    bool IsSteady() const;
    bool PathRepeats() const;
    void Close();
    void Reopen();

    std::span<const compiled::Op> ops_;
    StraightPass inner_;
    std::uint32_t head_ = 0;
    WalkPlan plan_;
    std::uint32_t pc_ = 0;
    int returns_ = 0;

    std::array<std::int64_t, kRegisterCount> values_{}; // the registers as the walk goes
    std::array<LinearForm, kRegisterCount> forms_{}; // valid where isSet_
    std::array<bool, kRegisterCount> isSet_{};
    std::vector<std::uint8_t> set_;
    std::array<bool, kRegisterCount> isWritten_{};
    std::vector<std::uint8_t> written_;
    // The value the last S on a register met, since anything else wrote it:
    // the largest, which alone must stay below the maximum.
    std::array<LinearForm, kRegisterCount> increment_{};
    std::array<bool, kRegisterCount> hasIncrement_{};
    std::vector<std::uint8_t> changed_;
    std::vector<PassCondition> conditions_;
    std::size_t openConditions_ = 0; // those before Close added its own
    std::uint64_t lines_ = 0; // walked one by one
    std::uint64_t comments_ = 0;
    LinearForm innerLines_; // in summarised inner passes
    LinearForm innerComments_;
    LinearForm linesForm_; // the whole pass
    LinearForm commentsForm_;
    std::uint64_t cost_ = 0;
    std::uint64_t mostCost_ = kLongestWalk;

    // Per line: the walk that last passed it, and the last that found no
    // summary for the inner loop there.
    std::vector<std::uint32_t> visited_;
    std::vector<std::uint32_t> unsummarised_;
    std::uint32_t walk_ = 0;
};

} // namespace tessivar
