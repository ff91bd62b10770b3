#include "LineClassification.h"
#include "LineDescription.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessivar {
namespace {

using Kind = JumpDestination::Kind;

struct LineCase {
    std::string line; // as typed in the editor
    std::int64_t index;
    std::int32_t lineCount;
    InstructionKind kind;
    NoOpCause cause;
    std::vector<std::pair<LineFault, std::string>> faults; // with the text each marks
    std::optional<JumpDestination> destination;
    std::string description;
};

const char* const kFaultNames[] = {"NoOpStep", "MissingRegister", "UnreadableTarget"};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.line) << " at index " << c.index << " of " << c.lineCount;
}

} // namespace

void PrintTo(LineFault fault, std::ostream* os)
{
    *os << kFaultNames[static_cast<int>(fault)];
}

namespace {

std::vector<std::pair<LineFault, std::string>> MarkedTexts(const LineClassification& line, const std::string& text)
{
    std::vector<std::pair<LineFault, std::string>> marked;
    for (const FaultMark& mark : line.faults)
        marked.emplace_back(mark.fault, text.substr(mark.begin, mark.end - mark.begin));
    return marked;
}

class LineClassificationTest : public testing::TestWithParam<LineCase> {};

TEST_P(LineClassificationTest, ClassifiesMarksAndDescribesTheLine)
{
    const LineCase& c = GetParam();
    const LineClassification line = ClassifyLine(c.line, c.index, c.lineCount);
    EXPECT_EQ(line.kind, c.kind);
    EXPECT_EQ(line.noOpCause, c.cause);
    EXPECT_EQ(MarkedTexts(line, c.line), c.faults);
    EXPECT_EQ(line.destination, c.destination);
    EXPECT_EQ(Text(DescribeLine(line)), c.description);

    // The editor colours and marks lines once, when they change.
    const LineClassification elsewhere = ClassifyLine(c.line, c.index + 40, c.lineCount + 100);
    EXPECT_EQ(elsewhere.kind, line.kind);
    EXPECT_EQ(MarkedTexts(elsewhere, c.line), c.faults);
}

const std::string kNoOp = "何もしない1ステップとして実行されます\n";

INSTANTIATE_TEST_SUITE_P(
    Instructions, LineClassificationTest,
    testing::Values(LineCase{"S(3)", 0, 8, InstructionKind::S, NoOpCause::None, {}, {}, "S(3): R(3) に 1 を足します"},
                    LineCase{"z(2)", 0, 8, InstructionKind::Z, NoOpCause::None, {}, {}, "Z(2): R(2) を 0 にします"},
                    LineCase{
                        "T(2,1)", 0, 8, InstructionKind::T, NoOpCause::None, {}, {}, "T(2,1): R(2) を R(1) に写します"},
                    LineCase{"s 3,7", 0, 8, InstructionKind::S, NoOpCause::None, {}, {}, "S(3): R(3) に 1 を足します"},
                    LineCase{"J(1,3,6)",
                             1,
                             8,
                             InstructionKind::J,
                             NoOpCause::None,
                             {},
                             JumpDestination{Kind::Line, 6},
                             "J(1,3): R(1) = R(3) なら行 6 へジャンプ"},
                    LineCase{"j 1 2 1",
                             5,
                             8,
                             InstructionKind::J,
                             NoOpCause::None,
                             {},
                             JumpDestination{Kind::Line, 1},
                             "J(1,2): R(1) = R(2) なら行 1 へジャンプ"},
                    LineCase{"/ R(1):=R(1)-1",
                             6,
                             8,
                             InstructionKind::Comment,
                             NoOpCause::None,
                             {},
                             {},
                             "コメント: 何もせずに次の行へ進みます (ステップに数えません)"},
                    LineCase{"  /x(1)",
                             6,
                             8,
                             InstructionKind::Comment,
                             NoOpCause::None,
                             {},
                             {},
                             "コメント: 何もせずに次の行へ進みます (ステップに数えません)"}));

// Where a taken jump goes, for every way of writing the target.
INSTANTIATE_TEST_SUITE_P(
    JumpTargets, LineClassificationTest,
    testing::Values(
        LineCase{"J(1,2,9)",
                 4,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::PastEnd, 9},
                 "J(1,2): R(1) = R(2) なら行 9 へジャンプ (プログラムの外: 終了します)"},
        LineCase{"J(1,1,2)",
                 0,
                 1,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::PastEnd, 2},
                 "J(1,1): R(1) = R(1) なら行 2 へジャンプ (プログラムの外: 終了します)"},
        LineCase{"J(1,2,0)",
                 3,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::End},
                 "J(1,2): R(1) = R(2) ならプログラムを終了します (飛び先 0)"},
        LineCase{"J(1,2,-1)",
                 3,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::NeverTaken},
                 "J(1,2): ジャンプしません (飛び先が行 1 より前です)"},
        LineCase{"J(1,2)",
                 5,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {{LineFault::UnreadableTarget, "J(1,2)"}},
                 JumpDestination{Kind::Line, 2},
                 "J(1,2): R(1) = R(2) なら行 2 へジャンプ\n飛び先がないので、ジャンプすると行 2 へ進みます"},
        LineCase{"J(1,2,x)",
                 5,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {{LineFault::UnreadableTarget, "x"}},
                 JumpDestination{Kind::Line, 2},
                 "J(1,2): R(1) = R(2) なら行 2 へジャンプ\n飛び先「x」は数として読めないので、ジャンプすると行 2 "
                 "へ進みます"},
        LineCase{"J(1,2,３)",
                 5,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {{LineFault::UnreadableTarget, "３"}},
                 JumpDestination{Kind::Line, 2},
                 "J(1,2): R(1) = R(2) なら行 2 へジャンプ\n飛び先「３」は数として読めないので、ジャンプすると行 2 "
                 "へ進みます"},
        LineCase{"J(1,2,.2)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::Line, 5},
                 "J(1,2): R(1) = R(2) なら行 5 へジャンプ\n飛び先「.2」はこの行から 2 行先です"},
        LineCase{"J(1,2,.-1)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::Line, 2},
                 "J(1,2): R(1) = R(2) なら行 2 へジャンプ\n飛び先「.-1」はこの行から 1 行前です"},
        LineCase{"J(1,2,.0)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::Line, 3},
                 "J(1,2): R(1) = R(2) なら行 3 へジャンプ\n飛び先「.0」はこの行自身です"},
        LineCase{"J(1,2,.7)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::PastEnd, 10},
                 "J(1,2): R(1) = R(2) なら行 10 へジャンプ (プログラムの外: 終了します)\n飛び先「.7」はこの行から 7 "
                 "行先です"},
        LineCase{"J(1,2,.-3)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::End},
                 "J(1,2): R(1) = R(2) ならプログラムを終了します (飛び先 0)\n飛び先「.-3」はこの行から 3 行前です"},
        LineCase{"J(1,2,.-4)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::NeverTaken},
                 "J(1,2): ジャンプしません (飛び先が行 1 より前です)\n飛び先「.-4」はこの行から 4 行前です"},
        LineCase{"J(1,2,.)",
                 2,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {{LineFault::UnreadableTarget, "."}},
                 JumpDestination{Kind::Line, 3},
                 "J(1,2): R(1) = R(2) なら行 3 へジャンプ\n飛び先「.」の行数が読めないので、ジャンプするとこの行へ戻り"
                 "ます"}));

