#pragma once
// How a computer seat decides its hand: strictly by its seat's strategy card.
// It never deviates by the count, never surrenders and never insures.

#include "engine/HandRules.h"

#include <cstdint>

namespace dealmoor {

// What a card's code makes of a hand: a double or a split the hand is not
// offered falls back to the hit or stand the code names; a code outside the
// six actions stands.
Decision DecisionForCode(uint8_t code, const DecisionOffer& offered);

// The card's answer for CurrentSeat's current hand, whatever Human says:
// twenty-one and a full hand always stand; a double or a split the hand is not
// offered falls back to the hit or stand the code names.
Decision DecideByCard(const Game& game);
// The same, given what the hand is offered now (OfferFor).
Decision DecideByCard(const Game& game, const DecisionOffer& offered);

// The computer seat's decision, recorded; a human seat is left alone.
void ComputerDecision(Game& game);

} // namespace dealmoor
