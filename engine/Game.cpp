#include "engine/Game.h"

#include "engine/Characters.h"
#include "engine/HandRules.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace dealmoor {

void AddToTotal(Hand& hand, int rank) {
    hand.Total += CardValue(rank);
    hand.SoftAces += rank == 1 ? 1 : 0;
    // An ace counts eleven while that does not bust the hand.
    while (hand.Total > 21 && hand.SoftAces > 0) {
        --hand.SoftAces;
        hand.Total -= 10;
    }
}

void ComputeTotal(Hand& hand) {
    hand.Total = 0;
    hand.SoftAces = 0;
    const int count = std::min(hand.CardCount, MaxHandCards);
    for (int i = 0; i < count; ++i) {
        AddToTotal(hand, hand.Ranks[i]);
    }
}

void ComputeTotal(Game& game, int slot) {
    ComputeTotal(game.Hands[slot]);
}

void ClearHand(Hand& hand) {
    // Copied from an empty hand rather than assigned one: compilers fill a
    // zeroed block of this size with a string instruction whose start-up costs
    // more than the rest of taking a card, and a deal clears a dozen hands.
    static_assert(std::is_trivially_copyable_v<Hand>);
    static constexpr Hand Empty{};
    std::memcpy(&hand, &Empty, sizeof(Hand));
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
