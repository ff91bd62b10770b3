#include "LineClassification.h"

#include "NumberSyntax.h"
#include "ProgramText.h"

#include <algorithm>

namespace tessivar {

namespace {

struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
};

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The written text of the line, without the blanks around it.
Span WrittenText(std::string_view line)
{
    const auto first = std::find_if_not(line.begin(), line.end(), IsBlank);
    const auto last = std::find_if_not(line.rbegin(), line.rend(), IsBlank).base();
    if (first >= last) {
        return {};
    }
    return {static_cast<std::size_t>(first - line.begin()), static_cast<std::size_t>(last - line.begin())};
}

// Where each field stands in the line: separators are all that lies between
// fields, so each is the next occurrence of its text. A field that cannot be
// found so (a quoted one with a doubled quote) or that is empty stands for the
// whole written text.
std::vector<Span> FieldSpans(std::string_view line, const std::vector<std::string>& fields)
{
    std::vector<Span> spans;
    std::size_t from = 0;
    for (const std::string& field : fields) {
        const std::size_t at = field.empty() ? std::string_view::npos : line.find(field, from);
        if (at == std::string_view::npos) {
            spans.push_back(WrittenText(line));
            continue;
        }
        spans.push_back({at, at + field.size()});
        from = at + field.size();
    }
    return spans;
}

// How many register numbers the mnemonic takes; 0 for no instruction. An S,
// Z, T or J line names that many, as its kind requires.
std::size_t RegistersTaken(const std::string& mnemonic)
{
    if (mnemonic == "s" || mnemonic == "z") {
        return 1;
    }
    if (mnemonic == "t" || mnemonic == "j") {
        return 2;
    }
    return 0;
}

// "s3", "J1": an instruction's letter with a number straight after it.
bool RunsIntoItsNumber(const std::string& mnemonic)
{
    if (mnemonic.size() < 2 || RegistersTaken(mnemonic.substr(0, 1)) == 0) {
        return false;
    }
    const char next = mnemonic[1];
    return (next >= '0' && next <= '9') || next == '$' || next == '+' || next == '-';
}

bool HoldsNoBreakSpace(std::string_view text)
{
    return text.find("\xC2\xA0") != std::string_view::npos;
}

// The register number that makes the line a no-op: its field and what is wrong with it.
NoOpCause BadRegisterNumber(const std::vector<std::string>& fields, std::size_t taken, std::string& unreadNumber)
{
    for (std::size_t i = 1; i <= taken; ++i) {
        if (IsRegisterNumber(ParseInstructionNumber(fields[i]).value_or(0))) {
            continue;
        }
        const NumberFault fault = NumberFaultOf(fields[i]);
        if (fault == NumberFault::TooLarge || fault == NumberFault::NotWhole) {
            unreadNumber = fields[i];
            return fault == NumberFault::TooLarge ? NoOpCause::NumberTooLarge : NoOpCause::NotAWholeNumber;
        }
        break;
    }
    return NoOpCause::NotARegisterNumber;
}

NoOpCause NoOpCauseOf(const std::vector<std::string>& fields, const std::string& mnemonic, std::string& unreadNumber)
{
    if (fields.empty()) {
        return NoOpCause::Blank;
    }
    const std::size_t taken = RegistersTaken(mnemonic);
    const auto looked = fields.begin() + static_cast<std::ptrdiff_t>(std::min(fields.size(), 1 + taken));
    if (std::any_of(fields.begin(), looked, HoldsNoBreakSpace)) {
        return NoOpCause::NoBreakSpace;
    }
    if (!std::all_of(fields.begin(), looked, IsAscii)) {
        return NoOpCause::FullWidth;
    }
    if (taken == 0) {
        return RunsIntoItsNumber(mnemonic) ? NoOpCause::NoSeparator : NoOpCause::UnknownMnemonic;
    }
    return fields.size() < 1 + taken ? NoOpCause::ArgumentMissing : BadRegisterNumber(fields, taken, unreadNumber);
}

void NoteMissingRegisters(LineClassification& line, const std::vector<Span>& spans)
{
    const std::int32_t numbers[] = {line.decoded.FirstArg, line.decoded.SecondArg};
    for (std::size_t i = 0; i < RegistersTaken(line.decoded.Mnemonic); ++i) {
        if (!IsRegisterNumber(numbers[i])) {
            line.missingRegisters.push_back(numbers[i]);
            line.faults.push_back({LineFault::MissingRegister, spans[i + 1].begin, spans[i + 1].end});
        }
    }
}

void NoteHexNumber(LineClassification& line, std::string_view text)
{
    if (!SplitNumberText(text).hexadecimal) {
        return;
    }
    if (const std::optional<std::int32_t> value = ParseInstructionNumber(text)) {
        line.hexNumbers.push_back({std::string(text), *value});
    }
}

void NoteHexNumbers(LineClassification& line, const std::vector<std::string>& fields)
{
    for (std::size_t i = 1; i <= RegistersTaken(line.decoded.Mnemonic); ++i) {
        NoteHexNumber(line, fields[i]);
    }
    if (line.kind == InstructionKind::J && fields.size() >= 4) {
        const std::string_view target = fields[3];
        NoteHexNumber(line, target.starts_with('.') ? target.substr(1) : target);
    }
}

// The fourth field of a J line: its form and q or k, read as the decoder
// reads them, or why they are not.
struct WrittenTarget {
    TargetForm form = TargetForm::Missing;
    std::int64_t number = 0;
    NumberFault fault = NumberFault::None;
};

WrittenTarget ReadTarget(const std::vector<std::string>& fields)
{
    if (fields.size() < 4) {
        return {TargetForm::Missing};
    }
    const std::string_view target = fields[3];
    const bool relative = target.starts_with('.');
    const std::string_view numberText = relative ? target.substr(1) : target;
    const std::optional<std::int32_t> number = ParseInstructionNumber(numberText);
    if (!number) {
        return {.form = TargetForm::Unreadable, .fault = NumberFaultOf(numberText)};
    }
    return {relative ? TargetForm::Relative : TargetForm::Absolute, *number};
}

// The decoder's `JumpPC` says whether a taken jump goes anywhere; the written
// target tells an end by line 0 from one beyond the last line, which share
// it, and names the line of a target past the 32-bit range, which `JumpPC`
// cannot hold.
JumpDestination DestinationOf(std::int32_t jumpPC, WrittenTarget target, std::int64_t index, std::int32_t lineCount)
{
    if (jumpPC < -1) {
        return {JumpDestination::Kind::NeverTaken};
    }
    const bool namesLineZero = (target.form == TargetForm::Absolute && target.number == 0)
        || (target.form == TargetForm::Relative && index + target.number == -1);
    if (namesLineZero) {
        return {JumpDestination::Kind::End};
    }
    std::int64_t landing = std::int64_t{jumpPC} + 2;
    if (target.form == TargetForm::Relative) {
        landing = index + 1 + target.number;
    }
    return {landing <= lineCount ? JumpDestination::Kind::Line : JumpDestination::Kind::PastEnd, landing};
}

// A missing target concerns the whole written line, an unreadable one its field.
void NoteTarget(LineClassification& line, const std::vector<std::string>& fields, const std::vector<Span>& spans,
                Span written, std::int64_t index, std::int32_t lineCount)
{
    const WrittenTarget target = ReadTarget(fields);
    line.targetForm = target.form;
    line.targetNumber = target.number;
    line.targetFault = target.fault;
    if (target.form == TargetForm::Missing) {
        line.faults.push_back({LineFault::UnreadableTarget, written.begin, written.end});
    } else {
        line.targetText = fields[3];
    }
    if (target.form == TargetForm::Unreadable) {
        line.faults.push_back({LineFault::UnreadableTarget, spans[3].begin, spans[3].end});
    }
    line.destination = DestinationOf(line.decoded.JumpPC, target, index, lineCount);
}

} // namespace

