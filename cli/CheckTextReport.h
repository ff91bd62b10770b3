#pragma once

#include "CheckCases.h"
#include "CommandLineLanguage.h"
#include "ProgramCheck.h"

#include <cstddef>
#include <ostream>
#include <span>
#include <string>

namespace tessivar {

// Cases passed and failed over every program; the cases of a program that
// could not be read count as failed.
struct CheckTotals {
    std::size_t passed = 0;
    std::size_t failed = 0;
    bool unreadableProgram = false;

    void Add(const ProgramCheck& check, std::size_t caseCount);
};

// A line per case, "PROGRAM: case line N: PASS" or "...: FAIL: why", or for a
// program that cannot be read the one line "PROGRAM: cannot be read: why", in
// `language`. A PROGRAM that a line cannot show as it is (a line break, a
// control character, bytes that are not UTF-8, a leading quote) is written in
// double quotes with C's escapes.
void WriteProgramResults(std::ostream& out, const ProgramCheck& check, std::span<const CheckCase> cases,
                         Language language);

// "N passed, M failed", in `language`.
std::string TotalsLine(const CheckTotals& totals, Language language);

} // namespace tessivar
