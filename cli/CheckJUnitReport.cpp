#include "CheckJUnitReport.h"

#include "Phrase.h"
#include "UnicodeText.h"

#include <optional>
#include <string_view>

namespace tessivar {

namespace {

// XML 1.0 admits neither most control characters nor U+FFFE and U+FFFF, even
// written as references.
bool IsXmlCharacter(char32_t c)
{
    return c == U'\t' || c == U'\n' || c == U'\r' || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
}

// `text` for an attribute value in double quotes. Paths may hold any byte: what
// is not a character XML admits becomes U+FFFD, so that the file stays well-formed.
std::string AttributeText(std::string_view bytes)
{
    const std::string valid = MakeValidUtf8(bytes);
    std::string_view text = valid;
    std::string escaped;
    while (!text.empty()) {
        const Utf8Character read = ReadUtf8Character(text).value();
        const char32_t c = IsXmlCharacter(read.codePoint) ? read.codePoint : ReplacementCharacter;
        switch (c) {
        case U'&':
            escaped += "&amp;";
            break;
        case U'<':
            escaped += "&lt;";
            break;
        case U'>':
            escaped += "&gt;";
            break;
        case U'"':
            escaped += "&quot;";
            break;
        case U'\t': // kept as they are, where a parser would make blanks of them
        case U'\n':
        case U'\r':
            escaped += "&#" + std::to_string(static_cast<unsigned>(c)) + ";";
            break;
        default:
            AppendUtf8(escaped, c);
            break;
        }
        text.remove_prefix(read.length);
    }
    return escaped;
}

struct SuiteCounts {
    std::size_t tests = 0;
    std::size_t failures = 0;
    std::size_t errors = 0;

    static SuiteCounts Of(const ProgramCheck& check, std::size_t caseCount)
    {
        if (check.readError) {
            return {caseCount, 0, caseCount};
        }
        return {caseCount, caseCount - check.Passed(), 0};
    }

    void Add(const SuiteCounts& other)
    {
        tests += other.tests;
        failures += other.failures;
        errors += other.errors;
    }

    std::string Attributes() const
    {
        return "tests=\"" + std::to_string(tests) + "\" failures=\"" + std::to_string(failures) + "\" errors=\""
            + std::to_string(errors) + "\"";
    }
};

std::string TestCaseElement(const std::string& suiteName, const CheckCase& checkCase, const std::string& outcome)
{
    const std::string start = "    <testcase classname=\"" + suiteName + "\" name=\""
        + AttributeText("line " + std::to_string(checkCase.lineNumber) + ": " + checkCase.text) + "\"";
    if (outcome.empty()) {
        return start + "/>\n";
    }
    return start + ">\n      " + outcome + "\n    </testcase>\n";
}

std::string TestSuiteElement(const ProgramCheck& check, std::span<const CheckCase> cases, Language language)
{
    const std::string name = AttributeText(check.programPath);
    std::string suite
        = "  <testsuite name=\"" + name + "\" " + SuiteCounts::Of(check, cases.size()).Attributes() + ">\n";
    for (std::size_t index = 0; index < cases.size(); ++index) {
        std::string outcome;
        if (check.readError) {
            outcome = "<error message=\""
                + AttributeText(Say(language, {"cannot be read: %1", "読めません: %1"}, {*check.readError})) + "\"/>";
        } else if (check.results[index].verdict != CaseVerdict::Pass) {
            outcome = "<failure message=\"" + AttributeText(check.results[index].failure) + "\"/>";
        }
        suite += TestCaseElement(name, cases[index], outcome);
    }
    return suite + "  </testsuite>\n";
}

} // namespace

std::string CheckJUnitReport(std::span<const ProgramCheck> checks, std::span<const CheckCase> cases, Language language)
{
    SuiteCounts total;
    std::string suites;
    for (const ProgramCheck& check : checks) {
        total.Add(SuiteCounts::Of(check, cases.size()));
        suites += TestSuiteElement(check, cases, language);
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"tessivar --check\" " + total.Attributes()
        + ">\n" + suites + "</testsuites>\n";
}

} // namespace tessivar
