#include "SaveAsName.h"

#include <algorithm>

namespace tessivar {

namespace {

constexpr std::string_view ProgramExtension = "urm";
constexpr std::string_view AnyExtension = "*";

// Only A to Z count as upper case, whatever the locale, and the other bytes of
// a UTF-8 name are compared as they are.
char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithExtension(std::string_view name, std::string_view extension)
{
    if (name.size() <= extension.size() || name[name.size() - extension.size() - 1] != '.')
        return false;
    return std::ranges::equal(name.substr(name.size() - extension.size()), extension,
                              [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

// "notes.txt" has one, ".profile" and "dir.d/notes" have none.
bool HasAnyExtension(std::string_view name)
{
    const std::string_view fileName = name.substr(name.find_last_of('/') + 1);
    const std::size_t dot = fileName.find_last_of('.');
    return dot != std::string_view::npos && dot > 0 && dot + 1 < fileName.size();
}

} // namespace

std::string NameToSaveAs(std::string_view chosen, std::string_view typeExtension)
{
    const bool anyFile = typeExtension == AnyExtension;
    if (EndsWithExtension(chosen, ProgramExtension)
        || (anyFile ? HasAnyExtension(chosen) : EndsWithExtension(chosen, typeExtension)))
        return std::string(chosen);
    const std::string_view appended = anyFile || typeExtension.empty() ? ProgramExtension : typeExtension;
    return std::string(chosen) + '.' + std::string(appended);
}

} // namespace tessivar
