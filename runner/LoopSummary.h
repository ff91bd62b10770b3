#pragma once

#include "CompiledOp.h"
#include "Machine.h"
#include "PassSeries.h"
#include "PassWalk.h"
#include "StepCount.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tessivar {

// The whole passes a leap skipped, and the lines its search followed.
struct Leap {
    StepCount passes = 0;
    StepCount lines = 0; // comments included
    StepCount comments = 0;
    std::uint64_t cost = 0;
};

// Skips the passes of a loop that run exactly like the one about to start.
//
// A pass is walked from the loop's head with the registers as they are, inner
// loops summarised on the way (PassWalk); the passes that follow its path are
// then applied at once (PassSeries). The pass walked is, in turn: one trip
// back to the head; one where the head starts an inner loop of its own, whose
// passes are summarised before the trip that leaves and comes back (a reset
// that jumps back to the loop's first line); several trips, for paths that
// repeat only after them (a flag, a counter modulo a number, registers in a
// ring), up to PassWalk::kLongestPeriod. The pass in which anything changes
// is left to the caller.
class LoopSummary {
public:
    explicit LoopSummary(std::span<const compiled::Op> ops);
    ~LoopSummary();

    // `reg` holds the registers as a pass starts at line index `head`.
    // Applies whole passes to `reg` and `written` and returns what they
    // counted; no passes when the loop cannot be summarised from here or when
    // too few lines would be skipped for the search to pay. `oldValues`, when
    // given, receives the registers the passes changed with their values before.
    // Periods past three trips, whose search may follow PassWalk::kLongestWalk
    // lines, are sought only with `seekLongPeriods`: for a loop that came back
    // unsummarised time and again, and so is likely to run long.
    Leap Apply(std::uint32_t head, std::int64_t* reg, bool* written, LeapRoom room,
               std::vector<RegisterValue>* oldValues = nullptr, bool seekLongPeriods = true);

private:
    struct Search; // made on the first use: most runs never need it
    std::span<const compiled::Op> ops_;
    std::unique_ptr<Search> search_;
};

} // namespace tessivar
