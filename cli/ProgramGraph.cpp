#include "ProgramGraph.h"

#include "DecodeInstruction.h"
#include "GraphLabel.h"
#include "LineClassification.h"
#include "Machine.h"
#include "Phrase.h"

#include <cstdint>
#include <set>
#include <sstream>

namespace tessivar {

namespace {

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

std::string EndLabel(std::int64_t pc, std::int64_t lineCount, Language language)
{
    if (pc == lineCount) {
        return Say(language, {"end", "終了"});
    }
    return Say(language, {"end (line %1)", "終了 (行 %1)"}, {std::to_string(pc + 1)});
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
    GraphWriter(const TextLines& editorLines, Language language)
        : lines_(ProgramListFromEditorLines(editorLines)),
          lineCount_(static_cast<std::int64_t>(lines_.size())),
          language_(language)
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
            dot_ << "  " << NodeName(end, lineCount_)
                 << " [label=" << GraphLabel(EndLabel(end, lineCount_, language_), {}, language_)
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
        const std::string note = missing != 0
            ? Say(language_, {"%1 does not exist: the step fails", "%1 はありません: この行はエラーで止まります"},
                  {RegisterName(missing)})
            : "";
        dot_ << "  " << NodeName(pc, lineCount_)
             << " [label=" << GraphLabel(std::to_string(pc + 1) + ": " + text, note, language_);
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
            Edge(pc, target, Say(language_, {"always", "常に"}));
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
            dot_ << " [label=" << GraphLabel(condition, {}, language_) << "]";
        }
        dot_ << ";\n";
    }

    TextLines lines_;
    std::int64_t lineCount_;
    Language language_;
    std::set<std::int64_t> ends_;
    std::ostringstream dot_;
};

} // namespace

std::string ProgramGraphDot(const TextLines& editorLines, Language language)
{
    return GraphWriter(editorLines, language).Write();
}

} // namespace tessivar
