#pragma once

#include "Machine.h"
#include "PassWalk.h"
#include "StepCount.h"
#include "WideMath.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tessivar {

// What a leap may not pass, beside the loop's own exit and the 64-bit limit.
struct LeapRoom {
    StepCount lines = 0; // lines the run may still execute
    StepCount steps = 0; // steps the step counter may still count
};

// Passes like a walked one, repeated: how many follow the same path from the
// registers as they are, and what they leave.
//
// A pass maps the registers at its start to those at its end by affine
// functions. When no register depends on itself other than by adding to
// itself, and no two depend on each other, every register is, after a few
// passes, a polynomial in the number of passes: of degree 1 for a counter, 2
// for a sum of counters (an arithmetic series). So is every condition of the
// pass, and the lines it counts; three values after those first passes fix
// each polynomial, and the first pass that breaks a condition is found from
// it exactly.
class PassSeries {
public:
    struct Plan {
        StepCount passes = 0;
        StepCount lines = 0;
        StepCount comments = 0;
    };

    // The passes that follow the walked one's path from `reg`, all within
    // `room`; none when the pass cannot be repeated in closed form.
    Plan Make(const PassWalk& walk, const std::int64_t* reg, LeapRoom room);

    // After Make: the changed registers with their values after its passes.
    std::span<const RegisterValue> Finals() const { return finals_; }

private:
    static constexpr int kLatestStart = 6;

    struct Polynomial;

    bool Analyse(const PassWalk& walk);
    bool Visit(const PassWalk& walk, std::uint8_t index);
    int DegreeOf(const LinearForm& form) const;
    bool FillStates(const PassWalk& walk, const std::int64_t* reg);
    std::optional<Wide> FirstBroken(const PassCondition& condition) const;
    std::optional<Polynomial> Series(const LinearForm& form) const;
    std::optional<Wide> Sum(const Polynomial& perPass, Wide passes) const;
    bool FillFinals(const PassWalk& walk, Wide passes);

    enum class Mark : std::uint8_t { None, Visiting, Done };
    std::array<Mark, kRegisterCount> marks_{};
    std::array<bool, kRegisterCount> isChanged_{};
    std::array<std::int8_t, kRegisterCount> degree_{};
    std::array<std::int8_t, kRegisterCount> start_{};
    int latestStart_ = 0; // from this pass on, all is polynomial
    int highestDegree_ = 0;
    // The registers at the start of passes 0 to latestStart_ + 2.
    std::vector<std::array<Wide, kRegisterCount>> states_;
    std::vector<RegisterValue> finals_;
};

} // namespace tessivar
