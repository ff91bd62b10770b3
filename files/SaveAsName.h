#pragma once

#include <string>
#include <string_view>

namespace tessivar {

// The file Save As writes when the user chose `chosen` with a file type whose
// extension is `typeExtension` ("urm", "txt", or "*" for any file). A name that
// ends in ".urm" (A to Z in either case) or in the type's own extension is kept;
// with "*" any extension is kept. Otherwise the type's extension is appended,
// ".urm" for "*". The overwrite question must name this file, not `chosen`.
std::string NameToSaveAs(std::string_view chosen, std::string_view typeExtension);

} // namespace tessivar
