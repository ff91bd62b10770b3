#pragma once

#include "CommandLineLanguage.h"
#include "ProgramText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tessivar {

// A register and the value a case expects it to hold when the program halts.
struct ExpectedRegister {
    int registerNumber = 0; // 1 to 256
    std::int64_t value = 0;

    bool operator==(const ExpectedRegister&) const = default;
};

// One line of a CASES file, such as "3 4 -> R1=12".
struct CheckCase {
    std::size_t lineNumber = 0; // 1-based
    std::string text{}; // the line without its comment and outer blanks
    TextLines inputs{}; // R(1), R(2), ... as register lines that Set loads
    std::vector<ExpectedRegister> expected{}; // at least one, each register once
};

// Why a CASES file cannot be used.
struct CasesError {
    std::size_t lineNumber = 0; // 0: the file as a whole
    std::string message;
};

// The cases of a CASES file's UTF-8 text (a byte-order mark is skipped): per
// line the inputs separated by blanks, "->", then expectations R<k>=<value>;
// "#" starts a comment; blank lines are skipped. Values are written as the
// register editor takes them. The first line that breaks a rule is the error,
// and so is a file without any case, told in `language`.
std::variant<std::vector<CheckCase>, CasesError> ParseCheckCases(std::string_view text, Language language);

} // namespace tessivar