INSTANTIATE_TEST_SUITE_P(
    NoOpLines, LineClassificationTest,
    testing::Values(LineCase{"S3",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NoSeparator,
                             {{LineFault::NoOpStep, "S3"}},
                             {},
                             kNoOp + "命令名と番号の間には括弧か空白が要ります (例: S(3))"},
                    LineCase{" S(0) ",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NotARegisterNumber,
                             {{LineFault::NoOpStep, "S(0)"}},
                             {},
                             kNoOp + "レジスタ番号は 1 以上の数です"},
                    LineCase{"S(-1)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NotARegisterNumber,
                             {{LineFault::NoOpStep, "S(-1)"}},
                             {},
                             kNoOp + "レジスタ番号は 1 以上の数です"},
                    LineCase{"S()",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::ArgumentMissing,
                             {{LineFault::NoOpStep, "S()"}},
                             {},
                             kNoOp + "レジスタ番号が 1 つ要ります"},
                    LineCase{"T(2)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::ArgumentMissing,
                             {{LineFault::NoOpStep, "T(2)"}},
                             {},
                             kNoOp + "レジスタ番号が 2 つ要ります"},
                    LineCase{"J(1)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::ArgumentMissing,
                             {{LineFault::NoOpStep, "J(1)"}},
                             {},
                             kNoOp + "レジスタ番号が 2 つ要ります"},
                    LineCase{"S(2147483648)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NumberTooLarge,
                             {{LineFault::NoOpStep, "S(2147483648)"}},
                             {},
                             kNoOp + "「2147483648」は大きすぎて数として読めません (2147483647 まで)"},
                    LineCase{"T(1,$100000000)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NumberTooLarge,
                             {{LineFault::NoOpStep, "T(1,$100000000)"}},
                             {},
                             kNoOp + "「$100000000」は大きすぎて数として読めません (2147483647 まで)"},
                    LineCase{"S(1.5)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NotAWholeNumber,
                             {{LineFault::NoOpStep, "S(1.5)"}},
                             {},
                             kNoOp + "「1.5」は整数ではありません: レジスタ番号は整数です"},
                    LineCase{"S(1x)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NotARegisterNumber,
                             {{LineFault::NoOpStep, "S(1x)"}},
                             {},
                             kNoOp + "レジスタ番号は 1 以上の数です"},
                    LineCase{"S(\u00A03)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::NoBreakSpace,
                             {{LineFault::NoOpStep, "S(\u00A03)"}},
                             {},
                             kNoOp + "ノーブレークスペース (U+00A0) は区切りになりません: 普通の空白を使ってください"},
                    LineCase{"Ｓ(1)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::FullWidth,
                             {{LineFault::NoOpStep, "Ｓ(1)"}},
                             {},
                             kNoOp + "全角の文字は命令として読まれません"},
                    LineCase{"S（1）",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::FullWidth,
                             {{LineFault::NoOpStep, "S（1）"}},
                             {},
                             kNoOp + "全角の文字は命令として読まれません"},
                    LineCase{"S(１)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::FullWidth,
                             {{LineFault::NoOpStep, "S(１)"}},
                             {},
                             kNoOp + "全角の文字は命令として読まれません"},
                    LineCase{"INC 1",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::UnknownMnemonic,
                             {{LineFault::NoOpStep, "INC 1"}},
                             {},
                             kNoOp + "命令は S, Z, T, J の 4 つです"},
                    LineCase{"SUB(1)",
                             0,
                             8,
                             InstructionKind::NoOp,
                             NoOpCause::UnknownMnemonic,
                             {{LineFault::NoOpStep, "SUB(1)"}},
                             {},
                             kNoOp + "命令は S, Z, T, J の 4 つです"},
                    LineCase{"", 0, 8, InstructionKind::NoOp, NoOpCause::Blank, {}, {}, kNoOp + "空行です"},
                    LineCase{" \t ", 0, 8, InstructionKind::NoOp, NoOpCause::Blank, {}, {}, kNoOp + "空行です"}));

