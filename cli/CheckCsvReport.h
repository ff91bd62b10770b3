#pragma once

#include "CheckCases.h"
#include "ProgramCheck.h"

#include <span>
#include <string>

namespace tessivar {

// A table for a spreadsheet (RFC 4180, UTF-8): a header "program", "line N"
// per case, "passed", "failed"; then a row per program with PASS or FAIL per
// case and its totals. Every case of a program that cannot be read is FAIL.
// Its words are the same in any language, for the tools that read it; a
// program's name is quoted where it holds a comma, a quote or a line break,
// and a byte of it that is not UTF-8 becomes U+FFFD.
std::string CheckCsvReport(std::span<const ProgramCheck> checks, std::span<const CheckCase> cases);

} // namespace tessivar
