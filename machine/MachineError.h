#pragma once

#include <string>

namespace tessivar {

// A failure that ends an operation where it occurs; the window shows `message`
// in its error box, the command-line runner prints it.
struct MachineError {
    enum class Kind {
        RangeCheck,        // more than 256 register lines
        IntegerOverflow,   // a value too near the 64-bit limits
        RegisterNumber,    // an instruction names a register above 256
    };
    Kind kind;
    std::string message;
};

// The error box appends a full stop unless the text already ends in "." or in a
// character of lower code (a blank, for instance).
std::string ErrorBoxText(const std::string& message);

} // namespace tessivar
