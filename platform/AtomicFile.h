#pragma once
// Replacing a file so that a crash or a full disk leaves either the old file or
// the new one, never half of one.

#include <string>
#include <string_view>

namespace dealmoor {

// Writes `content` to a temporary file beside `path`, syncs it and renames it
// over `path` (following a symbolic link to its file, keeping the old file's
// permissions). Returns false, leaving any old file untouched, when the folder
// refuses the write or `path` names something other than a regular file.
bool WriteFileAtomically(const std::string& path, std::string_view content);

// What the user is told when a file could not be replaced: "Unable to write to " + path.
std::string UnableToWriteMessage(const std::string& path);

} // namespace dealmoor
