#pragma once
// What the simulator prints before and after a run.

#include "engine/Game.h"
#include "sim/SimRun.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace dealmoor::sim {

// How each seat of the run plays: "hints" or the card it was dealt.
using SeatPlay = std::array<std::string, MaxSeats + 1>;

struct RunDescription {
    int64_t Deals = 0;
    unsigned Tables = 1;
    uint32_t Seed = 0;
    bool FastShuffle = false;
    bool TopUp = true;
};

// The run, the rules and how the results are worked out.
void PrintHeader(std::FILE* out, const Game& game, const RunDescription& run);
// Per seat and for the table: deals, stakes, net, result per unit with its interval.
void PrintResults(std::FILE* out, const Game& game, const SeatPlay& play, const RunResult& result,
                  bool checked);

// The same results, with the run and the rules, as one JSON document (the
// check's first break, if any, included).
std::string ResultsJson(const Game& game, const SeatPlay& play, const RunDescription& run,
                        const RunResult& result, bool checked);

// "-0.842%": a result per unit of initial bet in percent.
std::string Percent(double perUnit);

// The shuffle's name in reports.
const char* ShuffleName(bool fast);

} // namespace dealmoor::sim
