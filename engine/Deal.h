#pragma once
// One deal, from the bets to the last payment, and its pacing.

#include "engine/Game.h"

#include <cstdint>

namespace dealmoor {

class TableHost;

// Deal button: runs one whole deal and returns when it is over. A second call
// while a deal runs does nothing.
void Button6Click(Game& game, TableHost& host);

// The stake a computer seat puts up, by its character's betting style; 0 when
// the seat cannot cover the table minimum and sits the deal out.
double ComputerBet(const Game& game, int seat);

// How long a pause of the given nominal seconds lasts at a speed (0 Very Fast
// .. 3 Slow; anything beyond counts as the nearest).
int PauseMilliseconds(double seconds, uint8_t speed);

} // namespace dealmoor
