#include "ProgramGraph.h"

#include "LineClassification.h"
#include "Machine.h"

#include <cstdint>
#include <set>
#include <sstream>

namespace tessivar {

namespace {

// Control characters (but tab) are not allowed in the SVG and XML that Graphviz
// writes from a label: each is drawn as its Unicode control picture instead.
void AppendEscaped(std::string& quoted, const std::string& text)
{
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if ((code >= 1 && code < 0x20 && c != '\t') || code == 0x7F) {
            const char32_t picture = code == 0x7F ? U'\u2421' : U'\u2400' + code;
            quoted += static_cast<char>(0xE0 | (picture >> 12));
            quoted += static_cast<char>(0x80 | ((picture >> 6) & 0x3F));
            quoted += static_cast<char>(0x80 | (picture & 0x3F));
            continue;
        }
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
}

// `text`, and `note` on a line of its own below it when there is one.
std::string Quoted(const std::string& text, const std::string& note = {})
{
    std::string quoted = "\"";
    AppendEscaped(quoted, text);
    if (!note.empty()) {
        quoted += "\\n";
        AppendEscaped(quoted, note);
    }
    return quoted + '"';
}

// The register above 256 that a line names, whose step then fails; 0 if none.
std::int32_t MissingRegister(InstructionKind kind, const DecodedInstruction& decoded)
{
    if (kind == InstructionKind::Comment || kind == InstructionKind::NoOp) {
        return 0;
    }
    if (!IsRegisterNumber(decoded.FirstArg)) {
        return decoded.FirstArg;
    }
    const bool twoRegisters = kind == InstructionKind::T || kind == InstructionKind::J;
    return twoRegisters && !IsRegisterNumber(decoded.SecondArg) ? decoded.SecondArg : 0;
}

// Index `pc` past the last line ends the program; "end" is the usual way out.
std::string NodeName(std::int64_t pc, std::int64_t lineCount)
{
    if (pc < lineCount) {
        return "line" + std::to_string(pc + 1);
    }
    return pc == lineCount ? "end" : "end" + std::to_string(pc + 1);
}

std::string EndLabel(std::int64_t pc, std::int64_t lineCount)
{
    return pc == lineCount ? "end" : "end (line " + std::to_string(pc + 1) + ")";
}

// The index a taken jump continues at, past the 32-bit range too; the end by
// line 0 is the usual way out.
std::int64_t TargetIndex(const JumpDestination& destination, std::int64_t lineCount)
{
    return destination.kind == JumpDestination::Kind::End ? lineCount : destination.line - 1;
}

std::string RegisterName(std::int32_t number)
{
    return "R(" + std::to_string(number) + ")";
}

class GraphWriter {
public:
    explicit GraphWriter(const TextLines& editorLines)
        : lines_(ProgramListFromEditorLines(editorLines)), lineCount_(static_cast<std::int64_t>(lines_.size()))
    {}

    std::string Write()
    {
        dot_ << "digraph program {\n"
             << "  node [shape=box, fontname=\"monospace\"];\n"
             << "  edge [fontname=\"monospace\"];\n"
             << "  start [shape=point];\n"
             << "  start -> " << NodeName(0, lineCount_) << ";\n";
        ends_.insert(lineCount_);
        for (std::int64_t pc = 0; pc < lineCount_; ++pc) {
            WriteLine(pc);
        }
        for (const std::int64_t end : ends_) {
            dot_ << "  " << NodeName(end, lineCount_) << " [label=" << Quoted(EndLabel(end, lineCount_))
                 << ", shape=doubleoctagon];\n";
        }
        dot_ << "}\n";
        return dot_.str();
    }

private:
    void WriteLine(std::int64_t pc)
    {
        const std::string& text = lines_[static_cast<std::size_t>(pc)];
        const LineClassification line = ClassifyLine(text, pc, static_cast<std::int32_t>(lineCount_));
        const DecodedInstruction& decoded = line.decoded;
        const InstructionKind kind = line.kind;
        const std::int32_t missing = MissingRegister(kind, decoded);
        const std::string note = missing != 0 ? RegisterName(missing) + " does not exist: the step fails" : "";
        dot_ << "  " << NodeName(pc, lineCount_) << " [label=" << Quoted(std::to_string(pc + 1) + ": " + text, note);
        if (kind == InstructionKind::Comment) {
            dot_ << ", shape=note, style=dashed, fontcolor=gray30";
        }
        if (missing != 0) {
            dot_ << ", style=filled, fillcolor=mistyrose, color=red3";
        }
        dot_ << "];\n";

        // A jump before line 1 is never taken; one on a register with itself always is.
        const bool jumps = kind == InstructionKind::J && line.destination->kind != JumpDestination::Kind::NeverTaken;
        if (!jumps) {
            Edge(pc, pc + 1, "");
            return;
        }
        const std::int64_t target = TargetIndex(*line.destination, lineCount_);
        const std::string left = RegisterName(decoded.FirstArg);
        const std::string right = RegisterName(decoded.SecondArg);
        if (decoded.FirstArg == decoded.SecondArg) {
            Edge(pc, target, "always");
            return;
        }
        Edge(pc, target, left + " = " + right);
        Edge(pc, pc + 1, left + " ≠ " + right);
    }

    void Edge(std::int64_t from, std::int64_t to, const std::string& condition)
    {
        if (to >= lineCount_) {
            ends_.insert(to);
        }
        dot_ << "  " << NodeName(from, lineCount_) << " -> " << NodeName(to, lineCount_);
        if (!condition.empty()) {
            dot_ << " [label=" << Quoted(condition) << "]";
        }
        dot_ << ";\n";
    }

    TextLines lines_;
    std::int64_t lineCount_;
    std::set<std::int64_t> ends_;
    std::ostringstream dot_;
};

} // namespace

std::string ProgramGraphDot(const TextLines& editorLines)
{
    return GraphWriter(editorLines).Write();
}

} // namespace tessivar
