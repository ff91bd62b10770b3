#include "StepHistory.h"

#include <utility>

namespace tessivar {

void Undo(Machine& machine, const HistoryEntry& entry)
{
    std::visit([&](const auto& undone) { machine.Undo(undone); }, entry);
}

void StepHistory::Add(const UndoRecord& step)
{
    if (capacity_ == 0) {
        return;
    }
    if (size_ == capacity_) {
        DropOldest();
    }
    if (ring_.size() < capacity_ && oldest_ == 0 && size_ == ring_.size()) {
        ring_.push_back(step);
    } else {
        ring_[(oldest_ + size_) % ring_.size()] = step;
    }
    ++size_;
}

void StepHistory::DropOldest()
{
    if (ring_[oldest_].writtenRegister == kLeapMarker) {
        leapValues_ -= leaps_.front().oldValues.size();
        leaps_.pop_front();
    }
    oldest_ = (oldest_ + 1) % ring_.size();
    --size_;
}

void StepHistory::RecordLeap(LeapUndo leap)
{
    if (capacity_ == 0 || leap.oldValues.size() > kLeapValueCapacity) {
        Clear(); // what came before can no longer be reached
        return;
    }
    while (leapValues_ + leap.oldValues.size() > kLeapValueCapacity) {
        DropOldest();
    }
    Add(UndoRecord{.executedPC = leap.headPC, .writtenRegister = kLeapMarker});
    leapValues_ += leap.oldValues.size();
    leaps_.push_back(std::move(leap));
}

std::optional<HistoryEntry> StepHistory::TakeNewest()
{
    if (size_ == 0) {
        return std::nullopt;
    }
    --size_;
    const UndoRecord& newest = ring_[(oldest_ + size_) % ring_.size()];
    if (newest.writtenRegister != kLeapMarker) {
        return newest;
    }
    LeapUndo leap = std::move(leaps_.back());
    leaps_.pop_back();
    leapValues_ -= leap.oldValues.size();
    return leap;
}

void StepHistory::Clear()
{
    oldest_ = 0;
    size_ = 0;
    leaps_.clear();
    leapValues_ = 0;
}

} // namespace tessivar
