#pragma once

#include "CommandLineLanguage.h"
#include "ProgramText.h"

#include <string>

namespace tessivar {

// The control flow of the program in the editor's lines as a Graphviz DOT
// digraph: a node per line with its text (comments drawn as notes), an edge to
// the next line, an edge per jump with its condition, and a marked node for
// each place the program ends (the line after the last, jumps beyond it); its
// own words in `language`.
std::string ProgramGraphDot(const TextLines& editorLines, Language language);

} // namespace tessivar
