#include "engine/HandRules.h"

#include <array>

namespace dealmoor {

namespace {

bool isTenValued(int rank) {
    return rank >= 10 && rank <= 13;
}

Hand& firstHand(Game& game) {
    return game.Hands[game.CurrentSeat];
}
const Hand& firstHand(const Game& game) {
    return game.Hands[game.CurrentSeat];
}
Hand& secondHand(Game& game) {
    return game.Hands[game.CurrentSeat + SecondHandOffset];
}
const Hand& secondHand(const Game& game) {
    return game.Hands[game.CurrentSeat + SecondHandOffset];
}

bool seatInPlay(const Game& game) {
    return game.CurrentSeat >= 1 && game.CurrentSeat <= MaxSeats;
}

bool totalWithinDoublingRange(const Game& game, const Hand& hand) {
    return hand.CardCount == 2 && game.HouseRules.DoubleMin <= hand.Total &&
           hand.Total <= game.HouseRules.DoubleMax;
}

void hit(Game& game) {
    game.Decision = DecisionCode::TakeCard;
}

void stand(Game& game, int slot) {
    game.Decision = DecisionCode::Stand;
    game.Hands[slot].Finished = true;
}

void doubleDown(Game& game, int slot) {
    game.Decision = DecisionCode::TakeCard;
    game.Hands[slot].DoubleRequested = true;
}

// The deal returns half the stake and empties the hand.
void surrender(Game& game) {
    game.Decision = DecisionCode::Surrender;
    firstHand(game).Finished = true;
}

} // namespace

int CardValue(int rank) {
    //                                                -  A   2  3  4  5  6  7  8  9  T   J   Q   K
    static constexpr std::array<int8_t, 16> Values = {0, 11, 2,  3,  4,  5,  6, 7,
                                                      8, 9,  10, 10, 10, 10, 0, 0};
    const auto index = static_cast<unsigned>(rank);
    return index < Values.size() ? Values[index] : 0;
}

int DealerUpCardValue(const Game& game) {
    return CardValue(game.DealerHand().Ranks[1]);
}

int CurrentHandSlot(const Game& game) {
    return firstHand(game).Finished ? game.CurrentSeat + SecondHandOffset : game.CurrentSeat;
}

bool IsTenValuedPair(const Game& game) {
    const Hand& hand = firstHand(game);
    return game.HouseRules.SplitAnyFaceCard && isTenValued(hand.Ranks[0]) &&
           isTenValued(hand.Ranks[1]);
}

bool CanSplit(const Game& game) {
    const Hand& hand = firstHand(game);
    return secondHand(game).CardCount == 0 && hand.CardCount == 2 &&
           (hand.Ranks[0] == hand.Ranks[1] || IsTenValuedPair(game));
}

bool CanDouble(const Game& game) {
    const bool afterSplit = game.HouseRules.DoubleAfterSplit;
    if (!firstHand(game).Finished) {
        return (secondHand(game).CardCount == 0 || afterSplit) &&
               totalWithinDoublingRange(game, firstHand(game));
    }
    return afterSplit && totalWithinDoublingRange(game, secondHand(game));
}

bool CanSurrender(const Game& game) {
    return game.HouseRules.LateSurrender && secondHand(game).CardCount == 0;
}

bool IsOffered(const DecisionOffer& offer, Decision decision) {
    switch (decision) {
    case Decision::Hit:
    case Decision::Stand:
        return true;
    case Decision::Double:
        return offer.Double;
    case Decision::Split:
        return offer.Split;
    case Decision::Surrender:
        return offer.Surrender;
    }
    return false;
}

void ApplyDecision(Game& game, Decision decision) {
    ApplyDecision(game, decision, OfferFor(game));
}

void ApplyDecision(Game& game, Decision decision, const DecisionOffer& offered) {
    if (!seatInPlay(game)) {
        return;
    }
    const int slot = CurrentHandSlot(game);
    if (!IsOffered(offered, decision)) {
        decision = Decision::Stand;
    }
    switch (decision) {
    case Decision::Hit:
        hit(game);
        break;
    case Decision::Stand:
        stand(game, slot);
        break;
    case Decision::Double:
        doubleDown(game, slot);
        break;
    case Decision::Split:
        SplitHand(game);
        break;
    case Decision::Surrender:
        surrender(game);
        break;
    }
}

void SplitHand(Game& game) {
    Seat& seat = game.Seats[game.CurrentSeat];
    Hand& first = firstHand(game);
    Hand& second = secondHand(game);

    ++game.SplitHands;
    game.Decision = DecisionCode::TakeCard;
    game.SplitRequested = true;

    seat.HasSplit = true;
    seat.Credits -= seat.Bet;
    seat.SplitBet = seat.Bet;

    second.CardCount = 1;
    second.CardIds[0] = first.CardIds[1];
    second.Ranks[0] = first.Ranks[1];
    // The first hand keeps its first card; its old second card now lies in the other hand.
    first.CardCount = 1;
    first.CardIds[1] = 0;
    first.Ranks[1] = 0;
    first.Shown[1] = false;

    first.Shown[0] = true;
    second.Shown[0] = true;
    ComputeTotal(first);
    ComputeTotal(second);
}

} // namespace dealmoor
