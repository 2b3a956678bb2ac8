#pragma once
// DMOOR.INI: the program's settings, the house rules and the six seats,
// read at start-up and written when the table closes. Every operation opens
// the file anew by its full path; nothing is cached.

#include "engine/Game.h"

#include <string>

namespace dealmoor {

// What became of a write; on failure the file on disk is as it was before.
struct WriteResult {
    bool ok = true;
    std::string message; // "Unable to write to " and the path, when not ok
};

// The settings file in the per-user settings folder.
std::string SettingsPath(const Game& game);

// Speed, players, hints, the strategy-saving and maximised flags, the sound
// switches and files and the data folder; only when the file exists.
void ReadGameSettings(Game& game, const std::string& path);
WriteResult WriteGameSettings(const Game& game, const std::string& path);

// The house rules; without a file the standard rules.
void ReadHouseRules(Game& game, const std::string& path);
WriteResult WriteHouseRules(const Game& game, const std::string& path);

// All six seats, whatever the number in play; a missing file or key gives the
// seat's defaults.
void ReadPlayers(Game& game, const std::string& path);
WriteResult WritePlayers(const Game& game, const std::string& path);

// Money as the file holds it: two decimals, "." whatever the locale.
std::string FormatFileMoney(double amount);
// The blackjack payoff: one decimal, "." whatever the locale.
std::string FormatFilePayoff(double multiple);
// Reads money or the payoff: the first 20 characters, an optional "-",
// digits, "." and at most two decimals that count ("12.345" is 12.34);
// `def` when the text holds no number.
double ParseFileMoney(const std::string& text, double def);

// Whether a strategy file name read from the file can name a card in the data
// folder: no folders, no "..", nothing a file name cannot hold.
bool IsUsableCardStem(const std::string& stem);

} // namespace dealmoor
