#pragma once
// The two counting systems the shoe keeps, Hi-Opt I and Hi-Opt II, and what a
// counter works out from a running count: the decks still to be dealt and the
// true count. The caption, the Card Count message, the table's count checks
// and the count drills all take their figures from here, so no two of them
// can ever disagree.

#include "engine/Game.h"

#include <array>
#include <cstdint>

namespace dealmoor {

enum class CountingSystem : uint8_t { HiOpt1 = 1, HiOpt2 = 2 };

// Weights of each rank in the two counts, indexed by the rank's low four bits
// so that a stray value can never read outside the table (0, 14 and 15 count nothing).
//                                                  -  A  2  3  4  5  6  7  8  9  T   J   Q   K
inline constexpr std::array<int, 16> HiOpt1Weights{0, 0, 0,  1,  1,  1,  1, 0,
                                                   0, 0, -1, -1, -1, -1, 0, 0};
inline constexpr std::array<int, 16> HiOpt2Weights{0, 0, 1,  1,  2,  2,  1, 1,
                                                   0, 0, -2, -2, -2, -2, 0, 0};

// What one card of `rank` adds to the running count of `system`.
constexpr int CountWeight(CountingSystem system, int rank) {
    const auto index = static_cast<unsigned>(rank) & 15u;
    return system == CountingSystem::HiOpt2 ? HiOpt2Weights[index] : HiOpt1Weights[index];
}

// Decks still to be dealt from a shoe of `shoeCards` once `cardsGone` have
// left it (52 cards a deck; fractions of a deck count).
long double DecksRemaining(int shoeCards, int cardsGone);

// The running count per deck still to be dealt. Before anything is counted
// (no card gone) and once no card is left there is no deck to divide by: 0.
long double TrueCount(int runningCount, int shoeCards, int cardsGone);

// The counts a deal leaves for the caption and the Card Count message:
// CountedCards (the shoe position at the deal's end, the burn card included),
// both running counts and the shoe's size.
struct StoredCounts {
    int32_t CountedCards = 0;
    int32_t HiOpt1 = 0;
    int32_t HiOpt2 = 0;
    int32_t ShoeCards = 0;

    int running(CountingSystem system) const {
        return system == CountingSystem::HiOpt2 ? HiOpt2 : HiOpt1;
    }
    long double decksRemaining() const { return DecksRemaining(ShoeCards, CountedCards); }
    long double trueCount(CountingSystem system) const {
        return TrueCount(running(system), ShoeCards, CountedCards);
    }
    bool operator==(const StoredCounts&) const = default;
};

// The counts as the last completed deal stored them.
StoredCounts StoredCountsOf(const Game& game);

} // namespace dealmoor
