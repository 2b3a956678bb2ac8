#pragma once
// File names compared without regard to case: a card, picture or sound file is
// found whatever the case its name was saved with ("CPLAYER1.stc" finds
// "cplayer1.stc").

#include <string>
#include <vector>

namespace dealmoor {

// Full path (dir + the file's actual name) of a regular file in `dir` whose
// name equals `name` ignoring ASCII case; "" when there is none. An exact-case
// match wins over the others.
std::string FindFileNoCase(const std::string& dir, const std::string& name);

// Names (not paths) of the regular files in `dir` whose name ends with `ext`
// ignoring ASCII case (".stc" finds "a.STC" and "b.stc"), sorted by name.
std::vector<std::string> FindFilesWithExtensionNoCase(const std::string& dir,
                                                      const std::string& ext);

// ASCII-only case-insensitive comparison, the one rule all lookups share.
bool EqualsNoCase(const std::string& a, const std::string& b);

} // namespace dealmoor
