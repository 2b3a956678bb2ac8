#include "sim/Statistics.h"

namespace dealmoor::sim {

void TableStats::merge(const TableStats& other) {
    Deals += other.Deals;
    Hands += other.Hands;
    for (int s = 1; s <= MaxSeats; ++s) {
        Seats[s].merge(other.Seats[s]);
        TopUps[s] += other.TopUps[s];
        TopUpCredits[s] += other.TopUpCredits[s];
    }
    Table.merge(other.Table);
    ByCard.merge(other.ByCard);
    ByHints.merge(other.ByHints);
}

} // namespace dealmoor::sim
