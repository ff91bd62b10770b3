#include "Usage.h"

namespace tessivar {

std::string UsageText()
{
    return R"(Usage: tessivar --run PROGRAM [VALUE ...] [--max-steps N]
       tessivar --help | --version

Runs a URM program file without the window and prints the registers.

  --run PROGRAM     the program file to run (any text file, one instruction
                    per line, as the window's program editor would open it)
  VALUE             the register values R(1), R(2), ... in order, as the
                    register editor takes them: decimal or hexadecimal
                    ($, x, X, 0x, 0X), with an optional sign
  --max-steps N     stop after N executed lines (comment lines included)
                    when the program has not ended by then
  --                every argument after this is a VALUE
  -h, --help        show this text and exit
  --version         show the version and exit

Options and VALUEs may come in any order after --run PROGRAM. An argument
that reads as a register value, such as -3 or -0x10, is a VALUE.

The register lines are printed to standard output, one per line, as the
register editor shows them when the run ends. Standard error gets one line
with the step counter ("Step:" and the count) and whether the program ended.
Without --max-steps a program that never ends runs until it is interrupted.

Exit status:
  0  the program ended
  1  a step could not be carried out (the message is on standard error)
  2  wrong usage, an invalid VALUE, or a program file that cannot be read
  3  N lines ran (--max-steps) and the program has not ended
)";
}

} // namespace tessivar
