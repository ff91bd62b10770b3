#include "RunnerComparison.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tessivar::test {
namespace {

// Programs of S, Z, T and J over a few registers, with now and then a comment,
// a malformed line, a register above the top or a value near the 64-bit limit.
class RandomProgramMaker {
public:
    explicit RandomProgramMaker(unsigned seed) : random_(seed) {}

    RunInput Make()
    {
        RunInput input;
        const int lineCount = Pick(1, 12);
        for (int line = 0; line < lineCount; ++line) {
            input.program.push_back(Line(lineCount));
        }
        const int registerCount = Pick(0, 4);
        for (int index = 0; index < registerCount; ++index) {
            input.registers.push_back(RegisterValue());
        }
        return input;
    }

    std::uint64_t Budget() { return static_cast<std::uint64_t>(Pick(0, 3000)); }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    bool OneIn(int chances) { return Pick(1, chances) == 1; }

    std::string Register()
    {
        if (OneIn(40)) {
            static const std::vector<std::string> unusual{"0", "256", "257", "300", "-1", "x"};
            return unusual[static_cast<std::size_t>(Pick(0, static_cast<int>(unusual.size()) - 1))];
        }
        return std::to_string(Pick(1, 5));
    }

    std::string Target(int lineCount)
    {
        if (OneIn(3)) {
            // Appended, not concatenated: GCC 12 reports a false -Wrestrict on "." + std::string.
            std::string relative(".");
            return relative.append(std::to_string(Pick(-lineCount - 2, lineCount + 2)));
        }
        return std::to_string(Pick(-2, lineCount + 2));
    }

    std::string Line(int lineCount)
    {
        static const std::vector<std::string> odd{"",        "   ",   "/ note", " /(x)",    "S3",   ",S(1)",
                                                  "\"s\" 1", "Ｚ(1)", "J(1,2)", "J(1,1,,)", "T(1)", "q(1)"};
        switch (Pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            return "S(" + Register() + ")";
        case 3:
            return "Z(" + Register() + ")";
        case 4:
            return "T(" + Register() + "," + Register() + ")";
        case 5:
        case 6:
        case 7:
            return "J(" + Register() + "," + Register() + "," + Target(lineCount) + ")";
        default:
            return odd[static_cast<std::size_t>(Pick(0, static_cast<int>(odd.size()) - 1))];
        }
    }

    std::string RegisterValue()
    {
        if (OneIn(10)) {
            return std::to_string(9223372036854775607 - Pick(0, 300));
        }
        return std::to_string(Pick(-3, 6));
    }

    std::mt19937 random_;
};

TEST(CompiledProgramRandom, MatchesStepByStepOnRandomPrograms)
{
    RandomProgramMaker maker(20240611);
    for (int program = 0; program < 600; ++program) {
        const RunInput input = maker.Make();
        ExpectSameRun(input, maker.Budget());
        if (::testing::Test::HasFailure()) {
            return; // the first differing program is the one to look at
        }
    }
}

} // namespace
} // namespace tessivar::test
