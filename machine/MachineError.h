#pragma once

#include "Message.h"

#include <cstdint>
#include <string>

namespace tessivar {

// A failure that ends an operation where it occurs; the window shows `message`
// in its error box, the command-line runner prints its Japanese text.
struct MachineError {
    enum class Kind {
        RangeCheck, // more than 256 register lines
        IntegerOverflow, // a value too near the 64-bit limits
        RegisterNumber, // an instruction names a register above 256
        NothingToExecute, // a step asked for before Set or after the program ended
    };
    Kind kind;
    Message message;
};

// The error box appends a full stop unless the text already ends in "." or in a
// character of lower code (a blank, for instance).
std::string ErrorBoxText(const std::string& message);

// Set met a 257th register line.
MachineError RangeCheckError();

// Set loaded a value whose ball slots cannot be addressed in 64 bits.
MachineError SetOverflowError();

// The step guard: no program, or the program has ended.
MachineError NothingToExecuteError();

// Line `lineNumber` (1-based) names register `registerNumber`, which does not exist.
MachineError RegisterNumberError(std::int64_t lineNumber, std::int64_t registerNumber);

// S on line `lineNumber` would take R(`registerNumber`) past the 64-bit maximum.
MachineError StepOverflowError(std::int64_t lineNumber, std::int64_t registerNumber);

} // namespace tessivar
