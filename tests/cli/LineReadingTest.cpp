// Lines that read alike everywhere: as the machine decodes and runs them, as
// the fast runner runs them, as the graph draws them and as the editor's
// tooltip describes them. Targets past the 32-bit range end the program
// forward and are never taken backward; numbers too large or not whole, and
// a no-break space, are called what they are.

#include "CompiledProgram.h"
#include "LineClassification.h"
#include "LineDescription.h"
#include "Machine.h"
#include "ProgramGraph.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tessivar::test {
namespace {

struct LineCase {
    TextLines program;
    std::int64_t index; // of the line read
    std::int32_t jumpPC; // decoded; 0 for lines that are no jump
    std::int64_t pcAfterRun; // after at most kRunLines lines, R(1) = 0
    std::string graphEdge;
    std::string tooltip;
};

constexpr StepCount kRunLines = 10;
const std::string kNoOp = "何もしない1ステップとして実行されます\n";

const LineCase kCases[] = {
    {{"S(1)", "S(1)", "J(1,1,.2147483647)"},
     2,
     kJumpPastTheEnd,
     std::int64_t{kJumpPastTheEnd} + 1,
     "line3 -> end2147483650 [label=\"always\"];",
     "J(1,1): R(1) = R(1) なら行 2147483650 へジャンプ (プログラムの外: 終了します)\n"
     "飛び先「.2147483647」はこの行から 2147483647 行先です"},
    {{"S(1)", "J(1,1,.2147483647)", "S(2)"},
     1,
     2147483647,
     2147483648,
     "line2 -> end2147483649 [label=\"always\"];",
     "J(1,1): R(1) = R(1) なら行 2147483649 へジャンプ (プログラムの外: 終了します)\n"
     "飛び先「.2147483647」はこの行から 2147483647 行先です"},
    {{"J(1,1,-2147483648)", "S(2)"},
     0,
     kJumpNeverTaken,
     2,
     "line1 -> line2;",
     "J(1,1): ジャンプしません (飛び先が行 1 より前です)"},
    {{"J(1,1,99999999999)", "S(2)", "S(3)"},
     0,
     0,
     3,
     "line1 -> line2 [label=\"always\"];",
     "J(1,1): R(1) = R(1) なら行 2 へジャンプ\n"
     "飛び先「99999999999」は大きすぎて数として読めないので、ジャンプすると行 2 へ進みます"},
    {{"S(1)", "J(1,1,.99999999999)"},
     1,
     0,
     1,
     "line2 -> line2 [label=\"always\"];",
     "J(1,1): R(1) = R(1) なら行 2 へジャンプ\n"
     "飛び先「.99999999999」の行数は大きすぎて読めないので、ジャンプするとこの行へ戻ります"},
    {{"J(1,1,2.5)", "S(2)"},
     0,
     0,
     2,
     "line1 -> line2 [label=\"always\"];",
     "J(1,1): R(1) = R(1) なら行 2 へジャンプ\n飛び先「2.5」は整数でないので、ジャンプすると行 2 へ進みます"},
    {{"S(2147483648)", "S(2)"},
     0,
     0,
     2,
     "line1 -> line2;",
     kNoOp + "「2147483648」は大きすぎて数として読めません (2147483647 まで)"},
    {{"S(1.5)"}, 0, 0, 1, "line1 -> end;", kNoOp + "「1.5」は整数ではありません: レジスタ番号は整数です"},
    {{"S(\u00A01)"},
     0,
     0,
     1,
     "line1 -> end;",
     kNoOp + "ノーブレークスペース (U+00A0) は区切りになりません: 普通の空白を使ってください"},
};

Machine SetMachine(const TextLines& program)
{
    Machine machine;
    TextLines panel;
    machine.Set(panel, program);
    return machine;
}

TEST(LineReading, TheMachineTheRunnerTheGraphAndTheTooltipAgree)
{
    for (const LineCase& c : kCases) {
        const std::string& line = c.program[static_cast<std::size_t>(c.index)];
        SCOPED_TRACE(line);
        const auto lineCount = static_cast<std::int32_t>(c.program.size());
        const LineClassification classified = ClassifyLine(line, c.index, lineCount);
        EXPECT_EQ(classified.decoded.JumpPC, c.jumpPC);
        EXPECT_EQ(Text(DescribeLine(classified)), c.tooltip);

        Machine stepped = SetMachine(c.program);
        for (StepCount lines = 0; lines < kRunLines && stepped.CanContinue(); ++lines) {
            ASSERT_FALSE(stepped.ExecuteStep().error);
        }
        EXPECT_EQ(stepped.pc, c.pcAfterRun);
        for (const LoopAcceleration acceleration : {LoopAcceleration::On, LoopAcceleration::Off}) {
            Machine run = SetMachine(c.program);
            CompiledProgram(run.program, acceleration).Run(run, {.maxLines = kRunLines});
            EXPECT_EQ(run.pc, stepped.pc);
            EXPECT_EQ(run.stepCount, stepped.stepCount);
            EXPECT_EQ(run.registers, stepped.registers);
        }

        const std::string dot = ProgramGraphDot(c.program, Language::English);
        EXPECT_NE(dot.find(c.graphEdge), std::string::npos) << dot;
    }
}

} // namespace
} // namespace tessivar::test
