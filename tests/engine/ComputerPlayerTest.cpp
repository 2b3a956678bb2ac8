#include "StrategyTestSupport.h"

#include "engine/ComputerPlayer.h"
#include "engine/Game.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using test::putHand;
using test::tableFor;

constexpr int SecondSlot = 1 + SecondHandOffset;
// A code no deciding side ever records.
constexpr auto NoAnswer = static_cast<DecisionCode>(7);

// Row of a hard total on the card (hard 20 is row 19 ... hard 4 row 35).
int hardRow(int total) {
    return 39 - total;
}

// A card that stands everywhere except one cell.
std::function<void(Game&)> probe(int column, int row, char code) {
    return [=](Game& game) {
        game.StrategyCards[1].Cells.fill(ActionStand);
        game.StrategyCards[1].cell(column, row) = static_cast<uint8_t>(code);
    };
}

std::function<void(Game&)> everywhere(char code) {
    return [=](Game& game) { game.StrategyCards[1].Cells.fill(static_cast<uint8_t>(code)); };
}

// The seat has split: its first hand is done and the second hand holds `second`.
void splitInto(Game& game, const std::vector<int>& second) {
    game.Seats[1].HasSplit = true;
    game.Hands[1].Finished = true;
    putHand(game, SecondSlot, second);
}

enum class Expect { Hit, Stand, Double, Split };

struct DecisionCase {
    std::string name;
    std::vector<int> ranks; // the seat's first hand
    int up;                 // the dealer's up card
    std::function<void(Game&)> arrange;
    Expect expected;
};

void expectOutcome(const Game& game, int slot, Expect expected, const std::string& name) {
    const Hand& hand = game.Hands[slot];
    switch (expected) {
    case Expect::Hit:
        EXPECT_EQ(game.Decision, DecisionCode::TakeCard) << name;
        EXPECT_FALSE(hand.Finished || hand.DoubleRequested || game.SplitRequested) << name;
        break;
    case Expect::Stand:
        EXPECT_EQ(game.Decision, DecisionCode::Stand) << name;
        EXPECT_TRUE(hand.Finished) << name;
        EXPECT_FALSE(hand.DoubleRequested || game.SplitRequested) << name;
        break;
    case Expect::Double:
        EXPECT_EQ(game.Decision, DecisionCode::TakeCard) << name;
        EXPECT_TRUE(hand.DoubleRequested) << name;
        EXPECT_FALSE(hand.Finished || game.SplitRequested) << name;
        break;
    case Expect::Split:
        EXPECT_EQ(game.Decision, DecisionCode::TakeCard) << name;
        EXPECT_TRUE(game.SplitRequested) << name;
        EXPECT_EQ(game.Hands[SecondSlot].CardCount, 1) << name;
        break;
    }
}

