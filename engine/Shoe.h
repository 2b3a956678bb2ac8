#pragma once
// The shoe: filling and mixing it, taking cards from it, the two running counts
// and the point where it is shuffled again.

#include "engine/Game.h"

#include <cstdint>
#include <string>

namespace dealmoor {

class TableHost;

// Cards dealt before the end of a one-deck shoe forces a reshuffle.
inline constexpr int ReshuffleReserve = 26;

// The seed the shuffle takes from the time of day.
uint32_t SeedFromTime(int hour, int minute, int second, int millisecond);
// Seeds the generator from the current UTC time of day.
void SeedFromClock(Game& game);
// A random integer in 0..n-1; advances the generator by one step.
uint32_t RandomInt(RandomSource& random, uint32_t n);

// The house's shoe size, held within what the shoe can take (one to eight decks).
int ShoeSize(const HouseRules& rules);

// A fresh shoe, every deck complete, mixed. With a host the table shows it
// (caption, seat 1 cleared, dealer shuffling, three shuffle sounds or pauses);
// without one it is silent.
void ShuffleShoe(Game& game, TableHost* visibleOn);

// Takes the next card of the shoe for a hand slot: a seat's first two cards lie
// face up only under FaceUp, the dealer's first card is the hole card, every
// later card lies face up. A hand holding seven cards takes nothing.
void TakeCard(Game& game, int slot);
// The same, the card face up whatever the hand holds (the cards of the turns).
void TakeCardFaceUp(Game& game, int slot);

// Running counts over the cards dealt since the shuffle (the burn card excluded).
int RunningHiOpt1(const Game& game);
int RunningHiOpt2(const Game& game);
// "+n", "-n" or "0", at most 5 characters.
std::string HiOptText(int count);

// End of a deal: stores the counts and CountedCards, and shows them in the caption.
void ReportCounts(Game& game, TableHost& host);
// The caption after a deal: cards taken and both counts.
std::string CountsCaption(const Game& game);
// The same caption with the cards taken alone, for a player practising the count.
std::string ShoePositionCaption(const Game& game);
// The caption while a deal runs: the number of the deal.
std::string HandCaption(const Game& game);

// Between deals: the shoe is shuffled once this is true.
bool ReshuffleDue(const Game& game);

} // namespace dealmoor
