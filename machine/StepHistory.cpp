#include "StepHistory.h"

#include <utility>

namespace tessivar {

void Undo(Machine& machine, const HistoryEntry& entry)
{
    std::visit([&](const auto& undone) { machine.Undo(undone); }, entry);
}

StepHistory::Line StepHistory::Compact(const UndoRecord& step)
{
    return {.oldValue = step.oldValue,
            .executedPC = static_cast<std::uint32_t>(step.executedPC),
            .writtenRegister = static_cast<std::int16_t>(step.writtenRegister),
            .countedAsStep = step.countedAsStep};
}

// Until the ring has its full size it grows; lines taken back meanwhile are
// written over.
void StepHistory::Grow(const UndoRecord& step)
{
    if (next_ == ring_.size()) {
        ring_.push_back(Compact(step));
    } else {
        ring_[next_] = Compact(step);
    }
    next_ = next_ + 1 == capacity_ ? 0 : next_ + 1;
    ++kept_;
    ++lines_;
}

void StepHistory::RecordLeap(LeapUndo leap)
{
    if (leap.oldValues.size() > kLeapValueCapacity) {
        Clear(); // nothing before it could be reached any more
        return;
    }
    while (leapValues_ + leap.oldValues.size() > kLeapValueCapacity) {
        // With the oldest loop go the lines before it.
        kept_ = std::min<std::size_t>(kept_, lines_ - leaps_.front().linesBefore);
        leapValues_ -= leaps_.front().undo.oldValues.size();
        leaps_.pop_front();
    }
    leapValues_ += leap.oldValues.size();
    leaps_.push_back({.undo = std::move(leap), .linesBefore = lines_});
}

void StepHistory::DropUnreachableLeaps()
{
    while (!leaps_.empty() && leaps_.front().linesBefore < lines_ - kept_) {
        leapValues_ -= leaps_.front().undo.oldValues.size();
        leaps_.pop_front();
    }
}

std::size_t StepHistory::Size() const
{
    const std::uint64_t oldestKept = lines_ - kept_;
    std::size_t reachableLeaps = 0;
    for (auto leap = leaps_.rbegin(); leap != leaps_.rend() && leap->linesBefore >= oldestKept; ++leap) {
        ++reachableLeaps;
    }
    return kept_ + reachableLeaps;
}

std::optional<HistoryEntry> StepHistory::TakeNewest()
{
    DropUnreachableLeaps();
    if (!leaps_.empty() && leaps_.back().linesBefore == lines_) {
        LeapUndo leap = std::move(leaps_.back().undo);
        leaps_.pop_back();
        leapValues_ -= leap.oldValues.size();
        return leap;
    }
    if (kept_ == 0) {
        return std::nullopt;
    }
    next_ = (next_ == 0 ? ring_.size() : next_) - 1;
    --kept_;
    --lines_;
    const Line& line = ring_[next_];
    return UndoRecord{.executedPC = line.executedPC,
                      .oldValue = line.oldValue,
                      .writtenRegister = line.writtenRegister,
                      .countedAsStep = line.countedAsStep};
}

void StepHistory::Clear()
{
    next_ = 0;
    kept_ = 0;
    lines_ = 0;
    leaps_.clear();
    leapValues_ = 0;
}

} // namespace tessivar
