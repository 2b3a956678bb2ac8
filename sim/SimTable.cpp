#include "sim/SimTable.h"

#include "engine/Betting.h"
#include "engine/Deal.h"
#include "engine/Shoe.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace dealmoor::sim {

SimTable::SimTable(const Game& prototype, const TableConfig& config, uint32_t seed,
                   std::string label)
    : game_(prototype), config_(config), host_(game_) {
    game_.Random.Seed = seed;
    game_.Random.Source = SeedSource::Kept;
    if (config_.Log || config_.Credits) {
        log_ = std::make_unique<DealLog>(game_, config_.Out);
    }
    if (config_.Check) {
        checker_ = std::make_unique<DealChecker>(game_, std::move(label));
    }
    host_.attach(config_.Log ? log_.get() : nullptr, checker_.get());
    for (int s = 1; s <= MaxSeats; ++s) {
        startCredits_[s] = game_.Seats[s].Credits;
        topUpFloor_[s] = TopUpStakes * fullStake(s);
    }
}

// The stake the seat puts down when its credits are no limit.
double SimTable::fullStake(int seat) {
    Seat& s = game_.Seats[seat];
    const double credits = s.Credits;
    s.Credits = std::numeric_limits<double>::max();
    const double stake = s.Human ? HumanStake(game_, seat) : ComputerBet(game_, seat);
    s.Credits = credits;
    return stake;
}

std::string SimTable::start() {
    ShuffleShoe(game_, nullptr);
    if (config_.Rigged.empty()) {
        return "";
    }
    return LayRiggedCards(game_, config_.Rigged, config_.ShoeFileName);
}

void SimTable::topUp() {
    for (int s = 1; s <= game_.SeatCount; ++s) {
        Seat& seat = game_.Seats[s];
        if (seat.Credits >= topUpFloor_[s]) {
            continue;
        }
        const double target = std::max(startCredits_[s], topUpFloor_[s]);
        ++stats_.TopUps[s];
        stats_.TopUpCredits[s] += target - seat.Credits;
        seat.Credits = target;
        if (config_.Log) {
            log_->topUp(s, target);
        }
    }
}

void SimTable::record(const std::array<double, MaxSeats + 1>& before) {
    ++stats_.Deals;
    // Initial bets and nets of the deal: the whole table, card seats, hint seats.
    struct DealSums {
        double bet = 0;
        double net = 0;
        void add(double b, double x) {
            bet += b;
            net += x;
        }
    } table, byCard, byHints;
    for (int s = 1; s <= game_.SeatCount; ++s) {
        const double bet = host_.initialBet(s);
        if (bet <= 0) {
            continue;
        }
        const double net = game_.Seats[s].Credits - before[s];
        stats_.Seats[s].add(bet, net);
        ++stats_.Hands;
        table.add(bet, net);
        (game_.Seats[s].Human ? byHints : byCard).add(bet, net);
    }
    stats_.Hands += game_.SplitHands;
    stats_.Table.add(table.bet, table.net);
    if (byCard.bet > 0) {
        stats_.ByCard.add(byCard.bet, byCard.net);
    }
    if (byHints.bet > 0) {
        stats_.ByHints.add(byHints.bet, byHints.net);
    }
}

void SimTable::play(int64_t deals, const std::atomic<bool>* stop) {
    std::array<double, MaxSeats + 1> before{};
    for (int64_t i = 0; i < deals; ++i) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            return;
        }
        if (config_.TopUp) {
            topUp();
        }
        for (int s = 1; s <= MaxSeats; ++s) {
            before[s] = game_.Seats[s].Credits;
        }
        const int64_t deal = dealsDone() + 1;
        host_.beginDeal();
        if (checker_) {
            checker_->beginDeal(deal);
        }
        // Only the caption reads these two; kept small so they never overflow.
        game_.TotalHands = 0;
        game_.AutoDealsLeft = 0;
        PlayDeal(game_, host_);
        if (game_.TotalHands == 0) {
            nobodyBets_ = true; // the deal was taken back
            return;
        }
        record(before);
        dealsDone_.store(deal, std::memory_order_relaxed);
        if (log_) {
            log_->dealCredits(deal);
        }
        if (checker_ && !checker_->endDeal()) {
            return;
        }
    }
}

} // namespace dealmoor::sim
