#pragma once
// Plays a number of deals on independent tables, one thread each, and adds
// their results together.

#include "engine/Game.h"
#include "sim/SimTable.h"
#include "sim/Statistics.h"

#include <cstdint>
#include <string>

namespace dealmoor::sim {

struct RunResult {
    TableStats stats;
    double seconds = 0;
    std::string error;       // a table could not start (rigged shoe)
    std::string failure;     // the first break --check found
    bool nobodyBets = false; // a table stopped because no seat could bet
};

// Deals are shared out evenly; table t is seeded with SeedForPart(seed, t).
// `progress` draws a line on stderr while it runs.
RunResult RunTables(const Game& prototype, const TableConfig& config, uint32_t seed,
                    unsigned tables, int64_t deals, bool progress);

} // namespace dealmoor::sim
