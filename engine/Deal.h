#pragma once
// One deal, from the bets to the last payment, and its pacing.

#include "engine/Game.h"

namespace dealmoor {

class TableHost;

// Runs one whole deal, from the bets to the last payment, and returns when it
// is over (the Deal button, the auto-deal timer and New Game all start it). A
// second call while a deal runs does nothing.
void PlayDeal(Game& game, TableHost& host);

// Calls the running deal off: every seat's money as it stood before the deal,
// no stake and no card on the table, the deal not counted, automatic dealing
// stopped. Nothing happens when no deal runs.
void CallOffDeal(Game& game);

// The table as it stood before the running deal (the game itself when no deal
// runs): what is saved while a deal is half played.
Game TableBeforeDeal(const Game& game);

// How long a pause of the given nominal seconds lasts at a speed.
int PauseMilliseconds(double seconds, Speed speed);

} // namespace dealmoor
