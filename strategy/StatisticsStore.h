#pragma once
// Where the table window keeps its statistics. The session holds the figures
// and their file (strategy/StatisticsFile.h); the window plays its deals into
// them and says when they changed.

#include "strategy/TableStatistics.h"

namespace dealmoor {

class StatisticsStore {
public:
    virtual ~StatisticsStore() = default;

    // The figures the table's deals are noted in.
    virtual TableStatistics& statistics() = 0;
    // After every deal the table played: every StatisticsSaveDeals deals the
    // file is written, away from the window thread.
    virtual void dealPlayed() = 0;
    // The figures changed otherwise (a reset, a new game): the file is
    // written soon, away from the window thread.
    virtual void saveStatisticsSoon() = 0;
    // At closing: the file is written now; false when it could not be (the
    // figures are then lost, the game is not held up for them).
    virtual bool saveStatisticsNow() = 0;
};

} // namespace dealmoor
