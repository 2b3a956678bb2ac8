#pragma once
// A rigged shoe: the cards a scenario wants dealt first, read from a text file
// with one card a line, and laid into a freshly shuffled shoe.

#include "engine/Game.h"

#include <string>
#include <vector>

namespace dealmoor::sim {

struct RiggedCard {
    int CardId = 0; // 1..52
    int Line = 0;   // line of the file, for messages
};

struct ShoeFileResult {
    std::vector<RiggedCard> cards;
    std::string error; // "FILE:LINE: ..." or empty
};

// One card a line: a card id 1..52 or a rank word (A, 2..10, J, Q, K, any case)
// that names the card of clubs. Blank lines and lines starting with '#' are skipped.
// A fresh shoe of `shoeCards` cards burns its first card and deals at most
// shoeCards - 1 rigged cards: the line of the first card beyond them is an error,
// and reading stops there.
ShoeFileResult ParseShoeText(const std::string& text, const std::string& fileName,
                             int shoeCards = MaxShoeCards);
// Reads a regular file of at most ShoeFileMaxBytes; anything else is refused by name.
ShoeFileResult ReadShoeFile(const std::string& path, int shoeCards = MaxShoeCards);

// Brings the rigged cards to entries 2, 3, ... of the shoe, each by exchanging
// it with a later entry holding the same card, so the shoe keeps exactly the
// cards of its decks. Returns an error naming the line when the shoe has no
// further copy of a card or is too short.
std::string LayRiggedCards(Game& game, const std::vector<RiggedCard>& cards,
                           const std::string& fileName);

} // namespace dealmoor::sim
