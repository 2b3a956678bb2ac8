#include "engine/Betting.h"

#include "engine/Characters.h"
#include "engine/Money.h"

#include <algorithm>

namespace dealmoor {

namespace {

bool isSeat(int seat) {
    return seat >= 1 && seat <= MaxSeats;
}

bool withinTableLimits(const HouseRules& rules, double amount) {
    return rules.TableMin <= amount && amount <= rules.TableMax;
}

} // namespace

BetVerdict JudgeBet(const Game& game, int seat, double amount) {
    if (amount == 0) {
        return BetVerdict::SitOut;
    }
    const bool covered = isSeat(seat) && Covers(game.Seats[seat].Credits, amount);
    if (amount > 0 && covered && withinTableLimits(game.HouseRules, amount)) {
        return BetVerdict::Placed;
    }
    return BetVerdict::OutsideLimits;
}

double InsuranceLimit(const Game& game, int seat) {
    if (game.HouseRules.InsuranceAnyAmount || !isSeat(seat)) {
        return game.HouseRules.TableMax;
    }
    return game.Seats[seat].Bet / 2;
}

InsuranceVerdict JudgeInsurance(const Game& game, int seat, double amount) {
    if (amount == 0) {
        return InsuranceVerdict::Declined;
    }
    const HouseRules& rules = game.HouseRules;
    const bool aboveHalfBet = !rules.InsuranceAnyAmount && amount > InsuranceLimit(game, seat);
    const bool covered = isSeat(seat) && Covers(game.Seats[seat].Credits, amount);
    if (amount < 0 || aboveHalfBet || amount > rules.TableMax || !covered) {
        return InsuranceVerdict::AboveLimit;
    }
    return InsuranceVerdict::Placed;
}

double OfferedAmount(const Game& game, int seat, BetKind kind) {
    if (kind == BetKind::Insurance || !isSeat(seat)) {
        return 0;
    }
    const Seat& s = game.Seats[seat];
    return s.LastBet <= s.Credits ? s.LastBet : 0;
}

void PlaceBet(Game& game, int seat, double amount) {
    if (!isSeat(seat)) {
        return;
    }
    Seat& s = game.Seats[seat];
    switch (JudgeBet(game, seat, amount)) {
    case BetVerdict::Placed:
        s.Credits -= amount;
        s.Bet = amount;
        s.LastBet = amount;
        return;
    case BetVerdict::SitOut:
        s.Bet = 0;
        s.LastBet = 0;
        return;
    case BetVerdict::OutsideLimits:
        s.Bet = 0;
        return;
    }
}

void PlaceInsurance(Game& game, int seat, double amount) {
    if (!isSeat(seat)) {
        return;
    }
    Seat& s = game.Seats[seat];
    if (JudgeInsurance(game, seat, amount) == InsuranceVerdict::Placed) {
        s.InsuranceBet = amount;
        s.Credits -= amount;
        return;
    }
    s.InsuranceBet = 0;
}

double ComputerBet(const Game& game, int seat) {
    const double tableMin = game.HouseRules.TableMin;
    const BettingStyle& style = CharacterRecord(game.Seats[seat].Number).Betting;
    double stake = style.TableMinimums * tableMin;
    if (style.Cap > 0) {
        stake = std::min(stake, style.Cap);
    }
    stake = std::min(stake, game.Seats[seat].Credits);
    return stake < tableMin || stake <= 0 ? 0 : stake;
}

void Borrow(Game& game, int seat, double amount) {
    if (!isSeat(seat) || amount <= 0) {
        return;
    }
    Seat& s = game.Seats[seat];
    s.Credits = RoundToCents(s.Credits + amount);
    s.Borrowed = RoundToCents(s.Borrowed + amount);
}

PayBackVerdict JudgePayBack(const Game& game, int seat, double amount) {
    const Seat& s = game.Seats[isSeat(seat) ? seat : 1];
    if (!Covers(s.Credits, amount)) {
        return PayBackVerdict::NotEnoughCredits;
    }
    if (!Covers(s.Borrowed, amount)) {
        return PayBackVerdict::BeyondDebt;
    }
    return PayBackVerdict::Paid;
}

PayBackVerdict PayBack(Game& game, int seat, double amount) {
    const PayBackVerdict verdict = JudgePayBack(game, seat, amount);
    if (verdict == PayBackVerdict::Paid && isSeat(seat) && amount > 0) {
        Seat& s = game.Seats[seat];
        s.Credits = RoundToCents(s.Credits - amount);
        s.Borrowed = RoundToCents(s.Borrowed - amount);
    }
    return verdict;
}

} // namespace dealmoor
