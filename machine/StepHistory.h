#pragma once

#include "Machine.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace tessivar {

// The steps executed since Set, newest last, so that they can be undone one
// by one. Bounded: past `capacity` the oldest are dropped. O(1) per step.
class StepHistory {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;

    explicit StepHistory(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    void Record(const UndoRecord& step);
    // The newest step, taken out of the history; nothing when it is empty.
    std::optional<UndoRecord> TakeNewest();
    void Clear();

    bool Empty() const { return size_ == 0; }
    std::size_t Size() const { return size_; }

private:
    std::size_t capacity_;
    std::vector<UndoRecord> ring_; // grows up to capacity_, then wraps
    std::size_t oldest_ = 0;
    std::size_t size_ = 0;
};

} // namespace tessivar