NumberFault NumberFaultOf(std::string_view text)
{
    if (ParseInstructionNumber(text)) {
        return NumberFault::None;
    }
    const NumberText number = SplitNumberText(text);
    const auto isDigit = [&](char c) {
        return (c >= '0' && c <= '9') || (number.hexadecimal && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
    };
    const std::string_view digits = number.digits;
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(), isDigit)) {
        return NumberFault::TooLarge;
    }
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : digits.substr(point + 1);
    const bool decimalFraction = !number.hexadecimal && !whole.empty() && !fraction.empty()
        && std::all_of(whole.begin(), whole.end(), isDigit) && std::all_of(fraction.begin(), fraction.end(), isDigit);
    return decimalFraction ? NumberFault::NotWhole : NumberFault::NotANumber;
}

std::int32_t ProgramLineCount(std::size_t editorLineCount, bool lastLineEmpty)
{
    return static_cast<std::int32_t>(editorLineCount > 0 && lastLineEmpty ? editorLineCount - 1 : editorLineCount);
}

LineClassification ClassifyLine(std::string_view editorLine, std::int64_t index, std::int32_t lineCount)
{
    // Set's preparation keeps the length, so spans in it are spans in the editor line.
    const std::string prepared = PrepareProgramLine(std::string(editorLine));
    LineClassification line;
    line.decoded = DecodeInstruction(prepared, index, lineCount);
    line.kind = ClassifyInstruction(line.decoded);
    const std::vector<std::string> fields = SplitFields(prepared);
    const std::vector<Span> spans = FieldSpans(prepared, fields);
    // The brackets that became blanks still belong to what the user wrote.
    const Span written = WrittenText(editorLine);
    if (line.kind == InstructionKind::NoOp) {
        line.noOpCause = NoOpCauseOf(fields, line.decoded.Mnemonic, line.unreadNumber);
        if (line.noOpCause != NoOpCause::Blank) {
            line.faults.push_back({LineFault::NoOpStep, written.begin, written.end});
        }
        return line;
    }
    if (line.kind == InstructionKind::Comment) {
        return line;
    }
    NoteMissingRegisters(line, spans);
    NoteHexNumbers(line, fields);
    if (line.kind == InstructionKind::J) {
        NoteTarget(line, fields, spans, written, index, lineCount);
    }
    return line;
}

} // namespace tessivar
