#pragma once
// The decision window's advice: an action and the reason for it, worked out
// from the hand, the dealer's up card and the house rules alone (never from a
// strategy card, never from the count).

#include <string>

namespace dealmoor {

struct Game;

inline constexpr const char* AdviceHit = "Hit";
inline constexpr const char* AdviceStand = "Stand";
inline constexpr const char* AdviceDouble = "Double";
inline constexpr const char* AdviceSplit = "Split";

struct Advice {
    std::string action;      // "Hit", "Stand", "Double" or "Split"
    std::string explanation; // the reason, starting "you should ..."
};

// Which of the decision window's choices the current hand is offered.
bool DoubleEnabled(const Game& game);
bool SplitEnabled(const Game& game);
bool SurrenderEnabled(const Game& game);

// Advice for a hand slot of CurrentSeat, given which choices are offered.
Advice AdviseHand(const Game& game, int slot, bool doubleEnabled, bool splitEnabled);

// The hint text the decision window shows for a hand slot.
std::string BuildHint(const Game& game, int slot, bool doubleEnabled, bool splitEnabled);

// Plays CurrentSeat's current hand as the hint advises; advice to double a hand
// that may not double is taken as a hit.
void DecideByHint(Game& game);

} // namespace dealmoor
