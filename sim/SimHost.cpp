#include "sim/SimHost.h"

#include "sim/DealChecker.h"
#include "sim/DealLog.h"
#include "strategy/HintAdvice.h"

#include <algorithm>

namespace dealmoor::sim {

double HumanStake(const Game& game, int seat) {
    const Seat& s = game.Seats[seat];
    const HouseRules& rules = game.HouseRules;
    const double wanted = s.LastBet > 0 ? s.LastBet : rules.TableMin;
    const double stake = std::min({wanted, rules.TableMax, s.Credits});
    return stake >= rules.TableMin ? stake : 0.0;
}

double SimHost::AskBet(int seat, BetKind kind) {
    // The hint player never insures.
    return kind == BetKind::Insurance ? 0.0 : HumanStake(game_, seat);
}

Decision SimHost::AskDecision(int /*seat*/, int hand, const DecisionOffer& offered) {
    if (log_) {
        log_->hint(hand);
    }
    return DecideByHint(game_, offered);
}

void SimHost::StakePlaced(int seat, BetKind kind) {
    if (checker_ && kind == BetKind::Insurance) {
        checker_->insurancePlaced(seat, game_.Seats[seat].InsuranceBet);
    }
}

void SimHost::ShowBalloon(std::string_view first, std::string_view second) {
    if (log_) {
        log_->balloon(first, second);
    }
    if (checker_) {
        checker_->balloon(first, second);
    }
}

void SimHost::WriteTableText(TableText text, bool secondHand) {
    if (log_) {
        log_->tableText(text, secondHand);
    }
    if (checker_) {
        checker_->tableText(text, secondHand);
    }
}

void SimHost::ShowShuffling() {
    if (log_) {
        log_->shuffle();
    }
}

void SimHost::CardTaken(int slot) {
    if (slot >= 1 && slot <= MaxSeats && game_.Hands[slot].CardCount == 1) {
        initialBets_[slot] = game_.Seats[slot].Bet;
    }
    if (log_) {
        log_->card(slot);
    }
    if (checker_) {
        checker_->cardTaken(slot);
    }
}

void SimHost::Decided(int slot) {
    if (log_) {
        log_->decision(slot);
    }
    if (checker_) {
        checker_->decided(slot);
    }
}

void SimHost::SeatSettled(int seat) {
    if (log_) {
        log_->settled(seat);
    }
}

} // namespace dealmoor::sim
