#include "CommandLineOptions.h"

#include "RegisterText.h"

#include <optional>
#include <string_view>

namespace tessivar {

namespace {

constexpr std::string_view kMaxStepsOption = "--max-steps";
constexpr std::string_view kMaxStepsWithValue = "--max-steps=";

class Parser {
public:
    explicit Parser(std::span<const std::string> args) : args_(args) {}

    std::variant<CommandLineOptions, UsageError> Parse()
    {
        while (!error_ && next_ < args_.size()) {
            const std::string& arg = args_[next_++];
            if (!valuesOnly_ && (arg == "--help" || arg == "-h")) {
                return CommandLineOptions{.action = CommandLineOptions::Action::Help, .run = {}};
            }
            if (!valuesOnly_ && arg == "--version") {
                return CommandLineOptions{.action = CommandLineOptions::Action::Version, .run = {}};
            }
            Take(arg);
        }
        if (error_) {
            return *error_;
        }
        if (options_.action == CommandLineOptions::Action::Graph) {
            if (takesRunOptions_) {
                return UsageError{
                    "--graph takes only the program: no VALUE, --run, --max-steps, --trace or --no-acceleration"};
            }
            return options_;
        }
        if (!hasProgram_) {
            return UsageError{"missing --run PROGRAM"};
        }
        return options_;
    }

private:
    void Take(const std::string& arg)
    {
        if (valuesOnly_) {
            TakeValue(arg);
        } else if (arg == "--") {
            valuesOnly_ = true;
        } else if (arg == "--run") {
            TakeProgram(arg);
            takesRunOptions_ = true;
        } else if (arg == "--graph") {
            TakeProgram(arg);
            options_.action = CommandLineOptions::Action::Graph;
        } else if (arg == kMaxStepsOption) {
            TakeMaxSteps(NextArgument(arg));
        } else if (arg.starts_with(kMaxStepsWithValue)) {
            TakeMaxSteps(arg.substr(kMaxStepsWithValue.size()));
        } else if (arg == "--trace") {
            if (std::optional<std::string> file = NextArgument(arg))
                options_.run.tracePath = std::move(*file);
            takesRunOptions_ = true;
        } else if (arg == "--no-acceleration") {
            options_.run.acceleration = LoopAcceleration::Off;
            takesRunOptions_ = true;
        } else if (arg.starts_with("-") && !ParseRegisterLine(arg)) {
            Fail("unknown option '" + arg + "'");
        } else {
            TakeValue(arg);
        }
    }

    std::optional<std::string> NextArgument(const std::string& option)
    {
        if (next_ == args_.size()) {
            Fail(option + " needs an argument");
            return std::nullopt;
        }
        return args_[next_++];
    }

    // `option` is --run or --graph: either names the one program.
    void TakeProgram(const std::string& option)
    {
        if (hasProgram_) {
            Fail("--run or --graph given twice");
            return;
        }
        if (auto path = NextArgument(option)) {
            options_.run.programPath = *path;
            hasProgram_ = true;
        }
    }

    void TakeMaxSteps(const std::optional<std::string>& text)
    {
        if (!text) {
            return;
        }
        const std::optional<StepCount> count = ParseStepCount(*text);
        if (!count) {
            Fail("--max-steps needs a whole number of 0 or more, not '" + *text + "'");
            return;
        }
        options_.run.maxLines = *count;
        takesRunOptions_ = true;
    }

    void TakeValue(const std::string& arg)
    {
        if (!ParseRegisterLine(arg)) {
            Fail("invalid register value '" + arg + "'");
            return;
        }
        options_.run.values.push_back(arg);
        takesRunOptions_ = true;
    }

    void Fail(std::string message) { error_ = UsageError{std::move(message)}; }

    std::span<const std::string> args_;
    std::size_t next_ = 0;
    bool valuesOnly_ = false;
    bool hasProgram_ = false;
    bool takesRunOptions_ = false; // an argument that only a run uses
    CommandLineOptions options_;
    std::optional<UsageError> error_;
};

} // namespace

std::variant<CommandLineOptions, UsageError> ParseCommandLine(std::span<const std::string> args)
{
    return Parser(args).Parse();
}

} // namespace tessivar
