// Register lines: the parser agrees with a plain reading of the syntax, the
// canonical text is a fixed point, and Set keeps the register editor and the
// registers in agreement.

#include "FuzzCheck.h"
#include "Machine.h"
#include "ReferenceNumber.h"
#include "RegisterText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tessivar;
using fuzz::Check;

bool LooksCanonical(const std::string& text)
{
    const std::string_view digits = text.starts_with('-') ? std::string_view(text).substr(1) : text;
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos
        && (digits == "0" ? text == "0" : digits.front() != '0');
}

void CheckLine(std::string_view line)
{
    const std::optional<std::int64_t> value = ParseRegisterLine(line);
    Check(value == fuzz::ReferenceNumber(line, 64));
    Check(RegisterLineValue(line) == value.value_or(0));

    const std::string canonical = CanonicalRegisterText(value.value_or(0));
    Check(LooksCanonical(canonical));
    Check(ParseRegisterLine(canonical) == value.value_or(0));
    Check(CanonicalRegisterText(*ParseRegisterLine(canonical)) == canonical);
}

void CheckSet(std::string_view text)
{
    const TextLines typed = SplitTextLines(text);
    TextLines panel = typed;
    Machine machine;
    const SetOutcome outcome = machine.Set(panel, {});

    Check(panel.size() == typed.size());
    Check(outcome.loadedRegisters <= typed.size() && outcome.loadedRegisters <= kRegisterCount);
    // Lines up to the one that stopped Set were loaded and rewritten; the rest are as typed.
    const std::size_t touched = outcome.error && outcome.error->kind == MachineError::Kind::IntegerOverflow
        ? outcome.loadedRegisters + 1
        : outcome.loadedRegisters;
    for (std::size_t i = 0; i < panel.size(); ++i) {
        const std::int64_t expected = i < touched ? RegisterLineValue(typed[i]) : 0;
        if (i < kRegisterCount) {
            Check(machine.registers[i] == expected);
        }
        Check(panel[i] == (i < touched ? CanonicalRegisterText(expected) : typed[i]));
        if (i < outcome.loadedRegisters) {
            Check(expected <= kLargestSetValue && expected >= -kLargestSetValue);
        }
    }
    Check(outcome.error.has_value() == (outcome.loadedRegisters < typed.size()));
    Check(!outcome.error || outcome.error->kind != MachineError::Kind::RangeCheck
          || outcome.loadedRegisters == kRegisterCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = text.find_first_of("\r\n");
    CheckLine(text.substr(0, lineEnd));
    CheckSet(text);
    return 0;
}
