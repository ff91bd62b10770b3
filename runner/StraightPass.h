#pragma once

#include "CompiledOp.h"
#include "Machine.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tessivar {

// One pass of a loop without inner loops, traced from its head with the
// registers as they are, each value it computes relative to the registers at
// the pass's start: a register's start value plus a constant, or a constant.
// With the slopes (how much each register moves per pass) this is all it
// takes to know any later pass that follows the same path.
class StraightPass {
public:
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

    explicit StraightPass(std::span<const compiled::Op> ops) : ops_(ops) {}

    // Follows the lines from `head` as they would run now, until the path is
    // back at `head`, and works out the slopes; fails on a line that leaves
    // the loop or that the runner must not pass, on a path longer than
    // kLongestPath, and on registers that swap values in a ring (no slope).
    bool Trace(std::uint32_t head, const std::int64_t* reg);

    static constexpr std::uint64_t kLongestPath = 128;

    std::uint64_t Lines() const { return lines_; }
    std::uint64_t Comments() const { return comments_; }
    std::span<const JumpTest> Jumps() const { return jumps_; }
    std::span<const Affine> Increments() const { return increments_; } // the value each S met
    std::span<const std::uint8_t> WrittenRegisters() const { return writtenRegisters_; }
    Affine End(std::uint8_t index) const { return end_[index]; } // of a written register
    std::int64_t SlopeOf(Affine value) const;

private:
    bool FindSlopes();
    void Forget();
    Affine Read(std::uint8_t index) const;
    void Write(std::uint8_t index, Affine value);

    std::span<const compiled::Op> ops_;
    std::uint64_t lines_ = 0;
    std::uint64_t comments_ = 0;
    std::vector<JumpTest> jumps_;
    std::vector<Affine> increments_;
    std::vector<std::uint8_t> writtenRegisters_;
    std::array<bool, kRegisterCount> isWritten_{};
    std::array<Affine, kRegisterCount> end_{}; // valid where isWritten_
    std::array<std::int64_t, kRegisterCount> slope_{}; // valid where isWritten_
};

} // namespace tessivar
