#pragma once
// Strategy card files (".stc"): the 391 bytes of one card, nothing else. The
// seats' cards are loaded from a folder at start-up; a seat whose file is
// missing gets the built-in default card, which is also written to disk.
// File errors are never reported: play goes on with whatever card the slot holds.

#include "engine/StrategyCard.h"

#include <string>

namespace dealmoor {

struct Game;

// Reads the first 391 bytes of a card file into `card`. A file that cannot be
// read, is no regular file or holds fewer than 391 bytes is rejected and `card`
// is left as it was.
bool ReadCardFile(const std::string& path, StrategyCard& card);

// Replaces the file with exactly the 391 bytes of `card`. The bytes go to a
// temporary file in the same folder first, so a failed write never leaves half
// a card behind.
bool WriteCardFile(const std::string& path, const StrategyCard& card);

// The house's default table, the same for every seat and every character.
void FillDefaultTable(StrategyCard& card);

// "Strategy Card -- " and the first 30 characters of the seat's name, cut to 40.
std::string DefaultCardTitle(const std::string& seatName);

// File name of a character's default card: "cplayer" + number + ".stc".
std::string DefaultCardFileName(int number);

// Puts the default table and title into the seat's slot without touching disk.
void BuildDefaultCard(Game& game, int seat);

// Builds the seat's default card and writes it to dir + DefaultCardFileName(number).
void MakeDefaultCard(Game& game, int seat, int number, const std::string& dir);

// Whether a default card that replaces a missing file is also written as that
// file, or only kept in the seat's slot (a folder that must stay as it is).
enum class MissingCard { WriteDefault, DefaultInSlotOnly };

// Fills one seat's slot from its StrategyFile in `dir`, found whatever the case
// of its name; a missing file is replaced by the default card.
void LoadSeatCard(Game& game, int seat, const std::string& dir,
                  MissingCard missing = MissingCard::WriteDefault);

// Fills slots 1..6 from the seats' StrategyFile in `dir`, found whatever the
// case of its name; a missing file is replaced by the default card.
void LoadSeatCards(Game& game, const std::string& dir,
                   MissingCard missing = MissingCard::WriteDefault);

// Copies every ".stc" file of the program folder into the data folder.
void CopyShippedCards(const std::string& programDir, const std::string& dataDir);

} // namespace dealmoor
