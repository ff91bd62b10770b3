#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace tessivar {

// Makes `bytes` the whole content of the file at `path` so that a failure half-way
// (a full disk, say) leaves the old content as it was: the bytes go to a new file
// in the same folder, are flushed to the disk and then renamed over the old file,
// which keeps its permission bits (and its owner where the system allows).
// A symbolic link is followed, so its target is written and the link stays.
// A file without write permission is not replaced. Where the folder takes no new
// file but the file itself is writable, the file is rewritten in place instead;
// so are files other than regular ones (devices, pipes).
// On failure returns the system's error and leaves no new file behind.
std::error_code WriteFileAtomically(const std::string& path, std::string_view bytes);

// The fallback for a regular file in a folder that takes no new file: the
// file is rewritten in place and cut to its new length; when that fails
// half-way, its old bytes are written back.
std::error_code WriteFileInPlace(const std::string& path, std::string_view bytes);

} // namespace tessivar
