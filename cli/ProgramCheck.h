#pragma once

#include "CheckCases.h"
#include "CommandLineLanguage.h"
#include "CompiledProgram.h"
#include "ProgramText.h"
#include "StepCount.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessivar {

enum class CaseVerdict {
    Pass,
    WrongValue, // halted, but a named register holds another value
    NotHalted, // the budget ran out first
    StepFailed, // a line could not be carried out
};

struct CaseResult {
    CaseVerdict verdict = CaseVerdict::Pass;
    std::string failure; // what was expected and what came out; empty for a pass
};

// Every case run against one program file.
struct ProgramCheck {
    std::string programPath;
    std::optional<std::string> readError{}; // set: the file could not be read and no case ran
    std::vector<CaseResult> results{}; // one per case, in the cases' order

    std::size_t Passed() const;
};

// Sets the machine from the case's inputs and `programLines`, runs `program`
// (compiled from those lines) for at most `maxLines` lines and compares the
// registers the case names; a failure is told in `language`.
CaseResult RunCase(const CompiledProgram& program, const TextLines& programLines, const CheckCase& checkCase,
                   StepCount maxLines, Language language);

// Reads the program file as the window opens it, compiles it with loop
// acceleration once, and runs every case.
ProgramCheck CheckProgram(const std::string& programPath, std::span<const CheckCase> cases, StepCount maxLines,
                          Language language);

} // namespace tessivar
