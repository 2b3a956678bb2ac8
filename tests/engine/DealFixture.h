#pragma once
// A table for deal tests: a fixed seed, a freshly shuffled shoe whose first
// cards are rigged, human seats answering from the recording host's script.

#include "RecordingHost.h"

#include "engine/Deal.h"
#include "engine/Game.h"
#include "engine/Shoe.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace dealmoor::enginetest {

inline constexpr double StartCredits = 1000;

// Card ids for rigged ranks, spread over the suits so that one deck's ids repeat late.
inline int rigCardId(int rank, int place) {
    return 13 * (place % 4) + rank;
}

// Writes the ranks into the shoe from entry 2 on: the next cards dealt, in order.
inline void RigShoe(Game& game, const std::vector<int>& ranks) {
    game.Shoe.ShoePos = 1;
    int entry = 2;
    for (int rank : ranks) {
        game.Shoe.ShoeCards[entry] = Card{rigCardId(rank, entry), rank};
        ++entry;
    }
}

// The order in which a deal takes its first cards: each playing seat's first
// card, the dealer's hole card, each seat's second card, the dealer's up card;
// then the cards drawn during the turns and by the dealer.
inline std::vector<int> DealOrder(std::initializer_list<std::pair<int, int>> seats, int hole,
                                  int up, std::initializer_list<int> draws = {}) {
    std::vector<int> order;
    for (const auto& seat : seats) {
        order.push_back(seat.first);
    }
    order.push_back(hole);
    for (const auto& seat : seats) {
        order.push_back(seat.second);
    }
    order.push_back(up);
    order.insert(order.end(), draws.begin(), draws.end());
    return order;
}

struct DealTable {
    Game game;
    RecordingHost host;

    // showsSeats false: the host is a table nobody looks at, as the simulator's.
    explicit DealTable(int seats, bool human = true, bool showsSeats = true)
        : host(game, showsSeats) {
        ResetGameState(game);
        game.SeatCount = static_cast<uint8_t>(seats);
        game.Random.Source = SeedSource::Kept;
        game.Random.Seed = 20240601;
        for (int s = 1; s <= MaxSeats; ++s) {
            game.Seats[s].Number = 1; // Neutral 2, Pleased 1, Displeased 3
            game.Seats[s].Human = human;
            game.Seats[s].Credits = StartCredits;
        }
        ShuffleShoe(game, nullptr);
    }

    void bet(int seat, double amount) { host.bets[seat].push_back(amount); }
    void insure(int seat, double amount) { host.insurance[seat].push_back(amount); }
    void answer(int seat, std::initializer_list<Answer> answers) {
        host.answers[seat].insert(host.answers[seat].end(), answers);
    }
    void rig(const std::vector<int>& ranks) { RigShoe(game, ranks); }
    void deal() { PlayDeal(game, host); }
    double credits(int seat) const { return game.Seats[seat].Credits; }
};

} // namespace dealmoor::enginetest
