#pragma once
// Every payment of a deal: insurance and the dealer's blackjack, a player's
// blackjack, the special payoffs, and the final comparison with the dealer.
// A stake has left Credits when it was placed: a win adds stake and winnings,
// a push the stake, a loss nothing; the stake is then 0.

#include "engine/Game.h"

namespace dealmoor {

class TableHost;

// The dealer turned up a blackjack: insurance is paid 2 to 1, a player
// blackjack pushes, every other hand loses. Nobody plays.
void SettleDealerBlackjack(Game& game, TableHost& host, double insuranceSum);

// CurrentSeat's first two cards make 21 and the dealer has no blackjack.
void PayPlayerBlackjack(Game& game, TableHost& host);

// A first hand of 7-7-7 or 6-7-8 under the house rules that pay them.
bool HasSpecialCombination(const Game& game, int seat);

// Six cards without busting, or 7-7-7 / 6-7-8, paid before the dealer plays.
// Six cards take precedence: when that rule is on, nothing else is looked at.
void SettleSpecials(Game& game, TableHost& host);

// After the dealer's hand: every seat still holding cards is paid or loses.
void SettleAllSeats(Game& game, TableHost& host);

// CurrentSeat plays two hands: both are settled under one balloon.
void SettleSplitSeat(Game& game, TableHost& host);

} // namespace dealmoor
