// Cases files: whatever the text, the parser either names a line that exists
// or gives cases that Set loads and that name each register once; written
// out again in plain form, the cases read back the same.

#include "CheckCases.h"
#include "FuzzCheck.h"
#include "Machine.h"
#include "RegisterText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using namespace tessivar;
using fuzz::Check;

void CheckLoadable(const CheckCase& checkCase)
{
    Machine machine;
    TextLines registers = checkCase.inputs;
    Check(!machine.Set(registers, {}).error);
    Check(!checkCase.expected.empty());
    std::vector<int> named;
    for (const ExpectedRegister& expected : checkCase.expected) {
        Check(IsRegisterNumber(expected.registerNumber));
        named.push_back(expected.registerNumber);
    }
    std::ranges::sort(named);
    Check(std::ranges::adjacent_find(named) == named.end());
}

std::string PlainText(const std::vector<CheckCase>& cases)
{
    std::string text;
    for (const CheckCase& checkCase : cases) {
        for (const std::string& input : checkCase.inputs) {
            text += CanonicalRegisterText(RegisterLineValue(input)) + " ";
        }
        text += "->";
        for (const ExpectedRegister& expected : checkCase.expected) {
            text += " R" + std::to_string(expected.registerNumber) + "=" + CanonicalRegisterText(expected.value);
        }
        text += "\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseCheckCases(text, Language::English);
    if (const auto* error = std::get_if<CasesError>(&parsed)) {
        Check(error->lineNumber <= SplitTextLines(text).size() && !error->message.empty());
        return 0;
    }
    const auto& cases = std::get<std::vector<CheckCase>>(parsed);
    for (std::size_t index = 0; index < cases.size(); ++index) {
        Check(index == 0 || cases[index].lineNumber > cases[index - 1].lineNumber);
        CheckLoadable(cases[index]);
    }
    const auto again = ParseCheckCases(PlainText(cases), Language::English);
    Check(std::holds_alternative<std::vector<CheckCase>>(again));
    const auto& reread = std::get<std::vector<CheckCase>>(again);
    Check(reread.size() == cases.size());
    for (std::size_t index = 0; index < cases.size(); ++index) {
        Check(reread[index].expected == cases[index].expected);
        Check(std::ranges::equal(reread[index].inputs, cases[index].inputs, {}, RegisterLineValue, RegisterLineValue));
    }
    return 0;
}
