#include "PassSeries.h"

#include <algorithm>

namespace tessivar {

namespace {

// More passes than any run can count: a loop that never leaves is skipped up
// to the budget, or up to the step count's ceiling.
constexpr Wide kMostPasses = Wide{1} << 120;
// With sums of series, fewer, so that their arithmetic stays within 128 bits.
constexpr Wide kMostQuadraticPasses = Wide{1} << 60;

std::optional<Wide> Add(std::optional<Wide> a, std::optional<Wide> b)
{
    return a && b ? tessivar::Sum(*a, *b) : std::nullopt;
}

std::optional<Wide> Multiply(std::optional<Wide> a, std::optional<Wide> b)
{
    return a && b ? Product(*a, *b) : std::nullopt;
}

// n(n-1)/2 and n(n-1)(n-2)/6, the number of passes' pairs and triples.
std::optional<Wide> Pairs(Wide n)
{
    return n % 2 == 0 ? Product(n / 2, n - 1) : Product(n, (n - 1) / 2);
}

std::optional<Wide> Triples(Wide n)
{
    const std::optional<Wide> product = Multiply(Product(n, n - 1), n - 2);
    return product ? std::optional<Wide>(*product / 6) : std::nullopt;
}

} // namespace

// A quantity per pass: its values at passes 0 to start + 2 and, from pass
// `start` on, p0 + n·d1 + n(n-1)/2·d2 at pass start + n.
struct PassSeries::Polynomial {
    std::array<Wide, kLatestStart + 3> values{};
    int start = 0;
    Wide p0 = 0;
    Wide d1 = 0;
    Wide d2 = 0;

    std::optional<Wide> At(Wide pass) const
    {
        if (pass < start + 3) {
            return values[static_cast<std::size_t>(pass)];
        }
        return FromStart(pass - start);
    }

    std::optional<Wide> FromStart(Wide n) const
    {
        const std::optional<Wide> linear = d1 == 0 ? 0 : Product(n, d1);
        const std::optional<Wide> square = d2 == 0 ? 0 : Multiply(Pairs(n), d2);
        return Add(Add(p0, linear), square);
    }

