#pragma once
// --bench: how many deals and hands a second the engine plays with six
// computer seats, on one core and on all of them, for both shuffles. The
// figures per core are taken over the processor time the tables really got,
// so a busy machine lowers the totals but hardly the figures per core.

#include "engine/Game.h"

#include <cstdint>
#include <cstdio>

namespace dealmoor::sim {

struct BenchFigure {
    int64_t Deals = 0;
    int64_t Hands = 0;
    double Seconds = 0;    // wall clock: the longest table's time
    double CpuSeconds = 0; // processor time of all tables together
    unsigned Threads = 1;
};

// Plays on `threads` tables at once for about `seconds`.
BenchFigure MeasureDeals(const Game& prototype, unsigned threads, uint32_t seed, double seconds);

// Prints the figures for both shuffles, one core and every core.
void RunBench(std::FILE* out, const Game& table, uint32_t seed, unsigned cores);

} // namespace dealmoor::sim
