#pragma once

#include "CheckCases.h"
#include "CommandLineLanguage.h"
#include "ProgramCheck.h"

#include <span>
#include <string>

namespace tessivar {

// JUnit XML, as CI services and grading systems read it: a test suite per
// program, named by its path, a test case per case with a failure that says
// why; each case of a program that cannot be read is an error. The messages
// are in `language`; the names, which tools compare, are the same in any.
std::string CheckJUnitReport(std::span<const ProgramCheck> checks, std::span<const CheckCase> cases, Language language);

} // namespace tessivar
