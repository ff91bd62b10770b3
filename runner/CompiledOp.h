#pragma once

#include <cstdint>

namespace tessivar::compiled {

enum class OpKind : std::uint8_t {
    S,
    Z,
    T,
    J, // a jump whose target lies inside the program, after the jump
    LoopJ, // a jump back to its own line or before: the end of a loop's iteration
    JumpOut, // a jump whose target ends the program
    NoOp, // includes jumps that are never taken
    Comment,
    Delegate, // a line only Machine::ExecuteStep may carry out (registers above 256)
    Stop, // a line the run must stop before, unless the run starts on it
    Halt, // one past the last line
};

// One program line, compiled.
struct Op {
    std::uint32_t target = 0; // PC after a taken jump (JumpPC + 1)
    OpKind kind = OpKind::NoOp;
    std::uint8_t first = 0; // 0-based register: S, Z, T source, J left side
    std::uint8_t second = 0; // 0-based register: T destination, J right side
};

} // namespace tessivar::compiled
