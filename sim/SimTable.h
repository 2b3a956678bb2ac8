#pragma once
// One simulated table: its own copy of the game, its own shoe and seed, played
// deal after deal without a window.

#include "engine/Game.h"
#include "sim/DealChecker.h"
#include "sim/DealLog.h"
#include "sim/ShoeFile.h"
#include "sim/SimHost.h"
#include "sim/Statistics.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace dealmoor::sim {

// What every table of a run shares.
struct TableConfig {
    bool Log = false;
    bool Credits = false; // "deal N credits ..." after every deal
    bool Check = false;
    bool TopUp = true;
    std::vector<RiggedCard> Rigged;
    std::string ShoeFileName;
    std::FILE* Out = stdout;
};

// A seat is refilled between deals once its credits could not cover this many
// times its stake: a split hand and two doubles take four stakes in one deal.
inline constexpr double TopUpStakes = 4;

class SimTable {
public:
    // label names the table in messages ("" when it plays alone).
    SimTable(const Game& prototype, const TableConfig& config, uint32_t seed, std::string label);

    // Mixes the first shoe and lays the rigged cards; returns an error text or "".
    std::string start();

    // Plays up to `deals` more deals. Stops early at a check break, when nobody
    // can bet any more, or once *stop is set.
    void play(int64_t deals, const std::atomic<bool>* stop = nullptr);

    const TableStats& stats() const { return stats_; }
    // Deals played so far; safe to read from another thread.
    int64_t dealsDone() const { return dealsDone_.load(std::memory_order_relaxed); }
    bool nobodyBets() const { return nobodyBets_; }
    // The first break --check found, or "".
    std::string failure() const { return checker_ ? checker_->failure() : std::string(); }
    const Game& game() const { return game_; }

private:
    double fullStake(int seat);
    void topUp();
    void record(const std::array<double, MaxSeats + 1>& before);

    Game game_;
    TableConfig config_;
    SimHost host_;
    std::unique_ptr<DealLog> log_;
    std::unique_ptr<DealChecker> checker_;
    std::array<double, MaxSeats + 1> startCredits_{};
    std::array<double, MaxSeats + 1> topUpFloor_{};
    TableStats stats_;
    std::atomic<int64_t> dealsDone_{0};
    bool nobodyBets_ = false;
};

} // namespace dealmoor::sim
