#include "engine/Game.h"

#include "engine/Characters.h"

namespace dealmoor {

void ComputeTotal(Hand& hand) {
    int sum = 0;
    int softAces = 0;
    for (int i = 0; i < hand.CardCount && i < MaxHandCards; ++i) {
        const int rank = hand.Ranks[i];
        if (rank == 1) {
            sum += 11;
            ++softAces;
        } else if (rank >= 2 && rank <= 9) {
            sum += rank;
        } else if (rank >= 10 && rank <= 13) {
            sum += 10;
        }
    }
    while (sum > 21 && softAces > 0) {
        --softAces;
        sum -= 10;
    }
    hand.Total = sum;
    hand.SoftAces = softAces;
}

void ComputeTotal(Game& game, int slot) {
    ComputeTotal(game.Hands[slot]);
}

void ClearHand(Hand& hand) {
    hand = Hand{};
}

void ClearHand(Game& game, int slot) {
    ClearHand(game.Hands[slot]);
}

void ResetGameState(Game& game) {
    for (int slot = 0; slot < HandSlots; ++slot) {
        ClearHand(game, slot);
    }
    game.SeatCount = MaxSeats;
    game.Speed = Speed::Fast;
    game.AutoDealsLeft = 0;
    game.TotalHands = 0;
    game.CurrentSeat = 1;
    game.DealInProgress = false;
    game.Seats[1].Human = true;
    game.Seats[1].Name = DefaultHumanName;
}

} // namespace dealmoor
