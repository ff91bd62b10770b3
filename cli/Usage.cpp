#include "Usage.h"

namespace tessivar {

std::string UsageText()
{
    return R"(Usage: tessivar --run PROGRAM [VALUE ...] [--max-steps N] [--trace FILE] [--no-acceleration]
       tessivar --graph PROGRAM
       tessivar --help | --version
       tessivar [--lang ja|en] [PROGRAM]   (the window, with PROGRAM opened)

Runs a URM program file without the window and prints the registers, or
draws its control flow.

  --run PROGRAM     the program file to run (any text file, one instruction
                    per line, as the window's program editor would open it)
  VALUE             the register values R(1), R(2), ... in order, as the
                    register editor takes them: decimal or hexadecimal
                    ($, x, X, 0x, 0X), with an optional sign
  --max-steps N     stop after N executed lines (comment lines included)
                    when the program has not ended by then; N may be any
                    whole number below 2^127
  --trace FILE      write a line per executed program line to FILE (- for
                    standard output, before the registers), tab-separated
                    after a header: the step count, the line number, the
                    line as written, the register it changed and its new
                    value, and the line a taken jump continues at
  --no-acceleration run every line one at a time (see below)
  --graph PROGRAM   write the program's control flow in Graphviz DOT to
                    standard output: a box per line, an arrow to the next
                    line, an arrow per jump with its condition, and the
                    places where the program ends. For a picture:
                      tessivar --graph prog.urm | dot -Tsvg > prog.svg
  --lang ja|en      the window's language for this start (Japanese or
                    English); without it, the one last chosen in the window
  --                every argument after this is a VALUE
  -h, --help        show this text and exit
  --version         show the version and exit

Options and VALUEs may come in any order after --run PROGRAM. An argument
that reads as a register value, such as -3 or -0x10, is a VALUE.

The register lines are printed to standard output, one per line, as the
register editor shows them when the run ends. Standard error gets one line
with the step counter ("Step:" and the count) and whether the program ended.
Without --max-steps a program that never ends runs until it is interrupted.
When standard error is a terminal, a run that takes longer than a second
shows the steps so far and the steps per second there until it ends.

Loops whose passes change the registers by the same amounts each time, or
by amounts that grow by the same amount each time (counting, adding one
register to another, nested loops such as multiplication, division and
remainders, sums of series, passes that alternate), are carried out many
passes at once, with exactly the registers, step count and errors that
running every line would give. --no-acceleration turns this off.

Exit status:
  0  the program ended
  1  a step could not be carried out (the message is on standard error)
  2  wrong usage, an invalid VALUE, a program file that cannot be read, or
     VALUEs that cannot be set (more than 256, or within 200 of the
     64-bit limits)
  3  N lines ran (--max-steps) and the program has not ended
)";
}

} // namespace tessivar
