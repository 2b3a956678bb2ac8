#include "StrategyTestSupport.h"

#include "engine/Game.h"
#include "engine/HandRules.h"
#include "strategy/HintAdvice.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using test::putHand;
using test::tableFor;

constexpr int SingleDeck = 52;
constexpr int TwoDecks = 104;
constexpr int SixDecks = 312;
constexpr int SecondSlot = 1 + SecondHandOffset;

std::string hint(const std::string& action, const std::string& explanation) {
    return "Hint:  You should " + action + ".  Based on the current rule settings, " + explanation;
}

using Arrange = std::function<void(Game&)>;

const Arrange Nothing = [](Game&) {};
const Arrange DoubleAfterSplit = [](Game& game) { game.HouseRules.DoubleAfterSplit = true; };
// Soft hands may double on any total.
const Arrange DoubleAnyTotal = [](Game& game) {
    game.HouseRules.DoubleMin = 2;
    game.HouseRules.DoubleMax = 21;
};
Arrange doubleFrom(int minimum) {
    return [=](Game& game) { game.HouseRules.DoubleMin = minimum; };
}

struct HintCase {
    std::vector<int> ranks;
    int up;
    int cards;
    Arrange arrange;
    std::string action;
    std::string explanation;
};

// Builds each table as the decision window would and checks the whole hint.
void checkHints(const std::vector<HintCase>& cases) {
    for (const HintCase& c : cases) {
        Game game = tableFor(c.ranks, c.up, c.cards);
        c.arrange(game);
        const int slot = CurrentHandSlot(game);
        const DecisionOffer offer = OfferFor(game);
        const Advice advice = AdviseHand(game, slot, offer);
        std::string label =
            "up " + std::to_string(c.up) + ", cards " + std::to_string(c.cards) + ", hand";
        for (int rank : c.ranks) {
            label += " " + std::to_string(rank);
        }
        EXPECT_EQ(HintActionWord(advice.action), c.action) << label;
        EXPECT_EQ(BuildHint(game, slot, offer), hint(c.action, c.explanation)) << label;
    }
}

TEST(Hint, ListedCasesReadInFull) {
    // Hard 10 against a 10, six decks, doubling from 9: the floor is 11, so plain hard advice.
    Game ten = tableFor({4, 6}, 10, SixDecks);
    EXPECT_EQ(BuildHint(ten, 1, OfferFor(ten)),
              "Hint:  You should Hit.  Based on the current rule settings, you should hit on a "
              "hard total of 16 or less when the dealer's up card is 7 or more.");

    // Single deck, two sevens against a king: split is offered but not advised.
    Game sevens = tableFor({7, 7}, 13, SingleDeck);
    ASSERT_TRUE(OfferFor(sevens).Split);
    EXPECT_EQ(BuildHint(sevens, 1, OfferFor(sevens)),
              "Hint:  You should Stand.  Based on the current rule settings, you should stand "
              "when you have two Sevens against a dealer's 10 in a single-deck game.  You "
              "should only split Sevens when the dealer's up card is Seven or less.");

    // Two decks, (6,5) against an ace.
    Game elevenAce = tableFor({6, 5}, 1, TwoDecks);
    EXPECT_EQ(BuildHint(elevenAce, 1, DecisionOffer{true, false, false}),
              "Hint:  You should Double.  Based on the current rule settings, you should "
              "double-down when you have (6,5) or (7,4) when the dealer's up card is an ace.");
}

