#pragma once

#include "CheckCases.h"
#include "ProgramCheck.h"

#include <span>
#include <string>

namespace tessivar {

// A table for a spreadsheet (RFC 4180, UTF-8): a header "program", "line N"
// per case, "passed", "failed"; then a row per program with PASS or FAIL per
// case and its totals. Every case of a program that cannot be read is FAIL.
std::string CheckCsvReport(std::span<const ProgramCheck> checks, std::span<const CheckCase> cases);

} // namespace tessivar
