#pragma once
// The rules that start and chain deals: the Deal button during automatic
// dealing, switching automatic dealing, and New Game. The table window owns the
// buttons, menu items and timers; it asks here what they do.

#include "engine/Game.h"

#include <cstdint>
#include <string_view>

namespace dealmoor {

class TableHost;

// Automatic dealing runs this many deals: in effect until it is stopped.
inline constexpr int32_t AutoDealUnlimited = 1000000;
// The next automatic deal starts this long after the last one ended.
inline constexpr int AutoDealTimerMs = 200;
// A waiting human seat's face changes this often (not scaled by Speed).
inline constexpr int ThinkingTimerMs = 2000;

// The Deal button's two captions.
inline constexpr std::string_view DealCaption = "&Deal";
inline constexpr std::string_view AutoDealOffCaption = "Auto &Deal Off";

inline constexpr std::string_view NewGameQuestion =
    "Are you sure you want to quit this game and start a new one?";

// What the table window shows after automatic dealing was switched.
struct AutoDealSwitch {
    std::string_view dealCaption; // the Deal button's caption from now on
    bool armTimer;                // start the auto-deal timer now
};

// Switches automatic dealing on or off. Switched on while a deal runs, the
// timer is left to that deal, which arms it when it ends.
AutoDealSwitch SwitchAutoDeal(Game& game, bool on);

// Pressing Deal while an automatic deal runs asks to stop after this deal.
bool AutoDealStopRequested(const Game& game, std::string_view dealButtonCaption);
// Stops automatic dealing; returns the Deal button's caption.
std::string_view StopAutoDeal(Game& game);

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
// A visibly shuffled shoe, then the first deal.
void ShuffleAndDeal(Game& game, TableHost& host);

} // namespace dealmoor
