#include "StepHistory.h"

#include <bit>
#include <utility>

namespace tessivar {

void Undo(Machine& machine, const HistoryEntry& entry)
{
    std::visit([&](const auto& undone) { machine.Undo(undone); }, entry);
}

StepHistory::LineWriter StepHistory::Writer()
{
    if (ring_.empty()) {
        ring_.resize(std::bit_ceil(capacity_));
    }
    LineWriter writer;
    writer.ring_ = ring_.data();
    writer.mask_ = ring_.size() - 1;
    writer.count_ = lines_;
    return writer;
}

void StepHistory::Commit(LineWriter writer)
{
    lines_ = writer.count_;
    if (lines_ - oldest_ > capacity_) {
        oldest_ = lines_ - capacity_;
    }
}

void StepHistory::Record(const UndoRecord& step)
{
    LineWriter writer = Writer();
    writer.Write(static_cast<std::size_t>(step.executedPC), step.writtenRegister, step.oldValue, step.countedAsStep);
    Commit(writer);
}

void StepHistory::RecordLeap(LeapUndo leap)
{
    if (leap.oldValues.size() > kLeapValueCapacity) {
        Clear(); // nothing before it could be reached any more
        return;
    }
    while (leapValues_ + leap.oldValues.size() > kLeapValueCapacity) {
        // With the oldest loop go the lines before it.
        oldest_ = std::max(oldest_, leaps_.front().linesBefore);
        leapValues_ -= leaps_.front().undo.oldValues.size();
        leaps_.pop_front();
    }
    leapValues_ += leap.oldValues.size();
    leaps_.push_back({.undo = std::move(leap), .linesBefore = lines_});
}

void StepHistory::DropUnreachableLeaps()
{
    while (!leaps_.empty() && leaps_.front().linesBefore < oldest_) {
        leapValues_ -= leaps_.front().undo.oldValues.size();
        leaps_.pop_front();
    }
}

std::size_t StepHistory::Size() const
{
    std::size_t reachableLeaps = 0;
    for (auto leap = leaps_.rbegin(); leap != leaps_.rend() && leap->linesBefore >= oldest_; ++leap) {
        ++reachableLeaps;
    }
    return static_cast<std::size_t>(lines_ - oldest_) + reachableLeaps;
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
    if (lines_ == oldest_) {
        return std::nullopt;
    }
    --lines_;
    const Line& line = ring_[lines_ & (ring_.size() - 1)];
    return UndoRecord{.executedPC = line.executedPC,
                      .oldValue = line.oldValue,
                      .writtenRegister = line.writtenRegister,
                      .countedAsStep = line.countedAsStep};
}

void StepHistory::Clear()
{
    lines_ = 0;
    oldest_ = 0;
    leaps_.clear();
    leapValues_ = 0;
}

} // namespace tessivar
