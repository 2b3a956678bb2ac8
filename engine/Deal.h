#pragma once
// One deal, from the bets to the last payment, and its pacing.

#include "engine/Game.h"

namespace dealmoor {

class TableHost;

// Runs one whole deal, from the bets to the last payment, and returns when it
// is over (the Deal button, the auto-deal timer and New Game all start it). A
// second call while a deal runs does nothing.
void PlayDeal(Game& game, TableHost& host);

// How long a pause of the given nominal seconds lasts at a speed.
int PauseMilliseconds(double seconds, Speed speed);

} // namespace dealmoor
