#pragma once
// The rules of deciding a hand, shared by every deciding side: rank values, the
// hand being decided, which choices a hand is offered, and what each answer
// does to the table (the decision contract). The decision window, the computer
// player and the simulator's hint player only choose; the deal applies the
// choice here. All of it acts on CurrentSeat.

#include "engine/Game.h"

#include <cstdint>

namespace dealmoor {

// An answer for the hand being decided.
enum class Decision : uint8_t { Hit, Stand, Double, Split, Surrender };

// The choices the hand being decided is offered besides Hit and Stand.
struct DecisionOffer {
    bool Double = false;
    bool Split = false;
    bool Surrender = false;
};

// Point value of a rank for choosing a card column or row: ace 11, 2..9
// themselves, ten and faces 10; 0 for anything that is not a card.
int CardValue(int rank);

// The dealer's up card is the second card dealt to the dealer (the first lies face down).
int DealerUpCardValue(const Game& game);

// The first hand while it still plays, the second hand (seat + 6) once it is finished.
int CurrentHandSlot(const Game& game);

// Two different ten-valued cards that the house lets the seat split.
bool IsTenValuedPair(const Game& game);

// Only the first hand splits, only on its first two cards, and only once per deal.
bool CanSplit(const Game& game);

// A two-card hand whose total lies within the house's doubling range; after a
// split only when the house allows doubling on split hands.
bool CanDouble(const Game& game);

// Late surrender, while the seat has not split.
bool CanSurrender(const Game& game);

// What the hand being decided is offered now. Defined here so that the three
// answers reach the deciding side as they are: returned from another file they
// are packed into one register and read back, which stalls every decision.
inline DecisionOffer OfferFor(const Game& game) {
    if (game.CurrentSeat < 1 || game.CurrentSeat > MaxSeats) {
        return {};
    }
    return {CanDouble(game), CanSplit(game), CanSurrender(game)};
}

// Whether an answer is among the choices offered; Hit and Stand always are.
bool IsOffered(const DecisionOffer& offer, Decision decision);

// Records CurrentSeat's answer for the hand being decided: a hit takes one
// card; a stand finishes the hand; a double takes one card at twice the stake;
// a split makes two hands; a surrender finishes the first hand for half the
// stake back. An answer the hand is not offered is taken as a stand, so no
// deciding side can move money the rules do not allow.
void ApplyDecision(Game& game, Decision decision);
// The same for an answer to `offered`, which must be what OfferFor gives for the
// hand right now; a deciding side that worked the offer out already passes it on.
void ApplyDecision(Game& game, Decision decision, const DecisionOffer& offered);

// Splits the seat's first hand: each hand keeps one card and the second stake
// is taken from the seat's credits (whatever they are).
void SplitHand(Game& game);

} // namespace dealmoor
