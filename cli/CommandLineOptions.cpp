#include "CommandLineOptions.h"

#include "Phrase.h"
#include "RegisterText.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>

namespace tessivar {

namespace {

// Options that only one action takes.
constexpr std::array<std::string_view, 2> kRunOnlyOptions{"--trace", "--no-acceleration"};
constexpr std::array<std::string_view, 3> kCheckOnlyOptions{"--junit", "--csv", "--jobs"};

class Parser {
public:
    Parser(std::span<const std::string> args, Language language) : args_(args), language_(language) {}

    std::variant<CommandLineOptions, UsageError> Parse()
    {
        while (!error_ && next_ < args_.size()) {
            const std::string& arg = args_[next_++];
            if (!operandsOnly_ && (arg == "--help" || arg == "-h")) {
                return CommandLineOptions{.action = CommandLineOptions::Action::Help};
            }
            if (!operandsOnly_ && arg == "--version") {
                return CommandLineOptions{.action = CommandLineOptions::Action::Version};
            }
            Take(arg);
        }
        if (!error_) {
            Finish();
        }
        if (error_) {
            return *error_;
        }
        return options_;
    }

private:
    // An operand is a VALUE for --run and a PROGRAM for --check.
    void Take(const std::string& arg)
    {
        if (operandsOnly_) {
            operands_.push_back(arg);
        } else if (arg == "--") {
            operandsOnly_ = true;
        } else if (!arg.starts_with("-") || ParseRegisterLine(arg)) {
            operands_.push_back(arg);
        } else {
            TakeOption(arg);
        }
    }

    // "--name VALUE" and "--name=VALUE" alike, for every option that takes one.
    void TakeOption(const std::string& arg)
    {
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (equals != std::string::npos) {
            inlineValue_ = arg.substr(equals + 1);
        }
        if (name == "--run") {
            TakeAction(CommandLineOptions::Action::Run, name, options_.run.programPath);
        } else if (name == "--graph") {
            TakeAction(CommandLineOptions::Action::Graph, name, options_.run.programPath);
        } else if (name == "--check") {
            TakeAction(CommandLineOptions::Action::Check, name, options_.check.casesPath);
        } else {
            seenOptions_.push_back(name);
            TakeSetting(name, arg);
        }
        inlineValue_.reset();
    }

    void TakeSetting(const std::string& name, const std::string& arg)
    {
        if (name == "--max-steps") {
            TakeMaxSteps(name);
        } else if (name == "--trace") {
            options_.run.tracePath = Value(name);
        } else if (name == "--no-acceleration") {
            NoValue(name);
            options_.run.acceleration = LoopAcceleration::Off;
        } else if (name == "--junit") {
            options_.check.junitPath = Value(name);
        } else if (name == "--csv") {
            options_.check.csvPath = Value(name);
        } else if (name == "--jobs") {
            TakeJobs(name);
        } else {
            Fail({"unknown option '%1'", "不明なオプション '%1' です"}, {arg});
        }
    }

    std::optional<std::string> Value(const std::string& option)
    {
        if (inlineValue_) {
            return std::move(inlineValue_);
        }
        if (next_ == args_.size()) {
            Fail({"%1 needs an argument", "%1 には引数が要ります"}, {option});
            return std::nullopt;
        }
        return args_[next_++];
    }

    void NoValue(const std::string& option)
    {
        if (inlineValue_) {
            Fail({"%1 takes no argument", "%1 は引数を取りません"}, {option});
        }
    }

    // --run, --graph and --check each name what to do, and only one may.
    void TakeAction(CommandLineOptions::Action action, const std::string& option, std::string& path)
    {
        if (action_) {
            Fail({"--run, --graph or --check given twice", "--run、--graph、--check は 1 つだけ指定できます"});
            return;
        }
        if (std::optional<std::string> value = Value(option)) {
            path = std::move(*value);
            action_ = action;
        }
    }

