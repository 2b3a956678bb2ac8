#pragma once
// The nine characters who people the table. A seat always holds one of them;
// the character gives a seat its default name, description, strategy card and
// starting money, and decides who sits where before the settings are read.

#include "engine/Game.h"

#include <string>

namespace dealmoor {

// Every character starts with this much, all of it borrowed.
inline constexpr double StartingCredits = 5000.0;

// The name a human seat goes by until the player types another.
inline constexpr const char* DefaultHumanName = "Human Player";

// Fills the character table and seats characters 1, 2, 3, 7, 5 and 8 at
// seats 1..6, each as a whole record.
void InitCharacters(Game& game);

// Name and description of character k (1..9); "" outside that range.
const char* CharacterName(int k);
const char* CharacterAbout(int k);

// The character table's own card stem: "cplayer" and k.
std::string CharacterCardStem(int k);
// The card stem a seat falls back to: "CPLAYER" and the character number.
std::string SeatDefaultCardStem(int number);

} // namespace dealmoor
