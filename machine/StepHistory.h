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
    StepCount steps = 0; // steps the iterations counted
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
    // A line in 16 bytes; programs have fewer than 2^31 lines.
    struct Line {
        std::int64_t oldValue;
        std::uint32_t executedPC;
        std::int16_t writtenRegister;
        bool countedAsStep;
    };

public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;
    static constexpr std::size_t kLeapValueCapacity = std::size_t{1} << 20;

    // At least one line is kept.
    explicit StepHistory(std::size_t capacity = kDefaultCapacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

    // Writes lines straight into the history's ring, for a run that records
    // many: a value the run keeps in its locals, so that a line costs one
    // store, and hands back with Commit before anything else touches the
    // history.
    class LineWriter {
    public:
        // `writtenRegister` is 1-based, 0 for none.
        void Write(std::size_t executedPC, int writtenRegister, std::int64_t oldValue, bool countedAsStep)
        {
            ring_[count_ & mask_] = {.oldValue = oldValue,
                                     .executedPC = static_cast<std::uint32_t>(executedPC),
                                     .writtenRegister = static_cast<std::int16_t>(writtenRegister),
                                     .countedAsStep = countedAsStep};
            ++count_;
        }

    private:
        friend StepHistory;
        Line* ring_ = nullptr;
        std::uint64_t mask_ = 0;
        std::uint64_t count_ = 0; // lines recorded since Set
    };
    LineWriter Writer();
    void Commit(LineWriter writer);

    void Record(const UndoRecord& step);
    void RecordLeap(LeapUndo leap);

    // The newest entry, taken out of the history; nothing when it is empty.
    std::optional<HistoryEntry> TakeNewest();
    void Clear();

    bool Empty() const { return Size() == 0; }
    // Entries that can still be taken.
    std::size_t Size() const;

private:
    struct RecordedLeap {
        LeapUndo undo;
        std::uint64_t linesBefore; // lines recorded before it
    };

    // Loops recorded before a line that was dropped can no longer be reached.
    void DropUnreachableLeaps();

    std::size_t capacity_;
    // Sized once, to a power of two of at least capacity_, and indexed by a
    // line's number modulo its size.
    std::vector<Line> ring_;
    std::uint64_t lines_ = 0; // lines recorded since Set, minus those taken back
    std::uint64_t oldest_ = 0; // the number of the oldest line still kept
    std::deque<RecordedLeap> leaps_; // oldest first
    std::size_t leapValues_ = 0; // registers kept in leaps_
};

} // namespace tessivar
