#pragma once
// How the deal walks the seats and shows them: its panel lit or not, the character's mood, the
// hit gesture, and cards turned face up.

#include "engine/Game.h"

namespace dealmoor {

class TableHost;

enum class Mood { Neutral, Pleased, Displeased };

// Seats 1..SeatsInPlay take part in a deal; a stored count beyond the table's
// six seats never reaches past them.
int SeatsInPlay(const Game& game);

// Selects the seat's character and shows its frame for the mood, with its cards.
void ShowMood(const Game& game, TableHost& host, int seat, Mood mood);
// The seat being served is lit; the others are not.
void Highlight(TableHost& host, int seat);
void Release(TableHost& host, int seat);
// A seat taking a plain hit: some characters beckon for the card.
void HitGesture(const Game& game, TableHost& host, int seat);
// Turns the first `count` cards of a hand face up (all of them by default).
void TurnUp(Hand& hand, int count = MaxHandCards);

} // namespace dealmoor
