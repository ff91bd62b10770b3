#include "LoopSummary.h"

#include <array>

namespace tessivar {

namespace {

// The passes a search walks, cheapest first.
constexpr std::array<WalkPlan, 4> kPlans{
    WalkPlan{.returns = 1, .innerAtHead = false},
    WalkPlan{.returns = 1, .innerAtHead = true},
    WalkPlan{.returns = 2, .innerAtHead = false},
    WalkPlan{.returns = 3, .innerAtHead = false},
};

// A leap that skips this many lines per line its search followed ends the
// search; one that skips fewer than kWorthPerCost is not taken, since the
// lines run as fast as it could be applied.
constexpr StepCount kEnoughPerCost = 64;
constexpr StepCount kWorthPerCost = 2;

} // namespace

struct LoopSummary::Search {
    explicit Search(std::span<const compiled::Op> ops) : walk(ops) {}

    PassWalk walk;
    PassSeries series;
    // The best leap found so far: its plan, its registers and the registers it writes.
    PassSeries::Plan best;
    std::vector<RegisterValue> finals;
    std::vector<std::uint8_t> written;
};

LoopSummary::LoopSummary(std::span<const compiled::Op> ops) : ops_(ops)
{}

LoopSummary::~LoopSummary() = default;

Leap LoopSummary::Apply(std::uint32_t head, std::int64_t* reg, bool* written, LeapRoom room,
                        std::vector<RegisterValue>* oldValues)
{
    if (!search_) {
        search_ = std::make_unique<Search>(ops_);
    }
    Search& search = *search_;
    search.best = {};
    std::uint64_t cost = 0;
    for (const WalkPlan& plan : kPlans) {
        const bool walked = search.walk.Walk(head, reg, plan);
        cost += search.walk.Cost();
        if (!walked) {
            continue;
        }
        const PassSeries::Plan found = search.series.Make(search.walk, reg, room);
        if (found.lines > search.best.lines) {
            search.best = found;
            search.finals.assign(search.series.Finals().begin(), search.series.Finals().end());
            search.written.assign(search.walk.Written().begin(), search.walk.Written().end());
        }
        if (search.best.lines >= kEnoughPerCost * cost) {
            break;
        }
    }
    if (search.best.passes == 0 || search.best.lines < kWorthPerCost * cost) {
        return {.cost = cost};
    }
    for (const RegisterValue& final : search.finals) {
        std::int64_t& value = reg[final.registerNumber - 1];
        if (oldValues != nullptr && value != final.value) {
            oldValues->push_back({.registerNumber = final.registerNumber, .value = value});
        }
        value = final.value;
    }
    for (const std::uint8_t index : search.written) {
        written[index] = true;
    }
    return {.passes = search.best.passes, .lines = search.best.lines, .comments = search.best.comments, .cost = cost};
}

} // namespace tessivar
