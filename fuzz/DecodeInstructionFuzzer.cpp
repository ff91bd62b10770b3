// Decoding: fields, numbers and jump targets agree with plain readings of the
// syntax, and one step of the decoded line moves the machine as decoded.
//
// Input: 8 bytes of the machine's pc, 4 bytes of line count (little-endian), then the line.

#include "DecodeInstruction.h"
#include "FuzzCheck.h"
#include "Machine.h"
#include "ReferenceNumber.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tessivar;
using fuzz::Check;

__extension__ typedef __int128 Wide;

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// Without quotes, the non-empty fields are exactly the runs of characters that
// are neither blanks, control characters nor commas.
void CheckPlainFields(std::string_view line, const std::vector<std::string>& fields)
{
    std::vector<std::string> runs;
    std::string run;
    for (const char c : line) {
        if (IsBlank(c) || c == ',') {
            if (!run.empty()) {
                runs.push_back(run);
            }
            run.clear();
        } else {
            run += c;
        }
    }
    if (!run.empty()) {
        runs.push_back(run);
    }
    std::vector<std::string> nonEmpty;
    std::copy_if(fields.begin(), fields.end(), std::back_inserter(nonEmpty),
                 [](const std::string& field) { return !field.empty(); });
    Check(nonEmpty == runs);
}

std::int32_t ReferenceArgument(const std::vector<std::string>& fields, std::size_t index)
{
    if (fields.size() <= index) {
        return 0;
    }
    return static_cast<std::int32_t>(fuzz::ReferenceNumber(fields[index], 32).value_or(0));
}

std::int32_t ReferenceJumpPC(const std::vector<std::string>& fields, std::int64_t pc, std::int32_t lineCount)
{
    if (fields.size() < 4) {
        return 0;
    }
    const std::string_view target = fields[3];
    Wide result = 0;
    if (target.starts_with('.')) {
        result = Wide{pc} + fuzz::ReferenceNumber(target.substr(1), 32).value_or(0) - 1;
    } else {
        result = Wide{fuzz::ReferenceNumber(target, 32).value_or(2)} - 2;
    }
    if (result == -2) {
        result = Wide{lineCount} - 1;
    }
    if (result > INT32_MAX) {
        return kJumpPastTheEnd;
    }
    return result >= INT32_MIN ? static_cast<std::int32_t>(result) : kJumpNeverTaken;
}

void CheckDecoded(std::string_view line, std::int64_t pc, std::int32_t lineCount)
{
    const std::string_view text = line.substr(0, line.find('\0'));
    const std::vector<std::string> fields = SplitFields(line);
    if (text.find('"') == std::string_view::npos) {
        CheckPlainFields(text, fields);
    }
    for (const std::string& field : fields) {
        Check(ParseInstructionNumber(field) == fuzz::ReferenceNumber(field, 32));
    }

    const DecodedInstruction decoded = DecodeInstruction(line, pc, lineCount);
    Check(std::none_of(decoded.Mnemonic.begin(), decoded.Mnemonic.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
    const std::string first = fields.empty() ? std::string() : fields[0];
    Check(decoded.Mnemonic.size() == first.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        const bool upper = first[i] >= 'A' && first[i] <= 'Z';
        Check(decoded.Mnemonic[i] == (upper ? first[i] + ('a' - 'A') : first[i]));
    }
    Check(decoded.FirstArg == ReferenceArgument(fields, 1));
    Check(decoded.SecondArg == ReferenceArgument(fields, 2));
    Check(decoded.JumpPC == ReferenceJumpPC(fields, pc, lineCount));

    const auto firstVisible = std::find_if(text.begin(), text.end(), [](char c) { return !IsBlank(c); });
    const char lead = firstVisible == text.end() ? '\0' : *firstVisible;
    if (lead == '/') {
        Check(decoded.IsComment);
    }
    if (decoded.IsComment) {
        Check(lead == '/' || lead == '"');
    }
}

// One step of `line`, placed at a small pc in an otherwise empty program.
void CheckStep(std::string_view line, std::int64_t pc)
{
    Machine machine;
    machine.program.assign(static_cast<std::size_t>(pc) + 2, "");
    machine.program[static_cast<std::size_t>(pc)] = std::string(line);
    machine.pc = pc;
    for (std::size_t i = 0; i < machine.registers.size(); ++i) {
        machine.registers[i] = static_cast<std::int64_t>(i % 3);
    }
    machine.registers[2] = INT64_MAX;
    const Machine before = machine;

    const DecodedInstruction decoded = machine.DecodeCurrent();
    const StepOutcome outcome = machine.ExecuteStep();
    if (outcome.error) {
        Check(outcome.error->kind == MachineError::Kind::RegisterNumber
              || outcome.error->kind == MachineError::Kind::IntegerOverflow);
        Check(machine.registers == before.registers && machine.pc == before.pc
              && machine.stepCount == before.stepCount);
        return;
    }
    const InstructionEffect& effect = outcome.effect;
    Check(effect.executedPC == pc);
    Check(machine.stepCount == (effect.kind == InstructionKind::Comment ? 0 : 1));
    Check(machine.pc == (effect.jumpTaken ? std::int64_t{decoded.JumpPC} + 1 : pc + 1));
    Check(!effect.jumpTaken || decoded.JumpPC >= -1);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < machine.registers.size(); ++i) {
        changed += machine.registers[i] != before.registers[i];
    }
    Check(changed <= 1);
    if (WritesRegister(effect.kind)) {
        Check(effect.targetRegister >= 1 && effect.targetRegister <= kRegisterCount);
        Check(machine.registers[static_cast<std::size_t>(effect.targetRegister - 1)] == effect.newValue);
    } else {
        Check(changed == 0);
    }
}

template <typename T> T Take(const std::uint8_t*& data, std::size_t& size)
{
    T value{};
    const std::size_t count = std::min(size, sizeof value);
    std::memcpy(&value, data, count);
    data += count;
    size -= count;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pc = Take<std::int64_t>(data, size);
    const auto lineCount = Take<std::int32_t>(data, size);
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    CheckDecoded(line, pc, lineCount);
    CheckStep(line, static_cast<std::int64_t>(static_cast<std::uint64_t>(pc) % 16));
    return 0;
}
