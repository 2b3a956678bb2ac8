#pragma once
// DMOOR.INI: the program's settings, the house rules and the six seats. The
// file is read once at start-up (each reader takes the loaded file) and
// written as a whole: one read-modify-write that replaces the file atomically,
// so it always holds either every new value or none of them.

#include "engine/Game.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "setup/TableSettings.h"

#include <string>

namespace dealmoor {

// What became of a write; on failure the file on disk is as it was before.
struct WriteResult {
    bool ok = true;
    std::string message; // UnableToWriteMessage(path), when not ok
};

// The settings file in the per-user settings folder.
std::string SettingsPath(const TableSettings& settings);

// The house rules; without a file the standard rules.
void ReadHouseRules(HouseRules& rules, const ProfileFile& file);

// Speed, players, hints, the strategy-saving and maximised flags, the sound
// switches and files, the data folder, the zoom and the count practice; only
// when the file exists.
void ReadGameSettings(Game& game, TableSettings& settings, const ProfileFile& file);

// All six seats, whatever the number in play; a missing file or key gives the
// seat's defaults.
void ReadPlayers(Game& game, const ProfileFile& file);

// Puts the game settings, the house rules and the six seats, in that order,
// into a loaded file without saving it; then the count practice, once the
// player has changed it.
void PutSettings(ProfileFile& file, const Game& game, const TableSettings& settings);

// Loads the file at `path`, puts every section and replaces the file in one
// atomic write; lines and sections the game does not own are kept.
WriteResult WriteSettings(const Game& game, const TableSettings& settings, const std::string& path);

// Whether a strategy file name read from the file can name a card in the data
// folder: no folders, no "..", nothing a file name cannot hold.
bool IsUsableCardStem(const std::string& stem);

} // namespace dealmoor
