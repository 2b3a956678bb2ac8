#pragma once
// Results of many deals at one simulated table: per seat and for the whole
// table, the sums the result per unit of initial bet and its 95% interval are
// worked out from (strategy/RatioEstimate.h says how).

#include "engine/Game.h"
#include "strategy/RatioEstimate.h"

#include <array>
#include <cstdint>

namespace dealmoor::sim {

// Everything one table (or several added together) played.
struct TableStats {
    int64_t Deals = 0;
    int64_t Hands = 0; // first hands with a stake and second hands after splits
    std::array<ResultSums, MaxSeats + 1> Seats{};
    ResultSums Table;
    ResultSums ByCard;  // the seats played by a strategy card, together
    ResultSums ByHints; // the seats played by the hints, together
    std::array<int64_t, MaxSeats + 1> TopUps{};
    std::array<double, MaxSeats + 1> TopUpCredits{};

    void merge(const TableStats& other);
};

} // namespace dealmoor::sim
