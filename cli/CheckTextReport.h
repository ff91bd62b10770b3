#pragma once

#include "CheckCases.h"
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
// program that cannot be read the one line "PROGRAM: cannot be read: why".
void WriteProgramResults(std::ostream& out, const ProgramCheck& check, std::span<const CheckCase> cases);

// "N passed, M failed".
std::string TotalsLine(const CheckTotals& totals);

} // namespace tessivar
