#pragma once

// The loop nests of teaching programs, for the tests and benchmarks of the
// runner, with the steps each takes, worked out by hand from its lines.

#include "ProgramText.h"
#include "StepCount.h"

#include <string>

namespace tessivar::teaching {

// R(1) := R(1) × R(2) by repeated addition, the classroom version: an inner
// loop left by the jump back of the outer one.
inline const TextLines kClassMultiplication{"J(1,3,12)", "J(2,3,11)", "T(1,3)", "S(5)",     "J(2,5,11)",
                                            "Z(4)",      "S(3)",      "S(4)",   "J(1,4,4)", "J(1,1,7)",
                                            "T(3,1)",    "Z(2)",      "Z(3)",   "Z(4)",     "Z(5)"};

// For a, b of 1 or more: lines 1 to 3; b - 1 rounds of lines 4 to 6 and an
// inner loop of a passes of lines 7 to 10, the last without line 10; lines 4
// and 5 once more; lines 11 to 15.
constexpr StepCount ClassMultiplicationSteps(StepCount a, StepCount b)
{
    return 3 + (b - 1) * (3 + 4 * a - 1) + 2 + 5;
}

// R(3) := R(1) div R(2) (R(2) at least 1), counting R(4) up to R(1) in blocks
// of R(2): the inner loop is left at a block's end or at R(1).
inline const TextLines kDivision{"J(4,1,10)", "Z(5)",     "S(4)", "S(5)",    "J(5,2,8)",
                                 "J(4,1,10)", "J(1,1,3)", "S(3)", "J(1,1,1)"};

// 5y + 2 per whole block, and the rest: the first line alone, or 5r + 1.
constexpr StepCount DivisionSteps(StepCount x, StepCount y)
{
    const StepCount rest = x % y;
    return x / y * (5 * y + 2) + (rest == 0 ? 1 : 5 * rest + 1);
}

// R(3) := R(1) mod R(2) (R(2) at least 1): the reset jumps back to the inner
// loop's own first line.
inline const TextLines kRemainder{"J(4,1,10)", "S(4)", "S(3)", "J(3,2,6)", "J(1,1,1)", "Z(3)", "J(1,1,1)"};

// Five lines per count, one more per reset, and the last test.
constexpr StepCount RemainderSteps(StepCount x, StepCount y)
{
    return 5 * x + x / y + 1;
}

// R(2) := 1 + 2 + … + R(1): the inner loop runs one pass more each time.
inline const TextLines kTriangular{"J(3,1,8)", "S(3)", "Z(4)", "S(2)", "S(4)", "J(4,3,1)", "J(1,1,4)"};

// 4i + 2 lines in the pass that adds i, and the last test.
constexpr StepCount TriangularSteps(StepCount n)
{
    return 2 * n * n + 4 * n + 1;
}

// R(2) := R(1) mod 2, with a flag that alternates every other pass.
inline const TextLines kParity{"J(1,3,8)", "S(3)", "J(2,4,6)", "Z(2)", "J(1,1,1)", "S(2)", "J(1,1,1)"};

constexpr StepCount ParitySteps(StepCount n)
{
    return 5 * n + 1;
}

// R(2) := R(1)! (R(1) at least 1) by repeated addition: three loops deep,
// with a comment in the outer one.
inline const TextLines kFactorial{
    "Z(2)",   "S(2)",      "Z(3)", "S(3)",     "J(3,1,0)", "S(3)",      "/ R(2) := R(2) * R(3)",
    "T(2,4)", "Z(5)",      "S(5)", "J(5,3,5)", "Z(6)",     "J(6,4,17)", "S(2)",
    "S(6)",   "J(1,1,13)", "S(5)", "J(1,1,11)"};

// 6 + 5k + 4k·k! for the pass that multiplies by k + 1, and k·k! adds up to n! - 1.
constexpr StepCount FactorialSteps(StepCount n)
{
    StepCount factorial = 1;
    for (StepCount k = 2; k <= n; ++k) {
        factorial *= k;
    }
    return 5 + 6 * (n - 1) + 5 * n * (n - 1) / 2 + 4 * (factorial - 1);
}

// R(3) := R(2) ^ R(1) by repeated multiplication: a middle loop over an
// inner one, inside an outer loop that no summary covers.
inline const TextLines kPower{"S(3)",      "J(4,1,16)", "S(4)", "Z(5)",      "Z(6)",     "Z(7)",   "S(5)",    "S(7)",
                              "J(7,3,11)", "J(1,1,7)",  "S(6)", "J(6,2,14)", "J(1,1,6)", "T(5,3)", "J(1,1,2)"};

// 5 + b(4a + 3) for the pass that multiplies a by b.
constexpr StepCount PowerSteps(StepCount n, StepCount base)
{
    StepCount steps = 2;
    StepCount power = 1;
    for (StepCount k = 0; k < n; ++k) {
        steps += 5 + base * (4 * power + 3);
        power *= base;
    }
    return steps;
}

// Rotates R(1) to R(5) until R(7) reaches R(8): a ring of copies whose
// registers come back to their places every five trips, summarised five
// trips at a time.
inline const TextLines kRotation{"T(1,6)", "T(2,1)", "T(3,2)",   "T(4,3)",  "T(5,4)",
                                 "T(6,5)", "S(7)",   "J(7,8,0)", "J(1,1,1)"};

// Rotates three rings, R(1) to R(5), R(9) and R(10), R(11) to R(17), until
// R(7) reaches R(8): the registers come back to their places only every 70
// trips, more than a summary follows, so that no summary covers the loop.
inline const TextLines kThreeRings{"T(1,6)",   "T(2,1)",   "T(3,2)",  "T(4,3)",   "T(5,4)",   "T(6,5)",   "T(9,6)",
                                   "T(10,9)",  "T(6,10)",  "T(11,6)", "T(12,11)", "T(13,12)", "T(14,13)", "T(15,14)",
                                   "T(16,15)", "T(17,16)", "T(6,17)", "S(7)",     "J(7,8,0)", "J(1,1,1)"};

// The rings' registers numbered from 1, for `passes` trips.
inline TextLines ThreeRingsRegisters(const std::string& passes)
{
    return {"1", "2", "3", "4", "5", "0", "0", passes, "1", "2", "1", "2", "3", "4", "5", "6", "7"};
}

// Lines as an editor holds them, one per line.
inline std::string EditorText(const TextLines& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace tessivar::teaching
