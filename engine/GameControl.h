#pragma once
// The rules that start and chain deals: the Deal button during automatic
// dealing, switching automatic dealing, and New Game. The table window owns the
// buttons, menu items and timers; it asks here what they do and shows the state
// it finds here (the Deal button's caption follows AutoDealOn).

#include "engine/Game.h"

#include <cstdint>

namespace dealmoor {

class TableHost;

// Automatic dealing runs this many deals: in effect until it is stopped.
inline constexpr int32_t AutoDealUnlimited = 1000000;
// The next automatic deal starts this long after the last one ended.
inline constexpr int AutoDealTimerMs = 200;
// A waiting human seat's face changes this often (not scaled by Speed).
inline constexpr int ThinkingTimerMs = 2000;

// Automatic dealing is on while deals are left to run: switched on, it stays on
// until it is switched off, the Deal button stops it, or the deals run out.
bool AutoDealOn(const Game& game);

// Switches automatic dealing on or off. Returns whether the auto-deal timer is
// to start now: switched on while a deal runs, the timer is left to that deal,
// which arms it when it ends.
bool SwitchAutoDeal(Game& game, bool on);

// Pressing Deal while an automatic deal runs asks to stop after this deal.
bool AutoDealStopRequested(const Game& game);
// Stops automatic dealing.
void StopAutoDeal(Game& game);

// One deal at a time: the Deal button, the auto-deal timer and New Game all wait.
bool CanStartDeal(const Game& game);
// New Game (button and menu alike) is refused while a deal runs, so the running
// deal never sees its seats or shoe change.
bool CanStartNewGame(const Game& game);

// After the player set-up window: the caption loses its deal suffix and seat 1
// is the current seat.
void ResetForNewGame(Game& game, TableHost& host);
// New seats or new house rules were confirmed, or nothing has been dealt yet:
// the new game starts with a fresh shoe and deals at once.
bool NewGameDealsAtOnce(const Game& game);
// A visibly shuffled shoe; false when the program closed in the middle of the
// show (the shoe is then mixed quietly and nothing is to be dealt).
bool ShuffleInView(Game& game, TableHost& host);
// A visibly shuffled shoe, then the first deal.
void ShuffleAndDeal(Game& game, TableHost& host);

} // namespace dealmoor
