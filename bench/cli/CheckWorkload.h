#pragma once

#include "TemporaryFolder.h"

#include <string>
#include <vector>

namespace tessivar::bench {

// One exercise as a class hands it in: its cases in the two forms the checks
// read, and the students' program files.
struct ExerciseFiles {
    std::string casesPath; // for --check
    std::string tablePath; // for the shell loop: inputs, register, value
    std::vector<std::string> programPaths;
};

// Classic exercises (multiplication, division, remainder, sum of 1..n,
// factorial) with 20 cases each, and per exercise `programsPerExercise`
// hand-ins: most of them right, the others one too many in the result, never
// halting, or naming a register above 256, where the program reaches its end.
class CheckWorkload {
public:
    explicit CheckWorkload(int programsPerExercise);

    const std::vector<ExerciseFiles>& Exercises() const { return exercises_; }
    std::size_t CaseCount() const;

private:
    test::TemporaryFolder folder_;
    std::vector<ExerciseFiles> exercises_;
};

} // namespace tessivar::bench
