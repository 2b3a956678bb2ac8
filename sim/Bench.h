#pragma once
// --bench: how many deals and hands a second the engine plays, for a table of
// one computer seat and one of six, with the game's shuffle and the fast one,
// on one thread and on every core; then how long the numbers behind the
// windows take (a strategy card tested against the hints, the house edge of
// the rules). The machine's load is read before and after, since other work
// on the machine lowers every figure. Figures per thread are the totals over
// the wall-clock time divided by the threads; figures per processor second
// are taken over the time the tables really got, which a busy machine hardly
// lowers.

#include "engine/Game.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// The load average of the last 1, 5 and 15 minutes; Known false where the
// system does not tell.
struct LoadAverage {
    bool Known = false;
    double Minutes1 = 0;
    double Minutes5 = 0;
    double Minutes15 = 0;
};
LoadAverage ReadLoadAverage();
// "0.42 0.51 0.60 (1, 5 and 15 minutes)" or "unknown".
std::string LoadText(const LoadAverage& load);

struct BenchLine {
    int Seats = 1;
    bool FastShuffle = false;
    BenchFigure Figure;
};

// How long the numbers behind the windows take on every core.
struct NumbersTiming {
    int64_t CardTestDeals = 0;
    double CardTestSeconds = 0;
    int64_t HouseEdgeDeals = 0;
    double HouseEdgeSeconds = 0;
    double HouseEdge = 0;
    double HouseEdgeHalfWidth = 0;
};

struct BenchReport {
    unsigned Cores = 1;
    double SecondsPerLine = 0;
    LoadAverage LoadBefore;
    LoadAverage LoadAfter;
    std::vector<BenchLine> Lines;
    NumbersTiming Numbers;
};

// Runs every measurement; `measured` sees each line as soon as it is done.
BenchReport RunBench(const Game& table, uint32_t seed, unsigned cores,
                     const std::function<void(const BenchLine&)>& measured);

// The bench as text: the heading before the first line, one line each, and
// the numbers and the load at the end.
std::string BenchHeading(const LoadAverage& before, unsigned cores);
std::string BenchLineText(const BenchLine& line);
std::string BenchClosing(const BenchReport& report);
// The whole bench as one JSON document.
std::string BenchJson(const BenchReport& report);

} // namespace dealmoor::sim
