#pragma once

#include "CompiledProgram.h"
#include "ProgramText.h"
#include "StepCount.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace tessivar {

// What `tessivar --run PROGRAM [VALUE ...] [--max-steps N] [--no-acceleration]` asks for.
struct RunRequest {
    std::string programPath;
    TextLines values; // register lines, R(1) first, each a valid value
    std::optional<StepCount> maxLines{}; // executed lines allowed, comments included; none: no limit
    LoopAcceleration acceleration = LoopAcceleration::On;
    std::optional<std::string> tracePath = std::nullopt; // "-": standard output, before the registers
};

struct CommandLineOptions {
    enum class Action { Run, Graph, Help, Version };
    Action action = Action::Run;
    RunRequest run; // for Graph, only the program path
};

struct UsageError {
    std::string message;
};

// `args` excludes the program name. An argument that reads as a register value
// (such as -3) is a VALUE even where an option could stand; after "--" every
// argument is a VALUE.
std::variant<CommandLineOptions, UsageError> ParseCommandLine(std::span<const std::string> args);

} // namespace tessivar
