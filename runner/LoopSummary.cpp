#include "LoopSummary.h"

#include <algorithm>
#include <array>

namespace tessivar {

namespace {

// The passes a search walks, cheapest first; the last, of paths that repeat
// after several trips, is taken on from each trip where its period may end.
constexpr std::array<WalkPlan, 3> kPlans{
    WalkPlan{.returns = 1},
    WalkPlan{.returns = 1, .innerAtHead = true},
    WalkPlan{.returns = 2, .longestPeriod = PassWalk::kLongestPeriod},
};

// Once a leap worth taking is found, or when long periods are not sought,
// periods are sought only as far as paths that merely alternate need: the
// search stays as cheap as the leap.
constexpr int kShortPeriod = 3;

// A leap that skips this many lines per line its search followed ends the
// search; one that skips fewer than kWorthPerCost is not taken, since the
// lines run as fast as it could be applied.
constexpr StepCount kEnoughPerCost = 64;
constexpr StepCount kWorthPerCost = 2;

} // namespace

struct LoopSummary::Search {
    explicit Search(std::span<const compiled::Op> ops) : walk(ops) {}

    // Keeps the leap from the pass just walked if it skips more lines than the best so far.
    void Consider(const std::int64_t* reg, LeapRoom room)
    {
        const PassSeries::Plan found = series.Make(walk, reg, room);
        if (found.lines > best.lines) {
            best = found;
            finals.assign(series.Finals().begin(), series.Finals().end());
            written.assign(walk.Written().begin(), walk.Written().end());
        }
    }

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
                        std::vector<RegisterValue>* oldValues, bool seekLongPeriods)
{
    if (!search_) {
        search_ = std::make_unique<Search>(ops_);
    }
    Search& search = *search_;
    search.best = {};
    std::uint64_t cost = 0;
    const auto enough = [&] { return search.best.lines >= kEnoughPerCost * cost; };
    // Once a leap is found, a longer period is sought only as long as the leap stays worth its search.
    const auto mostCost = [&](std::uint64_t before) {
        const auto worth
            = static_cast<std::uint64_t>(std::min<StepCount>(search.best.lines / kWorthPerCost, UINT64_MAX));
        return search.best.passes == 0 ? UINT64_MAX : worth - std::min(worth, before);
    };
    for (WalkPlan plan : kPlans) {
        if (!seekLongPeriods || (search.best.passes > 0 && search.best.lines >= kWorthPerCost * cost)) {
            plan.longestPeriod = std::min(plan.longestPeriod, kShortPeriod);
        }
        const std::uint64_t before = cost;
        for (bool walked = search.walk.Walk(head, reg, plan); walked; walked = search.walk.Resume(mostCost(before))) {
            cost = before + search.walk.Cost();
            search.Consider(reg, room);
            if (enough() || !plan.Seeks()) {
                break;
            }
        }
        cost = before + search.walk.Cost();
        if (enough()) {
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
