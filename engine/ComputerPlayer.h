#pragma once
// How a computer seat decides its hand: strictly by its seat's strategy card.
// It never deviates by the count, never surrenders and never insures.

#include "engine/HandRules.h"

namespace dealmoor {

// The card's answer for CurrentSeat's current hand, whatever Human says:
// twenty-one and a full hand always stand; a double or a split the hand is not
// offered falls back to the hit or stand the code names.
Decision DecideByCard(const Game& game);

// The computer seat's decision, recorded; a human seat is left alone.
void ComputerDecision(Game& game);

} // namespace dealmoor
