#pragma once

#include "CommandLineLanguage.h"
#include "CompiledProgram.h"
#include "ProgramText.h"
#include "StepCount.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tessivar {

// What `tessivar --run PROGRAM [VALUE ...] [--max-steps N] [--no-acceleration]` asks for.
struct RunRequest {
    std::string programPath;
    TextLines values; // register lines, R(1) first, each a valid value
    std::optional<StepCount> maxLines{}; // executed lines allowed, comments included; none: no limit
    LoopAcceleration acceleration = LoopAcceleration::On;
    std::optional<std::string> tracePath = std::nullopt; // "-": standard output, before the registers
};

// A check needs a budget so that a program that never halts fails instead of
// holding up the others, and a budget rather than a time so that every machine
// gives the same verdicts. A hundred million lines take a fraction of a second
// where no loop can be summarised, and are far more than a classroom exercise
// runs on its cases.
inline constexpr StepCount kDefaultCheckSteps = 100'000'000;

// What `tessivar --check CASES PROGRAM... [--max-steps N] [--junit FILE] [--csv FILE] [--jobs N]` asks for.
struct CheckRequest {
    std::string casesPath;
    std::vector<std::string> programPaths;
    StepCount maxLines = kDefaultCheckSteps; // per case, comments included
    std::optional<std::string> junitPath{};
    std::optional<std::string> csvPath{};
    std::optional<unsigned> jobs{}; // none: one per core
};

struct CommandLineOptions {
    enum class Action { Run, Graph, Check, Help, Version };
    Action action = Action::Run;
    RunRequest run{}; // for Graph, only the program path
    CheckRequest check{};
};

struct UsageError {
    std::string message;
};

// `args` excludes the program name. An argument that reads as a register value
// (such as -3) is a VALUE, or for --check a PROGRAM, even where an option could
// stand; after "--" every argument is one. An error is told in `language`.
std::variant<CommandLineOptions, UsageError> ParseCommandLine(std::span<const std::string> args, Language language);

} // namespace tessivar
