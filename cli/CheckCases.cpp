#include "CheckCases.h"

#include "Machine.h"
#include "Phrase.h"
#include "RegisterText.h"
#include "StepCount.h"
#include "UnicodeText.h"

#include <algorithm>
#include <optional>

namespace tessivar {

namespace {

constexpr std::string_view kArrow = "->";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> BlankSeparated(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t start = text.find_first_not_of(kBlanks);
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kBlanks, end);
    }
    return words;
}

std::string RegisterName(std::size_t number)
{
    std::string name = "R";
    return name.append(std::to_string(number));
}

// Parses one line that holds a case; the error is the first rule it breaks.
class CaseLine {
public:
    CaseLine(std::size_t lineNumber, std::string_view text, Language language)
        : case_{.lineNumber = lineNumber, .text = std::string(text)}, language_(language)
    {}

    std::variant<CheckCase, CasesError> Parse()
    {
        const std::string_view text = case_.text;
        const std::size_t arrow = text.find(kArrow);
        if (arrow == std::string_view::npos) {
            Fail({"no '->' between the input registers and the expected ones",
                  "入力レジスタと期待するレジスタの間に '->' がありません"});
        } else if (text.find(kArrow, arrow + kArrow.size()) != std::string_view::npos) {
            Fail({"more than one '->'", "'->' が 2 つ以上あります"});
        } else if (TakeInputs(text.substr(0, arrow)) && TakeExpectations(text.substr(arrow + kArrow.size()))) {
            return std::move(case_);
        }
        return *error_;
    }

private:
    bool TakeInputs(std::string_view text)
    {
        for (const std::string_view word : BlankSeparated(text)) {
            if (case_.inputs.size() == kRegisterCount) {
                return Fail({"more than %1 input registers", "入力レジスタが %1 個を超えます"},
                            {std::to_string(kRegisterCount)});
            }
            const std::string name = RegisterName(case_.inputs.size() + 1);
            const std::optional<std::int64_t> value = ParseRegisterLine(word);
            if (!value) {
                return Fail({"input %1 '%2' is not a whole number", "入力 %1 の '%2' は整数ではありません"},
                            {name, std::string(word)});
            }
            if (*value > kLargestSetValue || *value < -kLargestSetValue) {
                return Fail({"input %1 %2 is too near the 64-bit limits to be set (at most %3 either way)",
                             "入力 %1 の %2 は 64 ビットの限界に近すぎてセットできません (正負とも %3 まで)"},
                            {name, std::string(word), std::to_string(kLargestSetValue)});
            }
            case_.inputs.emplace_back(word);
        }
        return true;
    }

    bool TakeExpectations(std::string_view text)
    {
        const std::vector<std::string_view> words = BlankSeparated(text);
        if (words.empty()) {
            return Fail({"no expected register after '->'", "'->' の後に期待するレジスタがありません"});
        }
        for (const std::string_view word : words) {
            if (!TakeExpectation(word)) {
                return false;
            }
        }
        return true;
    }

    bool TakeExpectation(std::string_view word)
    {
        const std::size_t equals = word.find('=');
        if (!word.starts_with('R') || equals == std::string_view::npos) {
            return Fail({"'%1' is not an expected register such as R1=12",
                         "'%1' は R1=12 のような期待するレジスタではありません"},
                        {std::string(word)});
        }
        const std::string_view name = word.substr(0, equals);
        const std::optional<StepCount> number = ParseStepCount(name.substr(1));
        if (!number || *number < 1 || *number > kRegisterCount) {
            return Fail({"'%1' is not a register: R1 to %2", "'%1' はレジスタではありません (R1〜%2)"},
                        {std::string(name), RegisterName(kRegisterCount)});
        }
        const int registerNumber = static_cast<int>(*number);
        const std::string_view valueText = word.substr(equals + 1);
        const std::optional<std::int64_t> value = ParseRegisterLine(valueText);
        if (!value) {
            return Fail({"expected %1 '%2' is not a whole number", "期待する %1 の '%2' は整数ではありません"},
                        {RegisterName(registerNumber), std::string(valueText)});
        }
        if (std::ranges::any_of(case_.expected, [registerNumber](const ExpectedRegister& expected) {
                return expected.registerNumber == registerNumber;
            })) {
            return Fail({"%1 is expected twice", "%1 が 2 回期待されています"}, {RegisterName(registerNumber)});
        }
        case_.expected.push_back({registerNumber, *value});
        return true;
    }

    bool Fail(const Phrase& phrase, const std::vector<std::string>& args = {})
    {
        error_ = CasesError{case_.lineNumber, Say(language_, phrase, args)};
        return false;
    }

    CheckCase case_;
    Language language_;
    std::optional<CasesError> error_;
};

} // namespace

std::variant<std::vector<CheckCase>, CasesError> ParseCheckCases(std::string_view text, Language language)
{
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    std::vector<CheckCase> cases;
    const TextLines lines = SplitTextLines(text);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::size_t lineNumber = index + 1;
        if (!IsValidUtf8(lines[index])) {
            return CasesError{lineNumber, Say(language, {"not UTF-8 text", "UTF-8 のテキストではありません"})};
        }
        const std::string_view line = Trimmed(std::string_view(lines[index]).substr(0, lines[index].find('#')));
        if (line.empty()) {
            continue;
        }
        auto parsed = CaseLine(lineNumber, line, language).Parse();
        if (auto* error = std::get_if<CasesError>(&parsed)) {
            return std::move(*error);
        }
        cases.push_back(std::get<CheckCase>(std::move(parsed)));
    }
    if (cases.empty()) {
        return CasesError{0, Say(language, {"no case in the file", "ファイルにケースがありません"})};
    }
    return cases;
}

} // namespace tessivar
