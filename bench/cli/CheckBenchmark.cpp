// A class's hand-ins checked two ways in one run: 500 programs of classic
// exercises against 20 cases each, by `tessivar --check` once per exercise and
// by a shell loop around `tessivar --run` once per program and case, as a
// teacher writes it without --check. Both use the same budget per case and
// must agree on how many cases pass.

#include "CheckWorkload.h"
#include "CommandOutput.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>
#include <string>

namespace tessivar::bench {
namespace {

constexpr int kProgramsPerExercise = 100; // five exercises: 500 programs
constexpr const char* kMaxSteps = "100000000";

const CheckWorkload& Workload()
{
    static const CheckWorkload workload(kProgramsPerExercise);
    return workload;
}

// The paths are those of a temporary folder: no quote in them.
std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

std::string ProgramArguments(const ExerciseFiles& exercise)
{
    std::string arguments;
    for (const std::string& program : exercise.programPaths) {
        arguments.append(" ").append(Quoted(program));
    }
    return arguments;
}

struct Totals {
    long passed = 0;
    long failed = 0;

    bool operator==(const Totals&) const = default;
};

// Adds the closing "N passed, M failed" of `output`; false when there is none.
bool AddTotals(const std::string& output, Totals& totals)
{
    const std::size_t lineStart = output.rfind('\n', output.size() - 2);
    long passed = 0;
    long failed = 0;
    if (std::sscanf(output.c_str() + (lineStart == std::string::npos ? 0 : lineStart + 1), "%ld passed, %ld failed",
                    &passed, &failed)
        != 2) {
        return false;
    }
    totals.passed += passed;
    totals.failed += failed;
    return true;
}

// What --check found, for the shell loop to be compared with.
std::optional<Totals> checkTotals;

void CheckEveryExercise(benchmark::State& state, const std::function<std::string(const ExerciseFiles&)>& command)
{
    Totals totals;
    for (auto _ : state) {
        totals = {};
        for (const ExerciseFiles& exercise : Workload().Exercises()) {
            if (!AddTotals(test::CommandOutput(command(exercise)), totals)) {
                state.SkipWithError("no closing line \"N passed, M failed\"");
                return;
            }
        }
    }
    if (checkTotals && !(totals == *checkTotals)) {
        state.SkipWithError("the shell loop and --check disagree");
        return;
    }
    checkTotals = totals;
    state.counters["passed"] = static_cast<double>(totals.passed);
    state.counters["failed"] = static_cast<double>(totals.failed);
    state.counters["cases"] = benchmark::Counter(static_cast<double>(Workload().CaseCount()),
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

// state.range(0): --jobs, 0 for the default of one per core.
void BM_CheckCommand(benchmark::State& state)
{
    const std::string jobs = state.range(0) == 0 ? "" : " --jobs " + std::to_string(state.range(0));
    CheckEveryExercise(state, [&jobs](const ExerciseFiles& exercise) {
        return Quoted(TESSIVAR_EXECUTABLE) + " --check " + Quoted(exercise.casesPath) + ProgramArguments(exercise)
            + " --max-steps " + kMaxSteps + jobs;
    });
}

void BM_ShellLoopAroundRun(benchmark::State& state)
{
    CheckEveryExercise(state, [](const ExerciseFiles& exercise) {
        return "bash " + Quoted(CHECK_WITH_RUN_SCRIPT) + " " + Quoted(TESSIVAR_EXECUTABLE) + " " + kMaxSteps + " "
            + Quoted(exercise.tablePath) + ProgramArguments(exercise);
    });
}

// The work happens in child processes: only the wall clock sees it.
BENCHMARK(BM_CheckCommand)->ArgName("jobs")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShellLoopAroundRun)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tessivar::bench
