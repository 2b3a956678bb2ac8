#pragma once
// The rules of money a seat puts up or borrows: what the bet window accepts, the
// table and insurance limits, placing a stake, a computer seat's stake, and
// borrowing and paying back. The bet and borrowing windows ask these functions
// which message to show; only these functions move a seat's credits before the
// cards are dealt.

#include "engine/Game.h"

namespace dealmoor {

// What the bet window is asked for: a stake before the deal, or insurance
// under the dealer's ace.
enum class BetKind { Stake, Insurance };

// What becomes of an amount offered as a stake.
enum class BetVerdict {
    Placed,        // within the table limits and covered by the credits
    SitOut,        // nothing put up: the seat sits the deal out
    OutsideLimits, // refused: outside the table limits or beyond the credits
};
BetVerdict JudgeBet(const Game& game, int seat, double amount);

// What becomes of an amount offered as insurance.
enum class InsuranceVerdict {
    Placed,     // within the insurance limit
    Declined,   // nothing put up
    AboveLimit, // refused: above the limit, or beyond the credits
};
InsuranceVerdict JudgeInsurance(const Game& game, int seat, double amount);
// The largest insurance a seat may put up: half its bet, or the table maximum
// when the house takes any amount.
double InsuranceLimit(const Game& game, int seat);

// The amount the bet window offers on opening: the seat's last bet while its
// credits cover it, otherwise nothing; never anything for insurance.
double OfferedAmount(const Game& game, int seat, BetKind kind);

// Puts the seat's answer on the table: a placed stake leaves the credits and
// becomes the seat's Bet and LastBet; sitting out leaves Bet 0 and LastBet 0.
// An amount the rules refuse is not taken: the seat sits the deal out and
// keeps its LastBet.
void PlaceBet(Game& game, int seat, double amount);
// The same for insurance; a refused amount is no insurance.
void PlaceInsurance(Game& game, int seat, double amount);

// The stake a computer seat puts up, by its character's betting style and cut
// to its credits; 0 when that leaves less than the table minimum (or nothing)
// and the seat sits the deal out.
double ComputerBet(const Game& game, int seat);

// Borrowing adds to credits and debt alike, in whole cents.
void Borrow(Game& game, int seat, double amount);

// What becomes of an amount offered as a payback.
enum class PayBackVerdict {
    Paid,
    NotEnoughCredits, // the credits on hand do not cover it
    BeyondDebt,       // more than the seat has borrowed
};
PayBackVerdict JudgePayBack(const Game& game, int seat, double amount);
// Pays back when the verdict allows it; the seat is unchanged otherwise.
PayBackVerdict PayBack(Game& game, int seat, double amount);

} // namespace dealmoor
