#include "LineDescription.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessivar {

namespace {

std::string Number(std::int64_t value)
{
    return std::to_string(value);
}

std::string Register(std::int64_t number)
{
    return "R(" + Number(number) + ")";
}

std::string LineNumber(std::int64_t line)
{
    return "行 " + Number(line);
}

std::string Quoted(const std::string& text)
{
    return "「" + text + "」";
}

std::string WhereTakenJumpGoes(const JumpDestination& destination)
{
    switch (destination.kind) {
    case JumpDestination::Kind::Line:
        return LineNumber(destination.line) + " へジャンプ";
    case JumpDestination::Kind::PastEnd:
        return LineNumber(destination.line) + " へジャンプ (プログラムの外: 終了します)";
    case JumpDestination::Kind::End:
        return "プログラムを終了します (飛び先 0)";
    case JumpDestination::Kind::NeverTaken:
        break;
    }
    return "";
}

std::string JumpSentence(const LineClassification& line)
{
    const DecodedInstruction& decoded = line.decoded;
    const std::string instruction = "J(" + Number(decoded.FirstArg) + "," + Number(decoded.SecondArg) + "): ";
    if (line.destination->kind == JumpDestination::Kind::NeverTaken) {
        return instruction + "ジャンプしません (飛び先が行 1 より前です)";
    }
    return instruction + Register(decoded.FirstArg) + " = " + Register(decoded.SecondArg) + " なら"
        + WhereTakenJumpGoes(*line.destination);
}

std::string RelativeOffset(std::int64_t k)
{
    if (k == 0) {
        return "この行自身です";
    }
    return "この行から " + (k > 0 ? Number(k) + " 行先です" : Number(-k) + " 行前です");
}

// Why the jump goes where it goes, when the target does not say it plainly.
std::vector<std::string> TargetNotes(const LineClassification& line)
{
    switch (line.targetForm) {
    case TargetForm::Missing:
        return {"飛び先がないので、ジャンプすると行 2 へ進みます"};
    case TargetForm::Unreadable:
        if (line.targetText.starts_with('.')) {
            return {"飛び先" + Quoted(line.targetText) + "の行数が読めないので、ジャンプするとこの行へ戻ります"};
        }
        return {"飛び先" + Quoted(line.targetText) + "は数として読めないので、ジャンプすると行 2 へ進みます"};
    case TargetForm::Relative:
        return {"飛び先" + Quoted(line.targetText) + "は" + RelativeOffset(line.targetNumber)};
    case TargetForm::Absolute:
        break;
    }
    return {};
}

std::string NoOpCauseSentence(const LineClassification& line)
{
    switch (line.noOpCause) {
    case NoOpCause::Blank:
        return "空行です";
    case NoOpCause::FullWidth:
        return "全角の文字は命令として読まれません";
    case NoOpCause::NoSeparator:
        return "命令名と番号の間には括弧か空白が要ります (例: S(3))";
    case NoOpCause::UnknownMnemonic:
        return "命令は S, Z, T, J の 4 つです";
    case NoOpCause::ArgumentMissing:
        return line.decoded.Mnemonic == "s" || line.decoded.Mnemonic == "z" ? "レジスタ番号が 1 つ要ります"
                                                                            : "レジスタ番号が 2 つ要ります";
    case NoOpCause::NotARegisterNumber:
        return "レジスタ番号は 1 以上の数です";
    case NoOpCause::None:
        break;
    }
    return "";
}

std::string WhatTheLineDoes(const LineClassification& line)
{
    const DecodedInstruction& decoded = line.decoded;
    const std::string first = Register(decoded.FirstArg);
    switch (line.kind) {
    case InstructionKind::S:
        return "S(" + Number(decoded.FirstArg) + "): " + first + " に 1 を足します";
    case InstructionKind::Z:
        return "Z(" + Number(decoded.FirstArg) + "): " + first + " を 0 にします";
    case InstructionKind::T:
        return "T(" + Number(decoded.FirstArg) + "," + Number(decoded.SecondArg) + "): " + first + " を "
            + Register(decoded.SecondArg) + " に写します";
    case InstructionKind::J:
        return JumpSentence(line);
    case InstructionKind::Comment:
        return "コメント: 何もせずに次の行へ進みます (ステップに数えません)";
    case InstructionKind::NoOp:
        break;
    }
    return "何もしない1ステップとして実行されます";
}

} // namespace

std::string DescribeLine(const LineClassification& line)
{
    std::vector<std::string> sentences{WhatTheLineDoes(line)};
    if (line.kind == InstructionKind::NoOp) {
        sentences.push_back(NoOpCauseSentence(line));
    }
    for (const std::int32_t number : line.missingRegisters) {
        sentences.push_back(Register(number) + " はありません (R(1)〜R(256)): この行はエラーで止まります");
    }
    for (const HexNumber& hex : line.hexNumbers) {
        sentences.push_back(Quoted(hex.text) + "は 16 進数で " + Number(hex.value) + " です");
    }
    if (line.kind == InstructionKind::J) {
        for (std::string& note : TargetNotes(line)) {
            sentences.push_back(std::move(note));
        }
    }
    std::string text;
    for (const std::string& sentence : sentences) {
        text += text.empty() ? sentence : "\n" + sentence;
    }
    return text;
}

} // namespace tessivar