    // The first n from `start` on at which the quantity is 0 or less; nothing
    // when never. Each stretch where it only falls is searched by halves.
    std::optional<Wide> FirstNonPositive() const
    {
        if (p0 <= 0) {
            return 0;
        }
        if (d2 == 0) {
            return d1 >= 0 ? std::nullopt : std::optional<Wide>((p0 - d1 - 1) / -d1);
        }
        // It falls while d1 + n·d2 < 0.
        const Wide turn = d2 > 0 ? (d1 >= 0 ? 0 : (-d1 + d2 - 1) / d2) : (d1 <= 0 ? 0 : (d1 - d2 - 1) / -d2);
        Wide low = d2 > 0 ? 0 : turn;
        Wide high = d2 > 0 ? turn : std::max(turn, Wide{1});
        if (d2 < 0) {
            while (IsPositive(high)) { // too large to stay positive: it falls for good
                high *= 2;
            }
        } else if (IsPositive(high)) {
            return std::nullopt;
        }
        while (low < high) {
            const Wide middle = low + (high - low) / 2;
            if (IsPositive(middle)) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return low;
    }

    // A value beyond 128 bits is far below 0 where the quantity falls for good.
    bool IsPositive(Wide n) const
    {
        const std::optional<Wide> value = FromStart(n);
        return value && *value > 0;
    }
};

PassSeries::Plan PassSeries::Make(const PassWalk& walk, const std::int64_t* reg, LeapRoom room)
{
    finals_.clear();
    if (!Analyse(walk) || !FillStates(walk, reg)) {
        return {};
    }
    Wide bound = highestDegree_ >= 2 ? kMostQuadraticPasses : kMostPasses;
    for (const PassCondition& condition : walk.Conditions()) {
        const std::optional<Wide> broken = FirstBroken(condition);
        if (!broken) {
            return {};
        }
        bound = std::min(bound, *broken);
    }
    const std::optional<Polynomial> lines = Series(walk.Lines());
    const std::optional<Polynomial> comments = Series(walk.Comments());
    if (!lines || !comments) {
        return {};
    }
    const auto fits = [&](Wide passes) {
        const std::optional<Wide> lineCount = Sum(*lines, passes);
        const std::optional<Wide> commentCount = Sum(*comments, passes);
        return lineCount && commentCount && *lineCount <= room.lines && *lineCount - *commentCount <= room.steps;
    };
    Wide low = 0;
    Wide high = bound;
    while (low < high) {
        const Wide middle = high - (high - low) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    if (low == 0 || !FillFinals(walk, low)) {
        return {};
    }
    return {.passes = low, .lines = *Sum(*lines, low), .comments = *Sum(*comments, low)};
}

// The degree of each changed register as a polynomial in the number of passes,
// and the pass from which it is one.
bool PassSeries::Analyse(const PassWalk& walk)
{
    for (int index = 0; index < kRegisterCount; ++index) {
        marks_[static_cast<std::size_t>(index)] = Mark::None;
        isChanged_[static_cast<std::size_t>(index)] = false;
    }
    for (const std::uint8_t index : walk.Changed()) {
        isChanged_[index] = true;
    }
    latestStart_ = 0;
    highestDegree_ = 0;
    for (const std::uint8_t index : walk.Changed()) {
        if (!Visit(walk, index)) {
            return false;
        }
        latestStart_ = std::max<int>(latestStart_, start_[index]);
        highestDegree_ = std::max<int>(highestDegree_, degree_[index]);
    }
    return true;
}

// A register that adds to itself what other registers give has one degree
// more than they, from the same pass; one set from others, their degree, one
// pass later. Registers that depend on each other, or that scale themselves,
// make no polynomial.
bool PassSeries::Visit(const PassWalk& walk, std::uint8_t index)
{
    if (marks_[index] == Mark::Done) {
        return true;
    }
    if (marks_[index] == Mark::Visiting) {
        return false;
    }
    marks_[index] = Mark::Visiting;
    const LinearForm& end = walk.End(index);
    const std::int64_t own = end.CoefficientOf(index);
    if (!end.Valid() || (own != 0 && own != 1)) {
        return false;
    }
    int degree = 0;
    int start = 0;
    for (const LinearForm::Term& term : end.Terms()) {
        if (term.index == index || !isChanged_[term.index]) {
            continue;
        }
        if (!Visit(walk, term.index)) {
            return false;
        }
        degree = std::max<int>(degree, degree_[term.index]);
        start = std::max<int>(start, start_[term.index]);
    }
    degree += own;
    start += 1 - static_cast<int>(own);
    if (degree > 2 || start > kLatestStart) {
        return false;
    }
    degree_[index] = static_cast<std::int8_t>(degree);
    start_[index] = static_cast<std::int8_t>(start);
    marks_[index] = Mark::Done;
    return true;
}

int PassSeries::DegreeOf(const LinearForm& form) const
{
    int degree = 0;
    for (const LinearForm::Term& term : form.Terms()) {
        if (isChanged_[term.index]) {
            degree = std::max<int>(degree, degree_[term.index]);
        }
    }
    return degree;
}

bool PassSeries::FillStates(const PassWalk& walk, const std::int64_t* reg)
{
    states_.resize(static_cast<std::size_t>(latestStart_ + 3));
    std::copy(reg, reg + kRegisterCount, states_[0].begin());
    for (std::size_t pass = 1; pass < states_.size(); ++pass) {
        states_[pass] = states_[pass - 1];
        for (const std::uint8_t index : walk.Changed()) {
            const std::optional<Wide> value = walk.End(index).Evaluate(states_[pass - 1]);
            if (!value) {
                return false;
            }
            states_[pass][index] = *value;
        }
    }
    return true;
}

// The values of `form` at the start of each pass.
std::optional<PassSeries::Polynomial> PassSeries::Series(const LinearForm& form) const
{
    Polynomial series;
    series.start = latestStart_;
    for (std::size_t pass = 0; pass < states_.size(); ++pass) {
        const std::optional<Wide> value = form.Evaluate(states_[pass]);
        if (!value) {
            return std::nullopt;
        }
        series.values[pass] = *value;
    }
    const auto at = [&](int offset) { return series.values[static_cast<std::size_t>(latestStart_ + offset)]; };
    series.p0 = at(0);
    series.d1 = at(1) - at(0);
    series.d2 = at(2) - 2 * at(1) + at(0);
    const int degree = DegreeOf(form);
    if ((degree < 2 && series.d2 != 0) || (degree < 1 && series.d1 != 0)) {
        return std::nullopt; // not the polynomial the analysis promised
    }
    return series;
}

// The first pass that breaks `condition` (kMostPasses: none); nothing when
// that cannot be worked out.
std::optional<Wide> PassSeries::FirstBroken(const PassCondition& condition) const
{
    const std::optional<Polynomial> series = Series(condition.form);
    if (!series) {
        return std::nullopt;
    }
    for (int pass = 0; pass < latestStart_; ++pass) {
        if (!condition.Holds(series->values[static_cast<std::size_t>(pass)])) {
            return pass;
        }
    }
    const Polynomial& g = *series;
    // Past the passes computed one by one, only where the polynomial settles it.
    const auto firstOfComputed = [&]() -> Wide {
        for (int n = 0; n < 3; ++n) {
            if (!condition.Holds(series->values[static_cast<std::size_t>(latestStart_ + n)])) {
                return n;
            }
        }
        return 3;
    };
    std::optional<Wide> n;
    switch (condition.kind) {
    case PassCondition::Kind::Zero: {
        // A polynomial of degree 2 that is 0 at three passes is 0 for good.
        const Wide first = firstOfComputed();
        n = first < 3 ? first : kMostPasses;
        break;
    }
    case PassCondition::Kind::NonZero:
        if (g.d2 != 0) {
            n = firstOfComputed();
        } else if (g.p0 == 0) {
            n = 0;
        } else if (g.d1 != 0 && (-g.p0) % g.d1 == 0 && -g.p0 / g.d1 > 0) {
            n = -g.p0 / g.d1;
        } else {
            n = kMostPasses;
        }
        break;
    case PassCondition::Kind::Positive:
        n = g.FirstNonPositive().value_or(kMostPasses);
        break;
    case PassCondition::Kind::NotDivisible:
        n = g.d1 % condition.divisor == 0 && g.d2 % condition.divisor == 0 && g.p0 % condition.divisor != 0
            ? kMostPasses
            : firstOfComputed();
        break;
    }
    return std::min(kMostPasses, latestStart_ + *n);
}

std::optional<Wide> PassSeries::Sum(const Polynomial& perPass, Wide passes) const
{
    // The passes before the polynomial's start one by one, or all of them when they are computed anyway.
    const Wide direct = passes <= perPass.start + 3 ? passes : perPass.start;
    std::optional<Wide> sum = 0;
    for (Wide pass = 0; pass < direct; ++pass) {
        sum = Add(sum, perPass.values[static_cast<std::size_t>(pass)]);
    }
    if (passes == direct) {
        return sum;
    }
    const Wide n = passes - perPass.start;
    sum = Add(sum, Product(n, perPass.p0));
    if (perPass.d1 != 0) {
        sum = Add(sum, Multiply(Pairs(n), perPass.d1));
    }
    if (perPass.d2 != 0) {
        sum = Add(sum, Multiply(Triples(n), perPass.d2));
    }
    return sum;
}

bool PassSeries::FillFinals(const PassWalk& walk, Wide passes)
{
    for (const std::uint8_t index : walk.Changed()) {
        const std::optional<Polynomial> series = Series(LinearForm::Register(index));
        const std::optional<Wide> value = series ? series->At(passes) : std::nullopt;
        if (!value || !FitsInt64(*value)) {
            return false;
        }
        finals_.push_back({.registerNumber = index + 1, .value = static_cast<std::int64_t>(*value)});
    }
    return true;
}

} // namespace tessivar
