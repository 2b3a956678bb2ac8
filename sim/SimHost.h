#pragma once
// The simulator's table: nothing is drawn, heard or waited for. A human seat's
// bet and decisions are answered here (its usual bet, never insurance, the
// hint's advice) and the engine applies them; every other call is thrown away
// unless a log or a checker listens.

#include "engine/Game.h"
#include "strategy/QuietHost.h"

#include <array>

namespace dealmoor::sim {

class DealLog;
class DealChecker;

// The stake a hint-played seat puts down: its last bet, or the table minimum
// when it has none, never above the table maximum nor its credits; it sits the
// deal out when that leaves less than the table minimum.
double HumanStake(const Game& game, int seat);

class SimHost final : public QuietHost {
public:
    explicit SimHost(Game& game) : game_(game) {}

    void attach(DealLog* log, DealChecker* checker) {
        log_ = log;
        checker_ = checker;
    }

    // Forgets the stakes of the previous deal.
    void beginDeal() { initialBets_.fill(0); }
    // The stake a seat placed on its first hand in the current deal.
    double initialBet(int seat) const { return initialBets_[seat]; }

    double AskBet(int seat, BetKind kind) override;
    Decision AskDecision(int seat, int hand, const DecisionOffer& offered) override;
    void ShowBalloon(std::string_view first, std::string_view second) override;
    void WriteTableText(TableText text, bool secondHand) override;
    void ShowShuffling() override;

    void CardTaken(int slot) override;
    void StakePlaced(int seat, BetKind kind) override;
    void Decided(int slot) override;
    void SeatSettled(int seat) override;

private:
    Game& game_;
    DealLog* log_ = nullptr;
    DealChecker* checker_ = nullptr;
    std::array<double, MaxSeats + 1> initialBets_{};
};

} // namespace dealmoor::sim
