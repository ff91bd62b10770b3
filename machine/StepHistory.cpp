#include "StepHistory.h"

namespace tessivar {

void StepHistory::Record(const UndoRecord& step)
{
    if (capacity_ == 0) {
        return;
    }
    if (ring_.size() < capacity_ && oldest_ == 0 && size_ == ring_.size()) {
        ring_.push_back(step);
        ++size_;
        return;
    }
    const std::size_t slot = (oldest_ + size_) % ring_.size();
    ring_[slot] = step;
    if (size_ == ring_.size()) {
        oldest_ = (oldest_ + 1) % ring_.size(); // full: the oldest step is dropped
    } else {
        ++size_;
    }
}

std::optional<UndoRecord> StepHistory::TakeNewest()
{
    if (size_ == 0) {
        return std::nullopt;
    }
    --size_;
    return ring_[(oldest_ + size_) % ring_.size()];
}

void StepHistory::Clear()
{
    oldest_ = 0;
    size_ = 0;
}

} // namespace tessivar