TEST(Hint, HardTotals) {
    const char* hitTwoThree =
        "you should hit on a hard total of 12 or less when the dealer's up card is 2 or 3.";
    const char* hitFourToSix =
        "you should hit on a hard total of 11 or less when the dealer's up card is 4, 5 or 6.";
    const char* hitSevenUp =
        "you should hit on a hard total of 16 or less when the dealer's up card is 7 or more.";
    checkHints({
        {{2, 3, 7}, 2, SixDecks, Nothing, "Hit", hitTwoThree},
        {{2, 3, 8},
         3,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a hard total of 13 or more when the dealer's up card is 2 or 3."},
        {{2, 3, 6}, 4, SixDecks, Nothing, "Hit", hitFourToSix},
        {{2, 3, 7},
         6,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a hard total of 12 or more when the dealer's up card is 4, 5 or "
         "6."},
        {{10, 2, 4}, 7, SixDecks, Nothing, "Hit", hitSevenUp},
        {{10, 2, 5},
         1,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a hard total of 17 or more when the dealer's up card is 7 or "
         "more."},
        // The single-deck exceptions hold whatever the number of cards.
        {{7, 7, 2},
         12,
         SingleDeck,
         Nothing,
         "Stand",
         "you should stand when you have two Sevens against a dealer's 10 in a single-deck "
         "game."},
        {{7, 7, 2}, 12, SixDecks, Nothing, "Hit", hitSevenUp},
        {{4, 4, 2},
         6,
         SingleDeck,
         Nothing,
         "Double",
         "you should double-down with (4,4) when the dealer shows a 5 or 6 in a single-deck "
         "game only."},
        {{4, 4, 2}, 6, SixDecks, Nothing, "Hit", hitFourToSix},
        {{4, 4, 2}, 4, SingleDeck, Nothing, "Hit", hitFourToSix},
    });
}

TEST(Hint, SoftTotals) {
    checkHints({
        {{1, 2, 4},
         8,
         SixDecks,
         Nothing,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less."},
        {{1, 3, 4},
         2,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a soft hand of 18 or more when the dealer's up card is 8 or less."},
        {{1, 3, 4},
         9,
         SixDecks,
         Nothing,
         "Hit",
         "you should hit on a soft hand of 18 or less when the dealer's up card is 9 or 10."},
        {{1, 4, 4},
         13,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a soft hand of 19 or more when the dealer's up card is 9 or 10."},
        {{1, 2, 4},
         1,
         SingleDeck,
         Nothing,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is an Ace."},
        {{1, 3, 4},
         1,
         SingleDeck,
         Nothing,
         "Stand",
         "you should stand on a soft hand of 18 or more when the dealer's up card is an Ace."},
        {{1, 3, 4},
         1,
         TwoDecks,
         Nothing,
         "Hit",
         "you should hit on a soft hand of 18 or less when the dealer's up card is an Ace."},
        {{1, 4, 4},
         1,
         SixDecks,
         Nothing,
         "Stand",
         "you should stand on a soft hand of 19 or more when the dealer's up card is an Ace."},
        // Two cards outside the house's doubling range take plain soft advice.
        {{1, 6},
         4,
         SingleDeck,
         Nothing,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less."},
    });
}

TEST(Hint, SoftDoubles) {
    const char* standUpToEight =
        "you should stand on a soft hand of 18 or more when the dealer's up card is 8 or less.";
    checkHints({
        {{1, 6},
         2,
         SingleDeck,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Two when you have a Soft 17"},
        {{1, 7}, 2, SingleDeck, DoubleAnyTotal, "Stand", standUpToEight},
        {{1, 6},
         2,
         SixDecks,
         DoubleAnyTotal,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less."},
        {{1, 7},
         3,
         SingleDeck,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Three when you have a Soft 17 or 18"},
        {{1, 6},
         3,
         SixDecks,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Three when you have a Soft 17 or 18"},
        {{1, 2},
         4,
         SingleDeck,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Four when you have a Soft 13-18"},
        {{1, 4},
         4,
         TwoDecks,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Four when you have a Soft 15-18"},
        {{1, 3},
         4,
         TwoDecks,
         DoubleAnyTotal,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less."},
        {{1, 2},
         5,
         SixDecks,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Five when you have a Soft 13-18"},
        {{1, 7},
         5,
         SingleDeck,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Five when you have a Soft 13-18"},
        // Soft 19 against a 6 doubles only in a single-deck game.
        {{1, 8},
         6,
         SingleDeck,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Six when you have a Soft 13-19"},
        {{1, 8}, 6, SixDecks, DoubleAnyTotal, "Stand", standUpToEight},
        {{1, 2},
         6,
         SixDecks,
         DoubleAnyTotal,
         "Double",
         "you should double-down against a Dealer Six when you have a Soft 13-18"},
        {{1, 6},
         7,
         SingleDeck,
         DoubleAnyTotal,
         "Hit",
         "you should hit on a soft hand of 17 or less when the dealer's up card is 8 or less."},
    });
}

TEST(Hint, HardDoubles) {
    const char* hitSevenUp =
        "you should hit on a hard total of 16 or less when the dealer's up card is 7 or more.";
    const Arrange doubleUpTo12 = [](Game& game) { game.HouseRules.DoubleMax = 12; };
    checkHints({
        {{10, 2},
         4,
         SixDecks,
         doubleUpTo12,
         "Stand",
         "you should stand on a hard total of 12 or more when the dealer's up card is 4, 5 or "
         "6."},
        {{4, 6},
         2,
         208,
         Nothing,
         "Double",
         "you should double-down on 10-11 when the dealer's up card is a 2."},
        {{4, 5},
         2,
         208,
         Nothing,
         "Hit",
         "you should hit on a hard total of 12 or less when the dealer's up card is 2 or 3."},
        {{4, 5},
         2,
         TwoDecks,
         Nothing,
         "Double",
         "you should double-down on 9-11 when the dealer's up card is a 2."},
        {{4, 5},
         3,
         SixDecks,
         Nothing,
         "Double",
         "you should double-down on 9-11 when the dealer's up card is a 3."},
        {{2, 7},
         4,
         SingleDeck,
         Nothing,
         "Double",
         "you should double-down on 9-11 when the dealer's up card is a 4."},
        // A house minimum of 1 reads as 8.
        {{3, 5},
         5,
         SingleDeck,
         doubleFrom(1),
         "Double",
         "you should double-down on 8-11 when the dealer's up card is a 5."},
        {{3, 5},
         6,
         SixDecks,
         doubleFrom(1),
         "Hit",
         "you should hit on a hard total of 11 or less when the dealer's up card is 4, 5 or 6."},
        {{4, 5},
         6,
         SixDecks,
         doubleFrom(1),
         "Double",
         "you should double-down on 9-11 when the dealer's up card is a 6."},
        // A higher house minimum raises the floor.
        {{3, 5},
         5,
         SingleDeck,
         doubleFrom(8),
         "Double",
         "you should double-down on 8-11 when the dealer's up card is a 5."},
        {{4, 6},
         3,
         SixDecks,
         doubleFrom(10),
         "Double",
         "you should double-down on 10-11 when the dealer's up card is a 3."},
        {{4, 6},
         8,
         SixDecks,
         Nothing,
         "Double",
         "you should double-down on 10-11 when the dealer's up card is an 8."},
        {{4, 5}, 9, SixDecks, Nothing, "Hit", hitSevenUp},
        {{5, 6},
         13,
         SixDecks,
         Nothing,
         "Double",
         "you should double-down on 11 when the dealer's up card is a 10."},
        {{4, 6}, 10, SixDecks, Nothing, "Hit", hitSevenUp},
        // Eleven against an ace depends on the shoe.
        {{5, 6}, 1, 208, Nothing, "Hit", hitSevenUp},
        {{5, 6},
         1,
         SingleDeck,
         Nothing,
         "Double",
         "you should double-down on 11 when the dealer's up card is an Ace."},
        {{6, 5},
         1,
         TwoDecks,
         Nothing,
         "Double",
         "you should double-down when you have (6,5) or (7,4) when the dealer's up card is an "
         "ace."},
        {{7, 4},
         1,
         TwoDecks,
         Nothing,
         "Double",
         "you should double-down when you have (6,5) or (7,4) when the dealer's up card is an "
         "ace."},
        {{9, 2}, 1, TwoDecks, Nothing, "Hit", hitSevenUp},
        {{4, 6}, 1, TwoDecks, Nothing, "Hit", hitSevenUp},
    });
}

TEST(Hint, NamesEveryUpCardWhenDoublingOnEleven) {
    const std::vector<std::pair<int, std::string>> names = {
        {2, "a 2"}, {3, "a 3"},  {4, "a 4"}, {5, "a 5"},   {6, "a 6"},
        {7, "a 7"}, {8, "an 8"}, {9, "a 9"}, {10, "a 10"}, {1, "an Ace"}};
    std::vector<HintCase> cases;
    for (const auto& [up, name] : names) {
        cases.push_back(
            {{5, 6},
             up,
             SingleDeck,
             doubleFrom(11),
             "Double",
             "you should double-down on 11 when the dealer's up card is " + name + "."});
    }
    checkHints(cases);
}

TEST(Hint, Pairs) {
    const char* always =
        "you should always split Aces and Eights no matter what the dealer's up card is.";
    const std::string hitTwoThree =
        "you should hit on a hard total of 12 or less when the dealer's up card is 2 or 3.";
    const std::string hitFourToSix =
        "you should hit on a hard total of 11 or less when the dealer's up card is 4, 5 or 6.";
    const std::string standFourToSix =
        "you should stand on a hard total of 12 or more when the dealer's up card is 4, 5 or 6.";
    const std::string hitSevenUp =
        "you should hit on a hard total of 16 or less when the dealer's up card is 7 or more.";
    const std::string standSevenUp =
        "you should stand on a hard total of 17 or more when the dealer's up card is 7 or more.";
    const Arrange noCredits = [](Game& game) { game.Seats[1].Credits = 0; };
    checkHints({
        {{1, 1}, 10, SixDecks, Nothing, "Split", always},
        {{8, 8}, 1, SixDecks, noCredits, "Split", always},
        {{5, 5},
         6,
         SixDecks,
         Nothing,
         "Hit",
         hitFourToSix + "  You should never split Fives or Tens."},
        {{10, 10},
         6,
         SixDecks,
         Nothing,
         "Stand",
         standFourToSix + "  You should never split Fives or Tens."},
        {{13, 12},
         6,
         SixDecks,
         Nothing,
         "Stand",
         standFourToSix + "  You should never split Fives or Tens."},
        // Twos.
        {{2, 2},
         7,
         SixDecks,
         DoubleAfterSplit,
         "Split",
         "you should split Twos when the dealer's up card is Seven or less."},
        {{2, 2},
         8,
         SixDecks,
         DoubleAfterSplit,
         "Hit",
         hitSevenUp + "  You should only split Twos when the dealer's up card is Seven or less."},
        {{2, 2},
         4,
         SixDecks,
         Nothing,
         "Split",
         "you should split Twos when the dealer's up card is Four to Seven."},
        {{2, 2},
         3,
         SixDecks,
         Nothing,
         "Hit",
         hitTwoThree + "  You should only split Twos when the dealer's up card is Four to Seven."},
        {{2, 2},
         2,
         SingleDeck,
         DoubleAfterSplit,
         "Split",
         "you should split Twos when the dealer's up card is Seven or less."},
        {{2, 2},
         3,
         SingleDeck,
         Nothing,
         "Split",
         "you should split Twos when the dealer's up card is Three to Seven."},
        {{2, 2},
         2,
         SingleDeck,
         Nothing,
         "Hit",
         hitTwoThree + "  You should only split Twos when the dealer's up card is Three to Seven."},
        // Threes.
        {{3, 3},
         2,
         SixDecks,
         DoubleAfterSplit,
         "Split",
         "you should split Threes when the dealer's up card is Seven or less."},
        {{3, 3},
         8,
         SixDecks,
         DoubleAfterSplit,
         "Hit",
         hitSevenUp + "  You should only split Threes when the dealer's up card is Seven or less."},
        {{3, 3},
         4,
         SixDecks,
         Nothing,
         "Split",
         "you should split Threes when the dealer's up card is Four to Seven."},
        {{3, 3},
         3,
         SixDecks,
         Nothing,
         "Hit",
         hitTwoThree +
             "  You should only split Threes when the dealer's up card is Four to Seven."},
        {{3, 3},
         3,
         SingleDeck,
         DoubleAfterSplit,
         "Split",
         "you should split Threes when the dealer's up card is Three to Seven."},
        {{3, 3},
         2,
         SingleDeck,
         DoubleAfterSplit,
         "Hit",
         hitTwoThree +
             "  You should only split Threes when the dealer's up card is Three to Seven."},
        {{3, 3},
         7,
         SingleDeck,
         Nothing,
         "Split",
         "you should split Threes when the dealer's up card is Four to Seven."},
        {{3, 3},
         8,
         SingleDeck,
         Nothing,
         "Hit",
         hitSevenUp + "  You should only split Threes when the dealer's up card is Four to Seven."},
        // Fours.
        {{4, 4}, 5, SixDecks, Nothing, "Hit", hitFourToSix + "  You should never split Fours."},
        {{4, 4},
         5,
         SingleDeck,
         Nothing,
         "Double",
         "you should double-down with (4,4) when the dealer shows a 5 or 6 in a single-deck "
         "game only.  You should never split Fours."},
        {{4, 4},
         4,
         SingleDeck,
         DoubleAfterSplit,
         "Split",
         "you should split Fours when the dealer's up card is Four to Six."},
        {{4, 4},
         3,
         SingleDeck,
         DoubleAfterSplit,
         "Hit",
         hitTwoThree + "  You should only split Fours when the dealer's up card is Four to Six."},
        {{4, 4},
         5,
         SixDecks,
         DoubleAfterSplit,
         "Split",
         "you should split Fours when the dealer's up card is Five or Six."},
        {{4, 4},
         4,
         SixDecks,
         DoubleAfterSplit,
         "Hit",
         hitFourToSix + "  You should only split Fours when the dealer's up card is Five or Six."},
        // Sixes.
        {{6, 6},
         2,
         SingleDeck,
         Nothing,
         "Split",
         "you should split Sixes when the dealer's up card is Six or less."},
        {{6, 6},
         6,
         SixDecks,
         DoubleAfterSplit,
         "Split",
         "you should split Sixes when the dealer's up card is Six or less."},
        {{6, 6},
         3,
         SixDecks,
         Nothing,
         "Split",
         "you should split Sixes when the dealer's up card is Three to Six."},
        {{6, 6},
         2,
         SixDecks,
         Nothing,
         "Hit",
         hitTwoThree + "  You should only split Sixes when the dealer's up card is Three to Six."},
        {{6, 6},
         7,
         SingleDeck,
         DoubleAfterSplit,
         "Hit",
         hitSevenUp + "  You should never split Sixes when the dealer's up card is Seven or more."},
        {{6, 6},
         9,
         SixDecks,
         Nothing,
         "Hit",
         hitSevenUp + "  You should never split Sixes when the dealer's up card is Seven or more."},
        // Sevens.
        {{7, 7},
         7,
         SixDecks,
         Nothing,
         "Split",
         "you should split Sevens when the dealer's up card is Seven or less."},
        {{7, 7},
         8,
         SixDecks,
         Nothing,
         "Hit",
         hitSevenUp + "  You should only split Sevens when the dealer's up card is Seven or less."},
        // Nines.
        {{9, 9},
         6,
         SixDecks,
         Nothing,
         "Split",
         "you should split Nines when the dealer's up card is less than Ten (except Seven)."},
        {{9, 9},
         8,
         SixDecks,
         Nothing,
         "Split",
         "you should split Nines when the dealer's up card is less than Ten (except Seven)."},
        {{9, 9},
         9,
         SixDecks,
         Nothing,
         "Split",
         "you should split Nines when the dealer's up card is less than Ten (except Seven)."},
        {{9, 9},
         7,
         SixDecks,
         Nothing,
         "Stand",
         standSevenUp + "  You should only split Nines when the dealer's up card is less than "
                        "Ten (except Seven)."},
        {{9, 9},
         1,
         SixDecks,
         Nothing,
         "Stand",
         standSevenUp + "  You should only split Nines when the dealer's up card is less than "
                        "Ten (except Seven)."},
    });
}

TEST(Hint, SecondHandAfterASplitIsNeverSplitAndDoublesOnlyWhenTheHouseAllows) {
    const auto split = [](const std::vector<int>& second, bool doubleAfterSplit) {
        return [=](Game& game) {
            game.HouseRules.DoubleAfterSplit = doubleAfterSplit;
            game.Seats[1].HasSplit = true;
            game.Hands[1].Finished = true;
            putHand(game, SecondSlot, second);
        };
    };
    checkHints({
        {{10, 8},
         6,
         SixDecks,
         split({5, 6}, true),
         "Double",
         "you should double-down on 9-11 when the dealer's up card is a 6."},
        {{10, 8},
         6,
         SixDecks,
         split({5, 6}, false),
         "Hit",
         "you should hit on a hard total of 11 or less when the dealer's up card is 4, 5 or 6."},
        {{10, 8},
         6,
         SixDecks,
         split({8, 8}, true),
         "Stand",
         "you should stand on a hard total of 12 or more when the dealer's up card is 4, 5 or "
         "6."},
    });
}

TEST(Hint, AdviceOnTheDealersUpCardNotTheHoleCard) {
    Game game = tableFor({10, 6}, 6);
    game.Hands[DealerSlot].Ranks[0] = 1; // a face-down ace
    EXPECT_EQ(AdviseHand(game, 1, DecisionOffer{}).action, HintAction::Stand);
}

TEST(HandTotalText, SaysSoftOnlyWhileAnAceStillCountsEleven) {
    const struct {
        std::vector<int> ranks;
        std::string shown;
    } cases[] = {
        {{10, 6}, "Your hand: 16"},        {{1, 6}, "Your hand: soft 17"},
        {{1, 6, 10}, "Your hand: 17"},     // the ace fell back to one
        {{1, 1, 9}, "Your hand: soft 21"}, // one ace of two still counts eleven
        {{1, 10}, "Your hand: soft 21"},
    };
    for (const auto& c : cases) {
        Game game;
        putHand(game, 1, c.ranks);
        EXPECT_EQ(HandTotalText(game.Hands[1]), c.shown) << c.shown;
    }
}

struct PlayCase {
    std::string name;
    std::vector<int> ranks;
    int up;
    int cards;
    Arrange arrange;
    Decision decision;
};

TEST(DecideByHint, PlaysTheHandAsTheHintSays) {
    const std::vector<PlayCase> cases = {
        {"hard 16 against a 10 hits", {10, 6}, 10, SixDecks, Nothing, Decision::Hit},
        {"hard 17 against a 10 stands", {10, 7}, 10, SixDecks, Nothing, Decision::Stand},
        {"11 against a 6 doubles", {5, 6}, 6, SixDecks, Nothing, Decision::Double},
        {"eights split", {8, 8}, 6, SixDecks, Nothing, Decision::Split},
        {"(4,4) advice to double a three-card hand hits",
         {4, 4, 2},
         5,
         SingleDeck,
         Nothing,
         Decision::Hit},
        {"(4,4) advice to double outside the house's range hits",
         {4, 4},
         5,
         SingleDeck,
         Nothing,
         Decision::Hit},
        {"seven cards stand", {2, 2, 2, 2, 2, 1, 1}, 10, SixDecks, Nothing, Decision::Stand},
    };
    for (const PlayCase& c : cases) {
        Game game = tableFor(c.ranks, c.up, c.cards);
        c.arrange(game);
        game.Seats[1].Human = true;
        const Decision decision = DecideByHint(game);
        EXPECT_EQ(decision, c.decision) << c.name;
        EXPECT_TRUE(IsOffered(OfferFor(game), decision)) << c.name;
    }
}

TEST(DecideByHint, PlaysTheSecondHandAfterASplit) {
    Game game = tableFor({10, 8}, 6);
    game.Hands[1].Finished = true;
    putHand(game, SecondSlot, {10, 2, 3});
    EXPECT_EQ(DecideByHint(game), Decision::Stand);
}

TEST(CanSurrender, WhileTheSeatHasNotSplit) {
    Game game = tableFor({10, 6, 2}, 10);
    EXPECT_FALSE(CanSurrender(game));
    game.HouseRules.LateSurrender = true;
    EXPECT_TRUE(CanSurrender(game)) << "also after a third card";
    putHand(game, SecondSlot, {6});
    EXPECT_FALSE(CanSurrender(game));
}

} // namespace
} // namespace dealmoor