TEST(ComputerDecision, PlaysTheSeatsCard) {
    const auto nothing = [](Game&) {};
    const std::vector<DecisionCase> cases = {
        {"21 of three sevens stands without reading the card",
         {7, 7, 7},
         6,
         everywhere('H'),
         Expect::Stand},
        {"soft 21 of A-5-5 stands without reading the card",
         {1, 5, 5},
         10,
         everywhere('H'),
         Expect::Stand},
        {"pair of kings against a 6 reads the XX row",
         {13, 13},
         6,
         probe(5, 2, 'P'),
         Expect::Split},
        {"king and queen read the XX row when any ten-valued pair splits",
         {13, 12},
         6,
         probe(5, 2, 'p'),
         Expect::Split},
        {"king and queen are hard 20 when only equal ranks split",
         {13, 12},
         6,
         [](Game& game) {
             game.HouseRules.SplitAnyFaceCard = false;
             probe(5, 19, 'H')(game);
         },
         Expect::Hit},
        {"pair of aces splits against every card: ace", {1, 1}, 11, nothing, Expect::Split},
        {"pair of tens stands on the default card", {10, 10}, 6, nothing, Expect::Stand},
        {"pair of nines stands against a 7", {9, 9}, 7, nothing, Expect::Stand},
        {"pair of nines splits against a 6", {9, 9}, 6, nothing, Expect::Split},
        {"pair of eights splits against an ace with no credits left",
         {8, 8},
         1,
         [](Game& game) { game.Seats[1].Credits = 0; },
         Expect::Split},
        {"after a split a pair in the second hand is a hard total: P hits",
         {8, 3, 10},
         6,
         [](Game& game) {
             splitInto(game, {8, 8});
             probe(5, hardRow(16), 'P')(game);
         },
         Expect::Hit},
        {"after a split a pair in the second hand is a hard total: p stands",
         {8, 3, 10},
         6,
         [](Game& game) {
             splitInto(game, {8, 8});
             probe(5, hardRow(16), 'p')(game);
             game.StrategyCards[1].cell(5, 4) = 'P'; // the 88 row is not read
         },
         Expect::Stand},
        {"after a split a pair in the first hand is a hard total",
         {8, 8},
         6,
         [](Game& game) {
             game.Seats[1].HasSplit = true;
             putHand(game, SecondSlot, {8, 5});
             probe(5, hardRow(16), 'P')(game);
         },
         Expect::Hit},
        {"two aces that cannot split are read at the hard 20 row",
         {10, 10},
         6,
         [](Game& game) {
             splitInto(game, {1, 1});
             probe(5, 19, 'H')(game);
         },
         Expect::Hit},
        {"D on a three-card total hits", {2, 3, 4}, 3, nothing, Expect::Hit},
        {"d on a three-card soft 18 stands", {1, 3, 4}, 3, nothing, Expect::Stand},
        {"d on a two-card soft 18 doubles",
         {1, 7},
         3,
         [](Game& game) { game.HouseRules.DoubleMax = 18; },
         Expect::Double},
        {"D on hard 9 doubles within the house's range", {4, 5}, 3, nothing, Expect::Double},
        {"D on hard 9 hits when the house doubles only on 10 and 11",
         {4, 5},
         3,
         [](Game& game) { game.HouseRules.DoubleMin = 10; },
         Expect::Hit},
        {"second hand doubles on 11 when the house allows doubling after a split",
         {10, 8},
         6,
         [](Game& game) {
             game.HouseRules.DoubleAfterSplit = true;
             splitInto(game, {5, 6});
         },
         Expect::Double},
        {"second hand hits 11 when the house does not allow doubling after a split",
         {10, 8},
         6,
         [](Game& game) {
             splitInto(game, {5, 6});
         },
         Expect::Hit},
        {"the dealer's face-down ace does not select the ace column",
         {10, 6},
         6,
         [](Game& game) { game.Hands[DealerSlot].Ranks[0] = 1; },
         Expect::Stand},
        {"a code outside the six actions stands", {2, 3}, 6, everywhere('x'), Expect::Stand},
        {"a seven-card hand stands: there is no room for an eighth card",
         {2, 2, 2, 2, 2, 1, 1},
         6,
         everywhere('H'),
         Expect::Stand},
    };
    for (const DecisionCase& c : cases) {
        Game game = tableFor(c.ranks, c.up);
        c.arrange(game);
        game.Decision = NoAnswer; // neither answer, so a missing answer shows
        const int slot = CurrentHandSlot(game);
        ComputerDecision(game);
        expectOutcome(game, slot, c.expected, c.name);
    }
}

TEST(ComputerDecision, LeavesAHumanSeatAloneButTheCardPlayerDoesNot) {
    Game game = tableFor({10, 6}, 10);
    game.Seats[1].Human = true;
    game.Decision = NoAnswer;
    ComputerDecision(game);
    EXPECT_EQ(game.Decision, NoAnswer);
    EXPECT_FALSE(game.Hands[1].Finished);

    EXPECT_EQ(DecideByCard(game), Decision::Hit); // hard 16 against a 10 hits
}

TEST(SplitHand, GivesEachHandOneCardAndTakesTheSecondStake) {
    Game game = tableFor({8, 8}, 6);
    game.Hands[1].CardIds = {21, 47, 0, 0, 0, 0, 0};
    game.SplitHands = 1;
    SplitHand(game);

    const Hand& first = game.Hands[1];
    const Hand& second = game.Hands[SecondSlot];
    EXPECT_EQ(first.CardCount, 1);
    EXPECT_EQ(first.CardIds[0], 21);
    EXPECT_EQ(first.Ranks[1], 0); // nothing is left behind the first card
    EXPECT_EQ(first.Total, 8);
    EXPECT_EQ(second.CardCount, 1);
    EXPECT_EQ(second.CardIds[0], 47);
    EXPECT_EQ(second.Ranks[0], 8);
    EXPECT_EQ(second.Total, 8);
    EXPECT_TRUE(first.Shown[0] && second.Shown[0]);

    const Seat& seat = game.Seats[1];
    EXPECT_TRUE(seat.HasSplit);
    EXPECT_DOUBLE_EQ(seat.Credits, 90);
    EXPECT_DOUBLE_EQ(seat.SplitBet, 10);
    EXPECT_EQ(game.SplitHands, 2);
    EXPECT_TRUE(game.SplitRequested);
    EXPECT_EQ(game.Decision, DecisionCode::TakeCard);
}

