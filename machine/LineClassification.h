#pragma once

#include "DecodeInstruction.h"
#include "Machine.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessivar {

// Faults in how a line is written; each follows from the line's text alone.
enum class LineFault {
    NoOpStep, // written like an instruction, yet it runs as a step that does nothing
    MissingRegister, // names a register above 256: the step fails
    UnreadableTarget, // a J whose target is missing or unreadable
};

// A fault and the bytes of the editor line it concerns.
struct FaultMark {
    LineFault fault = LineFault::NoOpStep;
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Why a no-op line does nothing.
enum class NoOpCause {
    None, // not a no-op line
    Blank, // no field at all
    FullWidth, // characters beyond ASCII, which no field accepts
    NoSeparator, // "S3": the mnemonic runs into its number
    UnknownMnemonic,
    NoBreakSpace, // U+00A0, which separates no fields
    ArgumentMissing, // "S", "T(2)", "J(1)"
    NotARegisterNumber, // "S(0)", "S(-1)", "S(x)"
    NumberTooLarge, // "S(2147483648)": beyond 32 bits, so read as no number
    NotAWholeNumber, // "S(1.5)"
};

// Why the text of a field is read as no number, as the decoder reads numbers.
enum class NumberFault {
    None, // read
    NotANumber,
    TooLarge, // digits beyond the 32 bits
    NotWhole, // digits with a decimal point
};

NumberFault NumberFaultOf(std::string_view text);

// How a J line writes its target, the fourth field.
enum class TargetForm {
    Absolute, // q: line q
    Relative, // .k: k lines on from this one
    Missing, // no fourth field
    Unreadable, // a fourth field that is no number, or "." with no number after it
};

// Where a taken jump continues.
struct JumpDestination {
    enum class Kind {
        Line, // `line`, inside the program
        PastEnd, // `line`, beyond the last, even past the 32-bit range: the program ends
        End, // the target names line 0: the program ends
        NeverTaken, // before the first line, even past the 32-bit range
    };
    Kind kind = Kind::NeverTaken;
    std::int64_t line = 0; // 1-based, for Line and PastEnd

    bool operator==(const JumpDestination&) const = default;
};

// A number written in hexadecimal, with the value the machine reads.
struct HexNumber {
    std::string text;
    std::int32_t value = 0;
};

// What the machine will make of one line of the program editor.
struct LineClassification {
    InstructionKind kind = InstructionKind::NoOp;
    DecodedInstruction decoded;
    NoOpCause noOpCause = NoOpCause::None;
    std::vector<FaultMark> faults;
    std::string unreadNumber; // the field of a NumberTooLarge or NotAWholeNumber cause
    std::vector<std::int32_t> missingRegisters; // named registers above 256
    std::vector<HexNumber> hexNumbers; // among the numbers the instruction uses
    // J lines only.
    TargetForm targetForm = TargetForm::Missing;
    std::string targetText; // the fourth field as written
    std::int64_t targetNumber = 0; // q or k, when readable
    NumberFault targetFault = NumberFault::None; // why an Unreadable target is
    std::optional<JumpDestination> destination;
};

// How many lines Set puts in the program list for an editor of `editorLineCount`
// lines: one empty last line gives no entry.
std::int32_t ProgramLineCount(std::size_t editorLineCount, bool lastLineEmpty);

// Decodes `editorLine` as Set prepares it, at 0-based `index` of a program of
// `lineCount` lines. `kind`, `noOpCause` and `faults` follow from the text
// alone; the destination of a J line depends on where it stands and on the
// number of lines.
LineClassification ClassifyLine(std::string_view editorLine, std::int64_t index, std::int32_t lineCount);

} // namespace tessivar
