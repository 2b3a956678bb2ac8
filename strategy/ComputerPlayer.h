#pragma once
// How a seat's hand is decided by its strategy card, and the rules every
// deciding side shares: rank values, the hand being decided, when a hand may be
// split or doubled, and the split itself. All of it acts on CurrentSeat.

namespace dealmoor {

struct Game;

// Point value of a rank for choosing a card column or row: ace 11, 2..9
// themselves, ten and faces 10; 0 for anything that is not a card.
int CardValue(int rank);

// The dealer's up card is the second card dealt to the dealer (the first lies face down).
int DealerUpCardValue(const Game& game);

// The first hand while it still plays, the second hand (seat + 6) once it is finished.
int CurrentHandSlot(const Game& game);

// Two different ten-valued cards that the house lets the seat split.
bool IsTenValuedPair(const Game& game);

// Only the first hand splits, only on its first two cards, and only once per deal.
bool CanSplit(const Game& game);

// A two-card hand whose total lies within the house's doubling range; after a
// split only when the house allows doubling on split hands.
bool CanDouble(const Game& game);

// The answers a deciding side records for a hand of CurrentSeat: a hit takes
// one card; a stand finishes the hand; a double takes one card at twice the stake.
void ChooseHit(Game& game);
void ChooseStand(Game& game, int slot);
void ChooseDouble(Game& game, int slot);

// Splits the seat's first hand: each hand keeps one card and the second stake
// is taken from the seat's credits (whatever they are).
void SplitHand(Game& game);

// Plays the current hand by the seat's strategy card, whatever Human says.
void DecideByCard(Game& game);

// The computer seat's decision; a human seat is left alone.
void ComputerDecision(Game& game);

} // namespace dealmoor
