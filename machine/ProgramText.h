#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessivar {

using TextLines = std::vector<std::string>; // UTF-8, one entry per line

// Splits at CR LF, lone CR and lone LF. A final break yields no empty last line.
TextLines SplitTextLines(std::string_view text);

// Joins with CR LF, no break after the last line.
std::string JoinTextLines(const TextLines& lines);

// The program list that Set loads from the editor's lines: the lines in order,
// except that one empty last line gives no entry.
TextLines ProgramListFromEditorLines(const TextLines& editorLines);

// "(" and ")" become blanks, unless the line is empty or starts with "/".
std::string PrepareProgramLine(std::string line);

} // namespace tessivar
