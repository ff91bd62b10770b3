#include "LineDescription.h"

#include <cstdint>
#include <string>

namespace tessivar {

namespace {

std::string Number(std::int64_t value)
{
    return std::to_string(value);
}

Message JumpSentence(const LineClassification& line)
{
    const DecodedInstruction& decoded = line.decoded;
    std::vector<std::string> args{Number(decoded.FirstArg), Number(decoded.SecondArg)};
    switch (line.destination->kind) {
    case JumpDestination::Kind::Line:
        args.push_back(Number(line.destination->line));
        return {TESSIVAR_MESSAGE("J(%1,%2): R(%1) = R(%2) なら行 %3 へジャンプ"), args};
    case JumpDestination::Kind::PastEnd:
        args.push_back(Number(line.destination->line));
        return {TESSIVAR_MESSAGE("J(%1,%2): R(%1) = R(%2) なら行 %3 へジャンプ (プログラムの外: 終了します)"), args};
    case JumpDestination::Kind::End:
        return {TESSIVAR_MESSAGE("J(%1,%2): R(%1) = R(%2) ならプログラムを終了します (飛び先 0)"), args};
    case JumpDestination::Kind::NeverTaken:
        break;
    }
    return {TESSIVAR_MESSAGE("J(%1,%2): ジャンプしません (飛び先が行 1 より前です)"), args};
}

// An unreadable relative target comes back to the line, an absolute one goes on at line 2.
Message UnreadableTargetNote(const LineClassification& line)
{
    const std::vector<std::string> args{line.targetText};
    if (line.targetText.starts_with('.')) {
        switch (line.targetFault) {
        case NumberFault::TooLarge:
            return {TESSIVAR_MESSAGE("飛び先「%1」の行数は大きすぎて読めないので、ジャンプするとこの行へ戻ります"),
                    args};
        case NumberFault::NotWhole:
            return {TESSIVAR_MESSAGE("飛び先「%1」の行数は整数でないので、ジャンプするとこの行へ戻ります"), args};
        case NumberFault::None:
        case NumberFault::NotANumber:
            break;
        }
        return {TESSIVAR_MESSAGE("飛び先「%1」の行数が読めないので、ジャンプするとこの行へ戻ります"), args};
    }
    switch (line.targetFault) {
    case NumberFault::TooLarge:
        return {TESSIVAR_MESSAGE("飛び先「%1」は大きすぎて数として読めないので、ジャンプすると行 2 へ進みます"), args};
    case NumberFault::NotWhole:
        return {TESSIVAR_MESSAGE("飛び先「%1」は整数でないので、ジャンプすると行 2 へ進みます"), args};
    case NumberFault::None:
    case NumberFault::NotANumber:
        break;
    }
    return {TESSIVAR_MESSAGE("飛び先「%1」は数として読めないので、ジャンプすると行 2 へ進みます"), args};
}

// Why the jump goes where it goes, when the target does not say it plainly.
std::vector<Message> TargetNotes(const LineClassification& line)
{
    const std::int64_t k = line.targetNumber;
    switch (line.targetForm) {
    case TargetForm::Missing:
        return {{TESSIVAR_MESSAGE("飛び先がないので、ジャンプすると行 2 へ進みます")}};
    case TargetForm::Unreadable:
        return {UnreadableTargetNote(line)};
    case TargetForm::Relative:
        if (k == 0) {
            return {{TESSIVAR_MESSAGE("飛び先「%1」はこの行自身です"), {line.targetText}}};
        }
        if (k > 0) {
            return {{TESSIVAR_MESSAGE("飛び先「%1」はこの行から %2 行先です"), {line.targetText, Number(k)}}};
        }
        return {{TESSIVAR_MESSAGE("飛び先「%1」はこの行から %2 行前です"), {line.targetText, Number(-k)}}};
    case TargetForm::Absolute:
        break;
    }
    return {};
}

Message NoOpCauseSentence(const LineClassification& line)
{
    switch (line.noOpCause) {
    case NoOpCause::Blank:
        return {TESSIVAR_MESSAGE("空行です")};
    case NoOpCause::FullWidth:
        return {TESSIVAR_MESSAGE("全角の文字は命令として読まれません")};
    case NoOpCause::NoSeparator:
        return {TESSIVAR_MESSAGE("命令名と番号の間には括弧か空白が要ります (例: S(3))")};
    case NoOpCause::UnknownMnemonic:
        return {TESSIVAR_MESSAGE("命令は S, Z, T, J の 4 つです")};
    case NoOpCause::ArgumentMissing:
        if (line.decoded.Mnemonic == "s" || line.decoded.Mnemonic == "z") {
            return {TESSIVAR_MESSAGE("レジスタ番号が 1 つ要ります")};
        }
        return {TESSIVAR_MESSAGE("レジスタ番号が 2 つ要ります")};
    case NoOpCause::NotARegisterNumber:
        return {TESSIVAR_MESSAGE("レジスタ番号は 1 以上の数です")};
    case NoOpCause::NumberTooLarge:
        return {TESSIVAR_MESSAGE("「%1」は大きすぎて数として読めません (2147483647 まで)"), {line.unreadNumber}};
    case NoOpCause::NotAWholeNumber:
        return {TESSIVAR_MESSAGE("「%1」は整数ではありません: レジスタ番号は整数です"), {line.unreadNumber}};
    case NoOpCause::NoBreakSpace:
        return {TESSIVAR_MESSAGE("ノーブレークスペース (U+00A0) は区切りになりません: 普通の空白を使ってください")};
    case NoOpCause::None:
        break;
    }
    return {};
}

Message WhatTheLineDoes(const LineClassification& line)
{
    const DecodedInstruction& decoded = line.decoded;
    switch (line.kind) {
    case InstructionKind::S:
        return {TESSIVAR_MESSAGE("S(%1): R(%1) に 1 を足します"), {Number(decoded.FirstArg)}};
    case InstructionKind::Z:
        return {TESSIVAR_MESSAGE("Z(%1): R(%1) を 0 にします"), {Number(decoded.FirstArg)}};
    case InstructionKind::T:
        return {TESSIVAR_MESSAGE("T(%1,%2): R(%1) を R(%2) に写します"),
                {Number(decoded.FirstArg), Number(decoded.SecondArg)}};
    case InstructionKind::J:
        return JumpSentence(line);
    case InstructionKind::Comment:
        return {TESSIVAR_MESSAGE("コメント: 何もせずに次の行へ進みます (ステップに数えません)")};
    case InstructionKind::NoOp:
        break;
    }
    return {TESSIVAR_MESSAGE("何もしない1ステップとして実行されます")};
}

} // namespace

std::vector<Message> DescribeLine(const LineClassification& line)
{
    std::vector<Message> sentences{WhatTheLineDoes(line)};
    if (line.kind == InstructionKind::NoOp) {
        sentences.push_back(NoOpCauseSentence(line));
    }
    for (const std::int32_t number : line.missingRegisters) {
        sentences.push_back(
            {TESSIVAR_MESSAGE("R(%1) はありません (R(1)〜R(256)): この行はエラーで止まります"), {Number(number)}});
    }
    for (const HexNumber& hex : line.hexNumbers) {
        sentences.push_back({TESSIVAR_MESSAGE("「%1」は 16 進数で %2 です"), {hex.text, Number(hex.value)}});
    }
    if (line.kind == InstructionKind::J) {
        for (Message& note : TargetNotes(line)) {
            sentences.push_back(std::move(note));
        }
    }
    return sentences;
}

} // namespace tessivar
