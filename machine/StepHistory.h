#pragma once

#include "Machine.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace tessivar {

// What undoing whole iterations of a loop, applied at once, needs: the
// registers they changed, with their values at the loop's entry.
struct LeapUndo {
    struct OldValue {
        int registerNumber = 0; // 1-based
        std::int64_t value = 0;
    };
    std::int64_t headPC = 0; // PC at the loop's entry, and after the iterations
    std::int64_t steps = 0; // steps the iterations counted
    std::vector<OldValue> oldValues;
};

// One undoable entry: a line, or iterations of a loop applied at once.
using HistoryEntry = std::variant<UndoRecord, LeapUndo>;

// Puts back the machine's state from before `entry`.
void Undo(Machine& machine, const HistoryEntry& entry);

// The steps executed since Set, newest last, so that they can be undone one
// by one. Bounded: past `capacity` entries, or past kLeapValueCapacity
// registers kept for loops, the oldest are dropped. O(1) per line.
class StepHistory {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;
    static constexpr std::size_t kLeapValueCapacity = std::size_t{1} << 20;

    explicit StepHistory(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Inline: the fast runner records every line it runs one by one.
    void Record(const UndoRecord& step)
    {
        if (size_ == capacity_ && ring_[oldest_].writtenRegister != kLeapMarker) {
            ring_[oldest_] = step;
            oldest_ = oldest_ + 1 == capacity_ ? 0 : oldest_ + 1;
            return;
        }
        Add(step);
    }
    void RecordLeap(LeapUndo leap);

    // The newest entry, taken out of the history; nothing when it is empty.
    std::optional<HistoryEntry> TakeNewest();
    void Clear();

    bool Empty() const { return size_ == 0; }
    std::size_t Size() const { return size_; }

private:
    // Stands in the ring for the newest of leaps_ not yet taken.
    static constexpr int kLeapMarker = -1;

    void Add(const UndoRecord& step);
    void DropOldest();

    std::size_t capacity_;
    std::vector<UndoRecord> ring_; // grows up to capacity_, then wraps
    std::size_t oldest_ = 0;
    std::size_t size_ = 0;
    std::deque<LeapUndo> leaps_; // oldest first, one per marker in the ring
    std::size_t leapValues_ = 0; // registers kept in leaps_
};

} // namespace tessivar