TEST(SplitHand, SplitAcesKeepASoftEleven) {
    Game game = tableFor({1, 1}, 6);
    SplitHand(game);
    EXPECT_EQ(game.Hands[1].Total, 11);
    EXPECT_EQ(game.Hands[1].SoftAces, 1);
    EXPECT_EQ(game.Hands[SecondSlot].Total, 11);
}

struct AvailabilityCase {
    std::string name;
    std::vector<int> first;
    std::function<void(Game&)> arrange;
    bool canSplit;
    bool canDouble;
};

TEST(CanSplitAndCanDouble, FollowTheHouseRules) {
    const auto nothing = [](Game&) {};
    const auto anyFaceOff = [](Game& game) { game.HouseRules.SplitAnyFaceCard = false; };
    const auto doubleAfterSplit = [](Game& game) { game.HouseRules.DoubleAfterSplit = true; };
    const std::vector<AvailabilityCase> cases = {
        {"pair of eights", {8, 8}, nothing, true, false},
        {"hard 11", {5, 6}, nothing, false, true},
        {"pair of fours with doubling from 8",
         {4, 4},
         [](Game& game) { game.HouseRules.DoubleMin = 8; },
         true,
         true},
        {"three cards never split nor double", {4, 4, 3}, nothing, false, false},
        {"king and queen with any ten-valued pair", {13, 12}, nothing, true, false},
        {"king and queen with equal ranks only", {13, 12}, anyFaceOff, false, false},
        {"two tens with equal ranks only", {10, 10}, anyFaceOff, true, false},
        {"hard 9 under a minimum of 10",
         {4, 5},
         [](Game& game) { game.HouseRules.DoubleMin = 10; },
         false,
         false},
        {"hard 10 over a maximum of 9",
         {4, 6},
         [](Game& game) { game.HouseRules.DoubleMax = 9; },
         false,
         false},
        {"first hand after a split, no doubling after a split",
         {5, 6},
         [](Game& game) {
             putHand(game, SecondSlot, {5, 9});
         },
         false,
         false},
        {"first hand after a split with doubling after a split",
         {5, 6},
         [&](Game& game) {
             doubleAfterSplit(game);
             putHand(game, SecondSlot, {5, 9});
         },
         false,
         true},
        {"second hand, no doubling after a split",
         {10, 8},
         [](Game& game) {
             splitInto(game, {5, 6});
         },
         false,
         false},
        {"second hand with doubling after a split",
         {10, 8},
         [&](Game& game) {
             doubleAfterSplit(game);
             splitInto(game, {5, 6});
         },
         false,
         true},
        {"second hand of three cards",
         {10, 8},
         [&](Game& game) {
             doubleAfterSplit(game);
             splitInto(game, {2, 3, 4});
         },
         false,
         false},
        {"a pair in the second hand never splits",
         {8, 8},
         [](Game& game) {
             splitInto(game, {8, 8});
         },
         false,
         false},
    };
    for (const AvailabilityCase& c : cases) {
        Game game = tableFor(c.first, 6);
        c.arrange(game);
        EXPECT_EQ(CanSplit(game), c.canSplit) << c.name;
        EXPECT_EQ(CanDouble(game), c.canDouble) << c.name;
    }
}

TEST(CardValue, GivesAcesElevenAndFacesTen) {
    const std::vector<std::pair<int, int>> values = {{1, 11},  {2, 2},   {9, 9}, {10, 10},
                                                     {11, 10}, {13, 10}, {0, 0}, {14, 0}};
    for (const auto& [rank, value] : values) {
        EXPECT_EQ(CardValue(rank), value) << "rank " << rank;
    }
}

TEST(CurrentHandSlot, MovesToTheSecondHandOnceTheFirstIsFinished) {
    Game game = tableFor({8, 8}, 6);
    game.CurrentSeat = 4;
    EXPECT_EQ(CurrentHandSlot(game), 4);
    game.Hands[4].Finished = true;
    EXPECT_EQ(CurrentHandSlot(game), 10);
}

} // namespace
} // namespace dealmoor
