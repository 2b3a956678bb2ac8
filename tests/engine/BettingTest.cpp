// The rules of money a seat puts up or borrows, and of the answers a deciding
// side gives: the same functions the bet, borrowing and decision windows ask.

#include "StrategyTestSupport.h"

#include "engine/Betting.h"
#include "engine/HandRules.h"
#include "engine/Money.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dealmoor {
namespace {

constexpr int Seat1 = 1;

Game tableWithSeat(double credits, double borrowed = 5000, double lastBet = 0) {
    Game game;
    game.Seats[Seat1].Credits = credits;
    game.Seats[Seat1].Borrowed = borrowed;
    game.Seats[Seat1].LastBet = lastBet;
    return game; // standard rules: limits 5..500, insurance up to half the bet
}

TEST(JudgeBet, LimitsAreInclusiveAndTheCreditsMustCoverTheStake) {
    struct Case {
        double credits, amount;
        BetVerdict verdict;
    };
    const std::vector<Case> cases = {
        {1000, 5, BetVerdict::Placed},
        {1000, 500, BetVerdict::Placed},
        {1000, 0, BetVerdict::SitOut},
        {1000, 4.5, BetVerdict::OutsideLimits},
        {1000, 500.5, BetVerdict::OutsideLimits},
        {20, 25, BetVerdict::OutsideLimits},
        {25, 25, BetVerdict::Placed},
        {1000, -5, BetVerdict::OutsideLimits},
    };
    for (const Case& c : cases) {
        const Game game = tableWithSeat(c.credits);
        EXPECT_EQ(JudgeBet(game, Seat1, c.amount), c.verdict)
            << "credits " << c.credits << ", amount " << c.amount;
    }
}

TEST(PlaceBet, MovesTheStakeOrSitsTheSeatOut) {
    Game game = tableWithSeat(1000, 5000, 25);
    PlaceBet(game, Seat1, 30);
    EXPECT_EQ(game.Seats[Seat1].Credits, 970);
    EXPECT_EQ(game.Seats[Seat1].Bet, 30);
    EXPECT_EQ(game.Seats[Seat1].LastBet, 30);

    game.Seats[Seat1].Bet = 0;
    PlaceBet(game, Seat1, 0);
    EXPECT_EQ(game.Seats[Seat1].Credits, 970);
    EXPECT_EQ(game.Seats[Seat1].LastBet, 0) << "sitting out offers nothing next time";

    // An answer the rules refuse moves no money and keeps the last bet.
    game.Seats[Seat1].LastBet = 25;
    for (double refused : {3.0, 2000.0, -5.0}) {
        PlaceBet(game, Seat1, refused);
        EXPECT_EQ(game.Seats[Seat1].Credits, 970) << refused;
        EXPECT_EQ(game.Seats[Seat1].Bet, 0) << refused;
        EXPECT_EQ(game.Seats[Seat1].LastBet, 25) << refused;
    }
}

TEST(OfferedAmount, TheLastBetWhileTheCreditsCoverIt) {
    EXPECT_EQ(OfferedAmount(tableWithSeat(5000, 5000, 25), Seat1, BetKind::Stake), 25);
    EXPECT_EQ(OfferedAmount(tableWithSeat(25, 5000, 25), Seat1, BetKind::Stake), 25);
    EXPECT_EQ(OfferedAmount(tableWithSeat(20, 5000, 25), Seat1, BetKind::Stake), 0);
    EXPECT_EQ(OfferedAmount(tableWithSeat(5000, 5000, 25), Seat1, BetKind::Insurance), 0);
}

TEST(Insurance, HalfTheBetOrAnyAmountUpToTheTableMaximum) {
    struct Case {
        bool anyAmount;
        double bet, amount;
        InsuranceVerdict verdict;
        double limit;
    };
    const std::vector<Case> cases = {
        {false, 25, 12.5, InsuranceVerdict::Placed, 12.5},
        {false, 25, 13, InsuranceVerdict::AboveLimit, 12.5},
        {false, 25, 0, InsuranceVerdict::Declined, 12.5},
        {true, 25, 300, InsuranceVerdict::Placed, 500},
        {true, 25, 500.5, InsuranceVerdict::AboveLimit, 500},
        {true, 25, -1, InsuranceVerdict::AboveLimit, 500},
    };
    for (const Case& c : cases) {
        Game game = tableWithSeat(1000);
        game.HouseRules.InsuranceAnyAmount = c.anyAmount;
        game.Seats[Seat1].Bet = c.bet;
        EXPECT_EQ(JudgeInsurance(game, Seat1, c.amount), c.verdict) << c.amount;
        EXPECT_EQ(InsuranceLimit(game, Seat1), c.limit);

        PlaceInsurance(game, Seat1, c.amount);
        const bool placed = c.verdict == InsuranceVerdict::Placed;
        EXPECT_EQ(game.Seats[Seat1].InsuranceBet, placed ? c.amount : 0) << c.amount;
        EXPECT_EQ(game.Seats[Seat1].Credits, placed ? 1000 - c.amount : 1000) << c.amount;
    }
}

TEST(ComputerBet, FollowsTheCharactersBettingStyle) {
    struct Case {
        int number;
        double tableMin;
        double credits;
        double stake;
    };
    const std::vector<Case> cases = {
        {1, 5, 1000, 5},
        {4, 5, 1000, 5},
        {6, 150, 1000, 150},
        {8, 5, 1000, 5},
        {2, 5, 1000, 25},
        {9, 20, 1000, 50},
        {2, 60, 1000, 0},
        {3, 5, 1000, 50},
        {5, 20, 1000, 100},
        {7, 150, 1000, 0},
        {5, 5, 30, 30},
        {3, 5, 4, 0},
        {1, 5, -20, 0},
        // A minimum of nothing, or below nothing, never puts a stake down that
        // could pay the seat for sitting in.
        {1, 0, 1000, 0},
        {1, -5, 1000, 0},
        {2, -5, 1000, 0},
    };
    for (const Case& c : cases) {
        Game game;
        game.HouseRules.TableMin = c.tableMin;
        game.Seats[2].Number = static_cast<uint8_t>(c.number);
        game.Seats[2].Credits = c.credits;
        EXPECT_EQ(ComputerBet(game, 2), c.stake)
            << "character " << c.number << ", minimum " << c.tableMin << ", credits " << c.credits;
    }
}

TEST(Borrowing, CreditsAndDebtMoveTogetherInWholeCents) {
    Game game = tableWithSeat(5000, 5000);
    Borrow(game, Seat1, 1000);
    Borrow(game, Seat1, 1000);
    EXPECT_EQ(game.Seats[Seat1].Credits, 7000);
    EXPECT_EQ(game.Seats[Seat1].Borrowed, 7000);

    // A cent borrowed a hundred times is exactly a credit.
    Game cents = tableWithSeat(0, 0);
    for (int i = 0; i < 100; ++i) {
        Borrow(cents, Seat1, 0.01);
    }
    EXPECT_EQ(cents.Seats[Seat1].Credits, 1.0);
    EXPECT_EQ(PayBack(cents, Seat1, 1.0), PayBackVerdict::Paid);
    EXPECT_EQ(cents.Seats[Seat1].Borrowed, 0.0) << "paying back the whole debt leaves nothing";
}

TEST(Borrowing, PayingBackNeedsTheCreditsAndTheDebt) {
    struct Case {
        double credits, borrowed, amount;
        PayBackVerdict verdict;
    };
    const std::vector<Case> cases = {
        {50, 5000, 100, PayBackVerdict::NotEnoughCredits},
        {3000, 500, 1000, PayBackVerdict::BeyondDebt},
        {3000, 500, 500, PayBackVerdict::Paid},
    };
    for (const Case& c : cases) {
        Game game = tableWithSeat(c.credits, c.borrowed);
        EXPECT_EQ(PayBack(game, Seat1, c.amount), c.verdict) << c.amount;
        const bool paid = c.verdict == PayBackVerdict::Paid;
        EXPECT_EQ(game.Seats[Seat1].Credits, paid ? c.credits - c.amount : c.credits);
        EXPECT_EQ(game.Seats[Seat1].Borrowed, paid ? c.borrowed - c.amount : c.borrowed);
    }
}

TEST(Money, CentsDecideWhetherAnAmountIsCovered) {
    EXPECT_TRUE(Covers(0.5, 0.5));
    EXPECT_FALSE(Covers(0.4, 0.5));
    // Ten dimes make a credit although the doubles do not add up exactly.
    double dimes = 0;
    for (int i = 0; i < 10; ++i) {
        dimes += 0.1;
    }
    EXPECT_TRUE(Covers(dimes, 1.0));
    EXPECT_EQ(RoundToCents(0.1 + 0.2), 0.3);
    EXPECT_EQ(Cents(19.99), 1999);
    EXPECT_EQ(Cents(-0.5), -50);
}

TEST(ApplyDecision, AnAnswerTheHandIsNotOfferedStands) {
    struct Case {
        std::string name;
        std::vector<int> ranks;
        Decision answer;
    };
    // Under the standard rules: no surrender, doubling on 9..11 only, and a
    // split only of a pair.
    const std::vector<Case> cases = {
        {"double on 16", {10, 6}, Decision::Double},
        {"split a ten and a six", {10, 6}, Decision::Split},
        {"surrender without late surrender", {10, 6}, Decision::Surrender},
    };
    for (const Case& c : cases) {
        Game game = test::tableFor(c.ranks, 10);
        game.Seats[Seat1].Human = true;
        ASSERT_FALSE(IsOffered(OfferFor(game), c.answer)) << c.name;
        ApplyDecision(game, c.answer);
        EXPECT_EQ(game.Decision, DecisionCode::Stand) << c.name;
        EXPECT_TRUE(game.Hands[1].Finished) << c.name;
        EXPECT_FALSE(game.Hands[1].DoubleRequested || game.SplitRequested) << c.name;
        EXPECT_EQ(game.Seats[Seat1].Credits, 100) << c.name << ": no money moved";
    }
}

TEST(ApplyDecision, EachOfferedAnswerFollowsTheDecisionContract) {
    Game surrender = test::tableFor({10, 6}, 10);
    surrender.HouseRules.LateSurrender = true;
    ApplyDecision(surrender, Decision::Surrender);
    EXPECT_EQ(surrender.Decision, DecisionCode::Surrender);
    EXPECT_TRUE(surrender.Hands[1].Finished);

    Game doubled = test::tableFor({6, 5}, 10);
    ApplyDecision(doubled, Decision::Double);
    EXPECT_EQ(doubled.Decision, DecisionCode::TakeCard);
    EXPECT_TRUE(doubled.Hands[1].DoubleRequested);

    Game split = test::tableFor({8, 8}, 10);
    ApplyDecision(split, Decision::Split);
    EXPECT_TRUE(split.SplitRequested);
    EXPECT_EQ(split.Seats[Seat1].SplitBet, 10);

    Game hit = test::tableFor({10, 2}, 10);
    ApplyDecision(hit, Decision::Hit);
    EXPECT_EQ(hit.Decision, DecisionCode::TakeCard);
    EXPECT_FALSE(hit.Hands[1].Finished);
}

} // namespace
} // namespace dealmoor