    void TakeMaxSteps(const std::string& option)
    {
        const std::optional<std::string> text = Value(option);
        if (!text) {
            return;
        }
        maxSteps_ = ParseStepCount(*text);
        if (!maxSteps_) {
            Fail({"--max-steps needs a whole number of 0 or more, not '%1'",
                  "--max-steps には 0 以上の整数が要ります ('%1' ではなく)"},
                 {*text});
        }
    }

    void TakeJobs(const std::string& option)
    {
        const std::optional<std::string> text = Value(option);
        if (!text) {
            return;
        }
        const std::optional<StepCount> jobs = ParseStepCount(*text);
        if (!jobs || *jobs < 1 || *jobs > std::numeric_limits<unsigned>::max()) {
            Fail({"--jobs needs a whole number of 1 or more, not '%1'",
                  "--jobs には 1 以上の整数が要ります ('%1' ではなく)"},
                 {*text});
            return;
        }
        options_.check.jobs = static_cast<unsigned>(*jobs);
    }

    void Finish()
    {
        if (!action_) {
            Fail({"missing --run PROGRAM or --check CASES PROGRAM",
                  "--run PROGRAM か --check CASES PROGRAM を指定してください"});
            return;
        }
        options_.action = *action_;
        if (*action_ == CommandLineOptions::Action::Graph) {
            if (!operands_.empty() || !seenOptions_.empty()) {
                Fail({"--graph takes only the program: no VALUE, --run, --check or other option",
                      "--graph に指定できるのはプログラムだけです "
                      "(VALUE、--run、--check、ほかのオプションは指定できません)"});
            }
        } else if (*action_ == CommandLineOptions::Action::Check) {
            FinishCheck();
        } else {
            FinishRun();
        }
    }

    void FinishRun()
    {
        if (const std::optional<std::string> option = FirstSeen(kCheckOnlyOptions)) {
            Fail({"%1 goes with --check only", "%1 は --check と一緒にしか使えません"}, {*option});
            return;
        }
        for (const std::string& operand : operands_) {
            if (!ParseRegisterLine(operand)) {
                Fail({"invalid register value '%1'", "レジスタの値 '%1' は正しくありません"}, {operand});
                return;
            }
        }
        options_.run.values = std::move(operands_);
        options_.run.maxLines = maxSteps_;
    }

    void FinishCheck()
    {
        if (const std::optional<std::string> option = FirstSeen(kRunOnlyOptions)) {
            Fail({"%1 does not go with --check", "%1 は --check と一緒には使えません"}, {*option});
            return;
        }
        if (operands_.empty()) {
            Fail({"--check needs at least one PROGRAM after CASES",
                  "--check には CASES の後に PROGRAM が 1 つ以上要ります"});
            return;
        }
        options_.check.programPaths = std::move(operands_);
        options_.check.maxLines = maxSteps_.value_or(kDefaultCheckSteps);
    }

    std::optional<std::string> FirstSeen(std::span<const std::string_view> options) const
    {
        const auto seen = std::find_first_of(seenOptions_.begin(), seenOptions_.end(), options.begin(), options.end());
        if (seen == seenOptions_.end()) {
            return std::nullopt;
        }
        return *seen;
    }

    void Fail(const Phrase& phrase, const std::vector<std::string>& args = {})
    {
        if (!error_) {
            error_ = UsageError{Say(language_, phrase, args)};
        }
    }

    std::span<const std::string> args_;
    Language language_;
    std::size_t next_ = 0;
    bool operandsOnly_ = false;
    std::optional<std::string> inlineValue_; // of the option being taken
    std::optional<CommandLineOptions::Action> action_;
    std::vector<std::string> operands_;
    std::vector<std::string> seenOptions_; // by name, all but --run, --graph and --check
    std::optional<StepCount> maxSteps_;
    CommandLineOptions options_;
    std::optional<UsageError> error_;
};

} // namespace

std::variant<CommandLineOptions, UsageError> ParseCommandLine(std::span<const std::string> args, Language language)
{
    return Parser(args, language).Parse();
}

} // namespace tessivar
