#include "strategy/ComputerPlayer.h"

#include "engine/Game.h"

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

void ChooseHit(Game& game) {
    game.Decision = DecisionTakeCard;
}

void ChooseStand(Game& game, int slot) {
    game.Decision = DecisionStand;
    game.Hands[slot].Finished = true;
}

void ChooseDouble(Game& game, int slot) {
    game.Decision = DecisionTakeCard;
    game.Hands[slot].DoubleRequested = true;
}

int CardValue(int rank) {
    if (rank == 1) {
        return 11;
    }
    if (rank >= 2 && rank <= 9) {
        return rank;
    }
    return isTenValued(rank) ? 10 : 0;
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

void SplitHand(Game& game) {
    Seat& seat = game.Seats[game.CurrentSeat];
    Hand& first = firstHand(game);
    Hand& second = secondHand(game);

    ++game.SplitHands;
    game.Decision = DecisionTakeCard;
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

void DecideByCard(Game& game) {
    if (!seatInPlay(game)) {
        return;
    }
    const bool canSplit = CanSplit(game);
    const bool canDouble = CanDouble(game);
    const int slot = CurrentHandSlot(game);
    const Hand& hand = game.Hands[slot];

    // Twenty-one always stands, and a hand has no room for an eighth card.
    if (hand.Total == 21 || hand.CardCount >= MaxHandCards) {
        ChooseStand(game, slot);
        return;
    }

    const int column = DealerUpCardValue(game) - 1;
    int row = hardRow(hand.Total);
    if (canSplit) {
        row = pairRow(firstHand(game).Ranks[0]);
    } else if (hand.SoftAces > 0) {
        row = softRow(hand.Total);
    }

    const uint8_t code = cardCode(game.StrategyCards[game.CurrentSeat], column, row);
    const bool doubles = code == ActionDoubleHit || code == ActionDoubleStand;
    const bool splits = code == ActionSplitHit || code == ActionSplitStand;
    if (doubles && canDouble) {
        ChooseDouble(game, slot);
    } else if (splits && canSplit) {
        SplitHand(game);
    } else if (code == ActionHit || code == ActionDoubleHit || code == ActionSplitHit) {
        ChooseHit(game);
    } else { // 'S', the stand fallbacks and every code outside the six actions
        ChooseStand(game, slot);
    }
}

void ComputerDecision(Game& game) {
    if (seatInPlay(game) && game.Seats[game.CurrentSeat].Human) {
        return;
    }
    DecideByCard(game);
}

} // namespace dealmoor
