#pragma once
// The card count message: cards dealt since the shuffle and the Hi-Opt I and
// Hi-Opt II running and true counts as they stood at the end of the last deal.

#include <string>

namespace dealmoor {

struct Game;

// The whole message, lines ending in CR LF, at most 255 characters.
std::string CardCountMessage(const Game& game);

// A true count or a number of decks as the message writes it: one digit after
// a "." whatever the user's locale, rounded to the nearest tenth.
std::string OneDecimalText(long double value);

} // namespace dealmoor
