#pragma once

#include "Machine.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <variant>
#include <vector>

namespace tessivar {

// What undoing whole iterations of a loop, applied at once, needs: the
// registers they changed, with their values at the loop's entry.
struct LeapUndo {
    std::int64_t headPC = 0; // PC at the loop's entry, and after the iterations
    std::int64_t steps = 0; // steps the iterations counted
    std::vector<RegisterValue> oldValues;
};

// One undoable entry: a line, or iterations of a loop applied at once.
using HistoryEntry = std::variant<UndoRecord, LeapUndo>;

// Puts back the machine's state from before `entry`.
void Undo(Machine& machine, const HistoryEntry& entry);

// The steps executed since Set, newest last, so that they can be undone one
// by one. Bounded: past `capacity` lines, or past kLeapValueCapacity
// registers kept for loops, the oldest are dropped, and with them whatever
// came before them. O(1) per line.
class StepHistory {
public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;
    static constexpr std::size_t kLeapValueCapacity = std::size_t{1} << 20;

    // At least one line is kept.
    explicit StepHistory(std::size_t capacity = kDefaultCapacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

    // Inline and branch-light: the fast runner records every line it runs
    // one by one.
    void Record(const UndoRecord& step)
    {
        if (ring_.size() < capacity_) {
            Grow(step);
            return;
        }
        ring_[next_] = Compact(step);
        next_ = next_ + 1 == capacity_ ? 0 : next_ + 1;
        kept_ += kept_ < capacity_ ? 1 : 0;
        ++lines_;
    }
    void RecordLeap(LeapUndo leap);

    // The newest entry, taken out of the history; nothing when it is empty.
    std::optional<HistoryEntry> TakeNewest();
    void Clear();

    bool Empty() const { return Size() == 0; }
    // Entries that can still be taken.
    std::size_t Size() const;

private:
    // A line in 16 bytes; programs have fewer than 2^31 lines.
    struct Line {
        std::int64_t oldValue;
        std::uint32_t executedPC;
        std::int16_t writtenRegister;
        bool countedAsStep;
    };
    struct RecordedLeap {
        LeapUndo undo;
        std::uint64_t linesBefore; // lines recorded before it
    };

    static Line Compact(const UndoRecord& step);
    void Grow(const UndoRecord& step);
    // Loops recorded before a line that was dropped can no longer be reached.
    void DropUnreachableLeaps();

    std::size_t capacity_;
    std::vector<Line> ring_; // grows up to capacity_, then wraps
    std::size_t next_ = 0; // where the next line goes once the ring is full
    std::size_t kept_ = 0; // the newest lines kept in the ring
    std::uint64_t lines_ = 0; // lines recorded since Set, minus those taken back
    std::deque<RecordedLeap> leaps_; // oldest first
    std::size_t leapValues_ = 0; // registers kept in leaps_
};

} // namespace tessivar
