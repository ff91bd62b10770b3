#include "CheckWorkload.h"

#include "ProgramText.h"
#include "TeachingPrograms.h"

#include <cstdint>
#include <functional>

namespace tessivar::bench {

namespace {

constexpr int kCasesPerExercise = 20;

struct Exercise {
    std::string name;
    const TextLines& program;
    int resultRegister;
    // The inputs of case `index` and the result expected for them.
    std::function<std::vector<std::int64_t>(int index)> inputs;
    std::function<std::int64_t(const std::vector<std::int64_t>& inputs)> result;
};

std::int64_t Factorial(std::int64_t n)
{
    return n <= 1 ? 1 : n * Factorial(n - 1);
}

// Inputs that cover zero, one and the numbers a class tries, divisors never 0.
std::vector<std::int64_t> Pair(int index)
{
    return {index % 7 * 3 + index / 7, 1 + index * 5 % 9};
}

std::vector<Exercise> ClassicExercises()
{
    return {
        {"multiplication", teaching::kClassMultiplication, 1, Pair, [](const auto& in) { return in[0] * in[1]; }},
        {"division", teaching::kDivision, 3, Pair, [](const auto& in) { return in[0] / in[1]; }},
        {"remainder", teaching::kRemainder, 3, Pair, [](const auto& in) { return in[0] % in[1]; }},
        {"triangular", teaching::kTriangular, 2, [](int index) { return std::vector<std::int64_t>{index * 5}; },
         [](const auto& in) { return in[0] * (in[0] + 1) / 2; }},
        {"factorial", teaching::kFactorial, 2, [](int index) { return std::vector<std::int64_t>{1 + index % 9}; },
         [](const auto& in) { return Factorial(in[0]); }},
    };
}

// Student `student`'s hand-in: the program with a comment of its own at the
// end, and for every tenth student one of three faults after it.
TextLines HandIn(const TextLines& program, int resultRegister, int student)
{
    TextLines lines = program;
    lines.push_back("/ student " + std::to_string(student));
    switch (student % 10) {
    case 7:
        lines.push_back("S(" + std::to_string(resultRegister) + ")");
        break;
    case 8:
        lines.push_back("J(1,1," + std::to_string(lines.size() + 1) + ")");
        break;
    case 9:
        lines.push_back("S(300)");
        break;
    default:
        break;
    }
    return lines;
}

std::string Joined(const std::vector<std::int64_t>& values)
{
    std::string text;
    for (const std::int64_t value : values) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(value);
    }
    return text;
}

ExerciseFiles WriteExercise(const test::TemporaryFolder& folder, const Exercise& exercise, int programs)
{
    std::string cases = "# " + exercise.name + "\n";
    std::string table;
    for (int index = 0; index < kCasesPerExercise; ++index) {
        const std::vector<std::int64_t> inputs = exercise.inputs(index);
        const std::string result = std::to_string(exercise.result(inputs));
        const std::string registerNumber = std::to_string(exercise.resultRegister);
        cases += Joined(inputs) + " -> R" + registerNumber + "=" + result + "\n";
        table += Joined(inputs) + "\t" + registerNumber + "\t" + result + "\n";
    }
    ExerciseFiles files{folder.File(exercise.name + ".cases"), folder.File(exercise.name + ".tsv"), {}};
    test::WriteBytes(files.casesPath, cases);
    test::WriteBytes(files.tablePath, table);
    for (int student = 0; student < programs; ++student) {
        const std::string path = folder.File(exercise.name + "-" + std::to_string(student) + ".urm");
        test::WriteBytes(path, JoinTextLines(HandIn(exercise.program, exercise.resultRegister, student)));
        files.programPaths.push_back(path);
    }
    return files;
}

} // namespace

CheckWorkload::CheckWorkload(int programsPerExercise)
{
    for (const Exercise& exercise : ClassicExercises()) {
        exercises_.push_back(WriteExercise(folder_, exercise, programsPerExercise));
    }
}

std::size_t CheckWorkload::CaseCount() const
{
    std::size_t count = 0;
    for (const ExerciseFiles& exercise : exercises_) {
        count += exercise.programPaths.size() * kCasesPerExercise;
    }
    return count;
}

} // namespace tessivar::bench
