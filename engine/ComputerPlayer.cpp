#include "engine/ComputerPlayer.h"

namespace dealmoor {

namespace {

bool seatInPlay(const Game& game) {
    return game.CurrentSeat >= 1 && game.CurrentSeat <= MaxSeats;
}

// Rows of the card: pairs by the value of one card, then soft and hard totals.
int pairRow(int rank) {
    return 12 - CardValue(rank);
}
int softRow(int total) {
    return 31 - total;
}
int hardRow(int total) {
    return 39 - total;
}

// The card's code for a column and row; a hand off the card's edges plays as a
// code outside the six actions, which stands.
uint8_t cardCode(const StrategyCard& card, int column, int row) {
    if (column < 1 || column > CardColumns || row < 1 || row > CardRows) {
        return 0;
    }
    return card.cell(column, row);
}

} // namespace

Decision DecisionForCode(uint8_t code, const DecisionOffer& offered) {
    const bool doubles = code == ActionDoubleHit || code == ActionDoubleStand;
    const bool splits = code == ActionSplitHit || code == ActionSplitStand;
    if (doubles && offered.Double) {
        return Decision::Double;
    }
    if (splits && offered.Split) {
        return Decision::Split;
    }
    if (code == ActionHit || code == ActionDoubleHit || code == ActionSplitHit) {
        return Decision::Hit;
    }
    return Decision::Stand; // 'S', the stand fallbacks and every code outside the six actions
}

Decision DecideByCard(const Game& game) {
    return DecideByCard(game, OfferFor(game));
}

Decision DecideByCard(const Game& game, const DecisionOffer& offered) {
    if (!seatInPlay(game)) {
        return Decision::Stand;
    }
    const Hand& hand = game.Hands[CurrentHandSlot(game)];

    // Twenty-one always stands, and a hand has no room for an eighth card.
    if (hand.Total == 21 || hand.CardCount >= MaxHandCards) {
        return Decision::Stand;
    }

    const int column = DealerUpCardValue(game) - 1;
    int row = hardRow(hand.Total);
    if (offered.Split) {
        row = pairRow(game.Hands[game.CurrentSeat].Ranks[0]);
    } else if (hand.SoftAces > 0) {
        row = softRow(hand.Total);
    }
    return DecisionForCode(cardCode(game.StrategyCards[game.CurrentSeat], column, row), offered);
}

void ComputerDecision(Game& game) {
    if (seatInPlay(game) && game.Seats[game.CurrentSeat].Human) {
        return;
    }
    const DecisionOffer offered = OfferFor(game);
    ApplyDecision(game, DecideByCard(game, offered), offered);
}

} // namespace dealmoor
