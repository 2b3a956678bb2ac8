#pragma once
// The folders the game works with: where the program lies, where the per-user
// settings file lives, and the fallback data folder used when the program's
// own folder cannot take strategy cards. Every folder ends with "/".

#include <cstdint>
#include <string>

namespace dealmoor {

// The folder of the game's shipped files (pictures, sounds, help pages, cards),
// with a trailing "/": ProgramDirOf the running executable.
std::string ProgramDir();

// The program folder of an executable at the path `executable`: its own folder when
// the generated pictures lie beside it (as in a build folder); else
// <its folder>/../share/dealmoor/ when that folder exists (as installed under any
// prefix); else its own folder.
std::string ProgramDirOf(const std::string& executable);

// Whether `dir` is the shared folder of an installed copy, <prefix>/share/dealmoor/:
// the package's own files, which the game never writes to, whoever runs it.
bool IsInstalledProgramDir(const std::string& dir);

// The per-user settings folder: $XDG_CONFIG_HOME/dealmoor/, else
// $HOME/.config/dealmoor/; created when missing.
std::string WindowsDir();

// Bytes available on the medium of the current folder; -1 when that cannot be
// read, 0 when `programDir` cannot be written (a read-only program folder
// counts as a full one).
int64_t CurrentDriveFreeBytes(const std::string& programDir);

// Whether a new file can be created in `dir` right now (tried, not guessed
// from permission bits).
bool IsWritableDir(const std::string& dir);

// $XDG_DATA_HOME/ORVANEL/DMOOR/, else $HOME/.local/share/ORVANEL/DMOOR/.
std::string FallbackDataDir();

// Creates the fallback data folder level by level (.../ORVANEL, then
// .../ORVANEL/DMOOR; folders above ORVANEL as needed). True only when the last
// level did not exist and was created now: only then are shipped cards copied.
bool CreateFallbackDataDir();

} // namespace dealmoor
