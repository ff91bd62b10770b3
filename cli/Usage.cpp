#include "Usage.h"

namespace tessivar {

std::string UsageText()
{
    return R"usage(Usage: tessivar --run PROGRAM [VALUE ...] [--max-steps N] [--trace FILE] [--no-acceleration]
  or:  tessivar --check CASES PROGRAM... [--max-steps N] [--junit FILE] [--csv FILE] [--jobs N]
  or:  tessivar --graph PROGRAM
  or:  tessivar --help | --version
  or:  tessivar [--lang ja|en] [PROGRAM]   (the window, with PROGRAM opened)

Runs a URM program file without the window and prints the registers,
checks programs against cases, or draws a program's control flow.

  --run PROGRAM     the program file to run (any text file, one instruction
                    per line, as the window's program editor would open it:
                    UTF-8 or UTF-16 after a byte-order mark; without one,
                    UTF-8 when the bytes are valid UTF-8, else Shift_JIS
                    (code page 932))
  VALUE             the register values R(1), R(2), ... in order, as the
                    register editor takes them: decimal or hexadecimal
                    ($, x, X, 0x, 0X), with an optional sign
  --max-steps N     stop after N executed lines (comment lines included)
                    when the program has not ended by then; N may be any
                    whole number below 2^127
  --trace FILE      write a line per executed program line to FILE (- for
                    standard output, before the registers), tab-separated
                    after a header: the step count, the line number, the
                    line as written (control characters shown as their
                    Unicode pictures, a tab as a blank), the register it
                    changed and its new value, and the line a taken jump
                    continues at
  --no-acceleration run every line one at a time (see below)
  --check CASES     run every case of the file CASES against each PROGRAM
                    and report which pass (see below)
  --junit FILE      with --check, also write the results as JUnit XML: a
                    test suite per program, a test case per case
  --csv FILE        with --check, also write a table of PASS and FAIL with a
                    row per program, a column per case and the totals
  --jobs N          with --check, check N programs at a time (default: as
                    many as there are cores)
  --graph PROGRAM   write the program's control flow in Graphviz DOT to
                    standard output: a box per line, an arrow to the next
                    line, an arrow per jump with its condition, and the
                    places where the program ends; a line longer than
                    Graphviz takes is cut, with "… (N more characters)".
                    For a picture:
                      tessivar --graph prog.urm | dot -Tsvg > prog.svg
  --lang ja|en      the window's language for this start (Japanese or
                    English); without it, the one last chosen in the window
  --                every argument after this is a VALUE (a PROGRAM with
                    --check)
  -h, --help        show this text and exit
  --version         show the version and exit

Options and VALUEs may come in any order after --run PROGRAM, options and
PROGRAMs after --check CASES. An argument that reads as a register value,
such as -3 or -0x10, is a VALUE (or a PROGRAM).

The register lines are printed to standard output, one per line, as the
register editor shows them when the run ends. Standard error gets one line
with the step counter ("Step:" and the count) and whether the program ended.
Without --max-steps a program that never ends runs until it is interrupted.
When standard error is a terminal, a run that takes longer than a second
shows the steps so far and the steps per second there until it ends.

--check reads CASES as UTF-8 text, one case per line: the values of R(1),
R(2), ... written as VALUEs and separated by blanks (none is fine), then
"->", then one or more expected registers R<k>=<value> separated by blanks;
"#" starts a comment and blank lines are skipped. For example:
    3 4 -> R1=12      # 3 times 4
    0 5 -> R1=0 R2=5
A case passes when the program ends within the budget of --max-steps lines
(default 100000000 per case with --check: a count, not a time, so every
machine gives the same results) and each register named holds its value.
Standard output gets a line per program and case, "PROGRAM: case line N:
PASS" or "...: FAIL:" with what was expected and what came out, "did not
halt within N steps" or the failing step's message, and at the end the line
"N passed, M failed". A program that cannot be read gets one line and its
cases count as failed; the other programs are still checked. A PROGRAM that
a line cannot show as it is (a line break, a control character, bytes that
are not UTF-8) is written in double quotes with C's escapes.

Errors, the status line, the machine's messages, the lines of --check and
the JUnit messages, and the words of --graph are in Japanese when the locale
is Japanese and in English otherwise: the first of LC_ALL, LC_MESSAGES and
LANG that is set and not empty decides, Japanese for one starting with "ja"
(such as ja_JP.UTF-8). The words of the CSV and JUnit files themselves and
the trace's header stay the same for the tools that read them, and this
help is in English.

Loops whose passes change the registers by the same amounts each time, or
by amounts that grow by the same amount each time (counting, adding one
register to another, nested loops such as multiplication, division and
remainders, sums of series, passes that alternate), are carried out many
passes at once, with exactly the registers, step count and errors that
running every line would give. --no-acceleration turns this off.

Exit status of --run and --graph:
  0  the program ended
  1  a step could not be carried out (the message is on standard error)
  2  wrong usage, an invalid VALUE, a program file that cannot be read, or
     VALUEs that cannot be set (more than 256, or within 200 of the
     64-bit limits)
  3  N lines ran (--max-steps) and the program has not ended

Exit status of --check:
  0  every case of every program passed
  1  a case failed
  2  wrong usage, a CASES file that cannot be read or breaks a rule (its
     line and what is wrong are on standard error), a program that cannot
     be read, or a report that cannot be written
)usage";
}

} // namespace tessivar
