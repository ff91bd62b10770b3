#include "ProgramText.h"

#include <algorithm>

namespace tessivar {

TextLines SplitTextLines(std::string_view text)
{
    TextLines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') {
            ++start;
        }
        if (start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string JoinTextLines(const TextLines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    return text;
}

TextLines ProgramListFromEditorLines(const TextLines& editorLines)
{
    return SplitTextLines(JoinTextLines(editorLines));
}

std::string PrepareProgramLine(std::string line)
{
    if (line.empty() || line.front() == '/') {
        return line;
    }
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '(' || c == ')'; }, ' ');
    return line;
}

} // namespace tessivar
