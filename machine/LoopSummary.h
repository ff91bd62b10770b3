#pragma once

#include "CompiledOp.h"
#include "Machine.h"
#include "StepCount.h"

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

// The whole iterations a leap skipped.
struct Leap {
    StepCount iterations = 0;
    StepCount lines = 0; // comments included
    StepCount comments = 0;
};

// Skips the iterations of a loop that run exactly like the one about to start.
//
// One iteration is traced from the loop's head with the registers as they are.
// Each register it writes ends as a register's start value plus a constant, or
// as a constant. Once every written register sits where that map keeps it
// moving by a fixed amount per iteration (its slope), every register and every
// compared difference along the path is a linear function of the iteration
// number. So the path repeats until a jump's difference reaches zero or an S
// would pass the 64-bit maximum, and those iterations are applied at once;
// the iteration where anything changes is left to the caller to run line by line.
class LoopSummary {
public:
    explicit LoopSummary(std::span<const compiled::Op> ops);

    // `reg` holds the registers as an iteration starts at line index `head`.
    // Applies whole iterations to `reg` and `written` and returns what they
    // counted; nothing when the loop cannot be summarised from here or when
    // too few iterations would be skipped. `oldValues`, when given, receives
    // the registers the iterations changed with their values before.
    Leap Apply(std::uint32_t head, std::int64_t* reg, bool* written, LeapRoom room,
               std::vector<RegisterValue>* oldValues = nullptr);

private:
    static constexpr std::int32_t kConstant = -1;

    // A register's start value (of `base`) plus `offset`, or `offset` alone.
    struct Affine {
        std::int32_t base = kConstant;
        std::int64_t offset = 0;
    };

    struct JumpTest {
        Affine left;
        Affine right;
        bool taken = false;
    };

    bool Trace(std::uint32_t head, const std::int64_t* reg);
    bool FindSlopes();
    bool IsSteady(const std::int64_t* reg) const;
    StepCount Iterations(const std::int64_t* reg, LeapRoom room) const;
    void Forget();

    Affine Read(std::uint8_t index) const;
    void Write(std::uint8_t index, Affine value);
    std::int64_t SlopeOf(Affine value) const;

    std::span<const compiled::Op> ops_;
    // The last traced iteration.
    std::uint64_t lines_ = 0;
    std::uint64_t comments_ = 0;
    std::vector<JumpTest> jumps_;
    std::vector<Affine> increments_; // the value each S met
    std::vector<std::uint8_t> writtenRegisters_;
    std::array<bool, kRegisterCount> isWritten_{};
    std::array<Affine, kRegisterCount> end_{}; // valid where isWritten_
    std::array<std::int64_t, kRegisterCount> slope_{}; // valid where isWritten_
};

} // namespace tessivar