// Numbers the machine reads otherwise than a reader might.
INSTANTIATE_TEST_SUITE_P(
    Numbers, LineClassificationTest,
    testing::Values(
        LineCase{"S($1F)",
                 0,
                 8,
                 InstructionKind::S,
                 NoOpCause::None,
                 {},
                 {},
                 "S(31): R(31) に 1 を足します\n「$1F」は 16 進数で 31 です"},
        LineCase{"J(0x1,1,0x10)",
                 0,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {},
                 JumpDestination{Kind::PastEnd, 16},
                 "J(1,1): R(1) = R(1) なら行 16 へジャンプ (プログラムの外: 終了します)\n「0x1」は 16 進数で 1 です\n"
                 "「0x10」は 16 進数で 16 です"},
        LineCase{"S(300)",
                 0,
                 8,
                 InstructionKind::S,
                 NoOpCause::None,
                 {{LineFault::MissingRegister, "300"}},
                 {},
                 "S(300): R(300) に 1 を足します\nR(300) はありません (R(1)〜R(256)): この行はエラーで止まります"},
        LineCase{"S(256)", 0, 8, InstructionKind::S, NoOpCause::None, {}, {}, "S(256): R(256) に 1 を足します"},
        LineCase{"T(257,257)",
                 0,
                 8,
                 InstructionKind::T,
                 NoOpCause::None,
                 {{LineFault::MissingRegister, "257"}, {LineFault::MissingRegister, "257"}},
                 {},
                 "T(257,257): R(257) を R(257) に写します\nR(257) はありません (R(1)〜R(256)): この行はエラーで止まり"
                 "ます\nR(257) はありません (R(1)〜R(256)): この行はエラーで止まります"},
        LineCase{"J(1,300,2)",
                 0,
                 8,
                 InstructionKind::J,
                 NoOpCause::None,
                 {{LineFault::MissingRegister, "300"}},
                 JumpDestination{Kind::Line, 2},
                 "J(1,300): R(1) = R(300) なら行 2 へジャンプ\nR(300) はありません (R(1)〜R(256)): この行はエラーで止"
                 "まります"}));

TEST(ProgramLineCountTest, OneEmptyLastLineIsNoProgramLine)
{
    EXPECT_EQ(ProgramLineCount(0, false), 0);
    EXPECT_EQ(ProgramLineCount(1, true), 0);
    EXPECT_EQ(ProgramLineCount(8, false), 8);
    EXPECT_EQ(ProgramLineCount(9, true), 8);
}

} // namespace
} // namespace tessivar
