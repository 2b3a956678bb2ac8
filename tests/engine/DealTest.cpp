#include "DealFixture.h"
#include "RecordingHost.h"

#include "engine/Deal.h"
#include "engine/GameControl.h"
#include "engine/Shoe.h"
#include "engine/StrategyCard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dealmoor {
namespace {

using enginetest::Answer;
using enginetest::DealOrder;
using enginetest::DealTable;
using enginetest::StartCredits;

// True when `expected` appears in `log` in this order, other lines between.
::testing::AssertionResult inOrder(const std::vector<std::string>& log,
                                   const std::vector<std::string>& expected) {
    std::size_t at = 0;
    for (const std::string& line : expected) {
        while (at < log.size() && log[at] != line) {
            ++at;
        }
        if (at == log.size()) {
            return ::testing::AssertionFailure() << "\"" << line << "\" missing or out of order";
        }
        ++at;
    }
    return ::testing::AssertionSuccess();
}

void expectDealLeftNothingOnTheTable(const Game& game) {
    EXPECT_FALSE(game.DealInProgress);
    EXPECT_EQ(game.DealerHand().CardCount, 0);
    for (int s = 1; s <= MaxSeats; ++s) {
        EXPECT_EQ(game.Seats[s].Bet, 0) << "seat " << s;
        EXPECT_EQ(game.Seats[s].SplitBet, 0) << "seat " << s;
        EXPECT_EQ(game.Seats[s].InsuranceBet, 0) << "seat " << s;
    }
    for (int slot = 0; slot < HandSlots; ++slot) {
        EXPECT_EQ(game.Hands[slot].CardCount, 0) << "slot " << slot;
        EXPECT_EQ(game.Hands[slot].Total, 0) << "slot " << slot;
    }
}

// A table nobody looks at is spared the faces, panel lights and gestures; the
// deal itself, its cards, money and every other call, stay the same.
TEST(Deal, ATableThatShowsNoSeatsPlaysTheSameDeal) {
    DealTable shown(3, true, true);
    DealTable quiet(3, true, false);
    for (DealTable* table : {&shown, &quiet}) {
        for (int s = 1; s <= 3; ++s) {
            table->bet(s, 10);
        }
        table->answer(1, {Answer::Hit, Answer::Stand});
        table->answer(2, {Answer::Split, Answer::Stand, Answer::Stand});
        table->answer(3, {Answer::Double});
        table->rig(DealOrder({{5, 4}, {8, 8}, {6, 5}}, 10, 7, {2, 3, 9, 10, 2, 10}));
        table->deal();
    }
    std::vector<std::string> withoutSeats;
    for (const std::string& line : shown.host.log) {
        if (line.rfind("face ", 0) != 0 && line.rfind("panel ", 0) != 0) {
            withoutSeats.push_back(line);
        }
    }
    EXPECT_TRUE(shown.host.has("face 1 0"));
    EXPECT_TRUE(quiet.host.lines("face ").empty());
    EXPECT_TRUE(quiet.host.lines("panel ").empty());
    EXPECT_EQ(quiet.host.log, withoutSeats);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(quiet.credits(s), shown.credits(s)) << "seat " << s;
    }
    EXPECT_NE(shown.credits(2), StartCredits) << "the rigged deal moved money";
}

TEST(Deal, OneHandFromBetToCaptionInOrder) {
    DealTable table(1);
    table.bet(1, 10);
    table.rig(DealOrder({{10, 8}}, 10, 9));
    table.deal();

    EXPECT_EQ(table.credits(1), 990);
    EXPECT_EQ(table.game.TotalHands, 1);
    EXPECT_TRUE(inOrder(table.host.log,
                        {"caption Dealmoor 97 [Hand: 1]",
                         "thinking on",
                         "bet 1",
                         "thinking off",
                         "anim",
                         "card 1",
                         "card 0",
                         "anim",
                         "card 1",
                         "card 0",
                         "thinking on",
                         "decide 1",
                         "pause 0.5",
                         "thinking off",
                         "decided 1",
                         "balloon Dealer has|19",
                         "sound lose",
                         "balloon Player|Loses",
                         "face 1 3",
                         "settled 1",
                         "caption Dealmoor 97 [Cards: 5/208; Hi-Opt I: -2; Hi-Opt II: -4]"}));
    EXPECT_EQ(table.host.count("decide 1"), 1u);
    EXPECT_FALSE(table.host.has("arm"));
    expectDealLeftNothingOnTheTable(table.game);
}

TEST(Deal, ReentryDoesNothing) {
    DealTable table(1);
    table.game.DealInProgress = true;
    table.game.TotalHands = 4;
    table.bet(1, 10);
    table.deal();
    EXPECT_TRUE(table.host.log.empty());
    EXPECT_EQ(table.game.TotalHands, 4);
    EXPECT_EQ(table.credits(1), StartCredits);
}

TEST(Deal, NobodyBettingTakesTheDealBack) {
    DealTable table(2);
    table.game.TotalHands = 3;
    table.game.AutoDealsLeft = 5;
    table.deal();
    EXPECT_EQ(table.game.TotalHands, 3);
    EXPECT_FALSE(table.game.DealInProgress);
    EXPECT_EQ(table.game.AutoDealsLeft, 5);
    EXPECT_EQ(table.game.Shoe.ShoePos, 1);
    EXPECT_TRUE(table.host.lines("card").empty());
    EXPECT_FALSE(table.host.has("arm"));
    EXPECT_EQ(table.host.caption, "Dealmoor 97 [Hand: 4]") << "the abandoned deal's caption stays";
}

TEST(Deal, ComputerSeatsThatCannotCoverTheMinimumDoNotPlay) {
    DealTable table(3, false);
    table.game.HouseRules.TableMin = 150;
    for (int s = 1; s <= 3; ++s) {
        table.game.Seats[s].Number = 3; // bets ten minimums but at most 100
    }
    table.deal();
    EXPECT_EQ(table.game.TotalHands, 0);
    EXPECT_TRUE(table.host.lines("card").empty());
    EXPECT_EQ(table.credits(2), StartCredits);
}

TEST(Deal, AutomaticDealingRearmsWhileDealsAreLeft) {
    for (const auto& [left, armed] :
         std::vector<std::pair<int, bool>>{{2, true}, {1, false}, {0, false}}) {
        DealTable table(1);
        table.game.AutoDealsLeft = left;
        table.bet(1, 10);
        table.rig(DealOrder({{10, 8}}, 10, 9));
        table.deal();
        EXPECT_EQ(table.host.has("arm"), armed) << left;
        EXPECT_EQ(table.game.AutoDealsLeft, left > 0 ? left - 1 : 0);
    }
}

TEST(Deal, ReshufflesVisiblyAtTheEndOncePastTheReshufflePoint) {
    for (const auto& [start, shuffled] :
         std::vector<std::pair<int, bool>>{{23, true}, {1, false}}) {
        DealTable table(1);
        table.game.HouseRules.Cards = 52;
        ShuffleShoe(table.game, nullptr);
        table.game.Shoe.ShoePos = start;
        table.bet(1, 10);
        table.deal();
        EXPECT_EQ(table.host.has("shuffling"), shuffled) << start;
        if (shuffled) {
            EXPECT_TRUE(inOrder(table.host.log, {"settled 1", "shuffling", "dealer 1"}));
            EXPECT_EQ(table.game.Shoe.ShoePos, 1);
            EXPECT_EQ(table.game.CountedCards, 0);
        }
    }
}

TEST(Deal, NoCaptionIsBuiltForAHostThatDoesNotShowOne) {
    DealTable table(1);
    table.host.wantsCaptions = false;
    table.game.HouseRules.Cards = 52;
    ShuffleShoe(table.game, nullptr);
    table.game.Shoe.ShoePos = 30;
    table.bet(1, 10);
    table.deal();
    EXPECT_TRUE(table.host.lines("caption").empty());
    EXPECT_TRUE(table.host.has("shuffling"));
}

struct PaymentCase {
    std::string name;
    std::vector<int> cards;
    double insurance;
    double credits;
    std::vector<std::string> balloons;
    bool decided; // the seat was asked for a decision
};

TEST(Deal, InsuranceAndBlackjacks) {
    const std::vector<PaymentCase> cases = {
        {"insured against a dealer blackjack ends where it started",
         DealOrder({{10, 7}}, 13, 1),
         5,
         1000,
         {"balloon |Insurance?", "balloon Dealer has|Blackjack",
          "balloon Player wins|Insurance bet", "balloon Player|Loses"},
         false},
        {"insurance lost when the dealer has no blackjack",
         DealOrder({{10, 9}}, 7, 1),
         5,
         1005,
         {"balloon |Insurance?", "balloon Dealer has|18", "balloon Player|Wins"},
         true},
        {"ten up and ace under: no insurance question",
         DealOrder({{10, 9}}, 1, 10),
         0,
         990,
         {"balloon Dealer has|Blackjack", "balloon Player|Loses"},
         false},
        {"blackjack against blackjack pushes",
         DealOrder({{1, 12}}, 1, 10),
         0,
         1000,
         {"balloon Dealer has|Blackjack", "balloon |Push"},
         false},
        {"player blackjack paid 3 to 2",
         DealOrder({{1, 12}}, 10, 9),
         0,
         1015,
         {"balloon Player has|Blackjack"},
         false},
    };
    for (const PaymentCase& c : cases) {
        SCOPED_TRACE(c.name);
        DealTable table(1);
        table.bet(1, 10);
        table.insure(1, c.insurance);
        table.rig(c.cards);
        table.deal();
        EXPECT_EQ(table.credits(1), c.credits);
        EXPECT_EQ(table.host.balloons(), c.balloons);
        EXPECT_EQ(table.host.has("decide 1"), c.decided);
        EXPECT_EQ(table.host.has("insure 1"), c.cards[3] == 1);
        EXPECT_EQ(table.host.count("settled 1"), 1u);
        expectDealLeftNothingOnTheTable(table.game);
    }
}

TEST(Deal, BlackjackPaysByTheHouseRule) {
    // A 10 stake comes back as 25 at 3 to 2 and as 30 at 2 to 1.
    for (const auto& [pays, back] : std::vector<std::pair<double, double>>{{1.5, 25}, {2, 30}}) {
        DealTable table(1);
        table.game.HouseRules.BlackjackPays = pays;
        table.bet(1, 10);
        table.rig(DealOrder({{13, 1}}, 10, 9));
        table.deal();
        EXPECT_EQ(table.credits(1), StartCredits - 10 + back) << pays;
        EXPECT_EQ(table.game.Hands[1].Outcome, Outcome::Blackjack);
        EXPECT_TRUE(table.host.has("sound blackjack"));
        // Every hand was decided before the dealer played: the hole card is turned, nothing drawn.
        EXPECT_EQ(table.host.count("card 0"), 2u);
    }
}

TEST(Deal, InsuranceIsOfferedOnlyToHumanSeatsThatBet) {
    DealTable table(3);
    table.game.Seats[3].Human = false;
    table.bet(1, 10);
    table.bet(2, 0);
    table.insure(1, 5);
    table.rig(DealOrder({{10, 9}, {10, 8}}, 10, 1)); // seats 1 and 3 play
    table.deal();
    EXPECT_TRUE(table.host.has("insure 1"));
    EXPECT_FALSE(table.host.has("insure 2"));
    EXPECT_FALSE(table.host.has("insure 3"));
    EXPECT_EQ(table.credits(1), 1000) << "the insurance paid covers the lost bet";
    EXPECT_EQ(table.credits(2), 1000);
    EXPECT_EQ(table.credits(3), 995);
}

TEST(Deal, DealerDrawsToSeventeenAndOnSoftSeventeenByTheRule) {
    struct Case {
        std::string name;
        bool hitSoft17;
        std::vector<int> cards;
        std::size_t dealerCards;
        double credits;
    };
    const std::vector<Case> cases = {
        {"soft 17 draws under HitSoft17", true, DealOrder({{10, 9}}, 1, 6, {2}), 3, 1000},
        {"soft 17 stands without it", false, DealOrder({{10, 9}}, 1, 6, {2}), 2, 1010},
        {"hard 17 always stands", true, DealOrder({{10, 9}}, 10, 7, {2}), 2, 1010},
        {"sixteen draws", false, DealOrder({{10, 9}}, 10, 6, {10}), 3, 1010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DealTable table(1);
        table.game.HouseRules.HitSoft17 = c.hitSoft17;
        table.bet(1, 10);
        table.rig(c.cards);
        table.deal();
        EXPECT_EQ(table.host.count("card 0"), c.dealerCards);
        EXPECT_EQ(table.credits(1), c.credits);
    }
}

TEST(Deal, DealerStopsAtSevenCards) {
    DealTable table(1);
    table.game.HouseRules.Cards = 416;
    ShuffleShoe(table.game, nullptr);
    table.bet(1, 10);
    // Seven aces make a soft 17, which would draw an eighth card under HitSoft17.
    table.rig(DealOrder({{10, 10}}, 1, 1, {1, 1, 1, 1, 1, 9}));
    table.deal();
    EXPECT_EQ(table.host.count("card 0"), 7u);
    EXPECT_TRUE(table.host.has("balloon Dealer has|17"));
    EXPECT_EQ(table.credits(1), 1010);
}

TEST(Deal, EveryHandDecidedEarlyLeavesTheDealerCardsUndrawn) {
    DealTable table(1);
    table.bet(1, 10);
    table.answer(1, {Answer::Hit});
    table.rig(DealOrder({{10, 6}}, 10, 2, {10, 5}));
    table.deal();
    EXPECT_EQ(table.host.count("card 0"), 2u);
    EXPECT_TRUE(table.host.has("text Busted first"));
    EXPECT_EQ(table.game.Hands[1].Outcome, Outcome::Busted);
    EXPECT_EQ(table.credits(1), 990);
    // Every seat decided: the dealer names no total.
    for (const std::string& balloon : table.host.balloons()) {
        EXPECT_EQ(balloon.find("balloon Dealer has"), std::string::npos) << balloon;
    }
    EXPECT_EQ(table.host.count("settled 1"), 1u);
    EXPECT_TRUE(inOrder(table.host.log, {"text Busted first", "pause 1", "face 1 0", "face 1 3",
                                         "panel 1 on", "pause 1.5"}));
}

TEST(Deal, ASeatSittingOutKeepsTheDealerDrawing) {
    DealTable table(2);
    table.bet(1, 10);
    table.bet(2, 0);
    table.answer(1, {Answer::Hit});
    table.rig(DealOrder({{10, 6}}, 10, 2, {10, 5}));
    table.deal();
    EXPECT_EQ(table.host.count("card 0"), 3u);
    EXPECT_TRUE(table.host.has("balloon Dealer has|17"));
    EXPECT_TRUE(table.host.lines("card 2").empty());
    EXPECT_TRUE(table.game.Hands[2].Finished);
    EXPECT_FALSE(table.host.has("decide 2"));
}

TEST(Deal, SurrenderReturnsHalfAndTheDealerStillPlays) {
    DealTable table(1);
    table.game.HouseRules.LateSurrender = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Surrender});
    table.rig(DealOrder({{10, 6}}, 10, 2, {5}));
    table.deal();
    EXPECT_EQ(table.credits(1), 995);
    EXPECT_TRUE(table.host.has("text Surrendered first"));
    EXPECT_EQ(table.host.count("card 0"), 3u);
    EXPECT_TRUE(table.host.has("balloon Dealer has|17"));
    EXPECT_EQ(table.host.count("settled 1"), 1u);
    EXPECT_EQ(table.host.balloons().size(), 1u) << "nothing more is settled";
}

TEST(Deal, DoubleDownTakesASecondStakeAndOneCard) {
    DealTable table(1);
    table.bet(1, 10);
    table.answer(1, {Answer::Double});
    table.rig(DealOrder({{6, 5}}, 10, 7, {10}));
    table.host.onCardTaken = [&](int slot) {
        if (slot == 1 && table.game.Hands[1].CardCount == 3) {
            EXPECT_EQ(table.game.Seats[1].Bet, 20);
            EXPECT_EQ(table.credits(1), 980);
            EXPECT_TRUE(table.game.Hands[1].Shown[0]);
            EXPECT_TRUE(table.game.Hands[1].Finished);
        }
    };
    table.deal();
    EXPECT_EQ(table.credits(1), 1020);
    EXPECT_EQ(table.host.count("decide 1"), 1u);
    EXPECT_TRUE(inOrder(table.host.log, {"decided 1", "text Doubled first", "pause 1.5", "anim",
                                         "card 1", "face 1 0", "face 1 1", "pause 0.5"}));
}

TEST(Deal, HitGestureOfABeckoningCharacter) {
    DealTable table(1);
    table.game.Seats[1].Number = 2; // beckons with frames 1 and 2
    table.bet(1, 10);
    table.answer(1, {Answer::Hit});
    table.rig(DealOrder({{2, 3}}, 10, 7, {4}));
    table.deal();
    std::vector<std::string> gesture;
    for (int i = 0; i < 3; ++i) {
        gesture.insert(gesture.end(), {"face 1 1", "pause 0.25", "face 1 2", "pause 0.25"});
    }
    gesture.insert(gesture.end(), {"face 1 1", "anim", "card 1"});
    const std::size_t start = table.host.find("decided 1") + 2; // after the panel is lit again
    ASSERT_LT(start + gesture.size(), table.host.log.size());
    EXPECT_EQ(std::vector<std::string>(table.host.log.begin() + static_cast<std::ptrdiff_t>(start),
                                       table.host.log.begin() +
                                           static_cast<std::ptrdiff_t>(start + gesture.size())),
              gesture);
}

TEST(Deal, SplitAcesTakeOneCardEach) {
    for (bool hitSplitAces : {false, true}) {
        DealTable table(1);
        table.game.HouseRules.HitSplitAces = hitSplitAces;
        table.bet(1, 10);
        table.answer(1, {Answer::Split});
        table.rig(DealOrder({{1, 1}}, 10, 7, {9, 13}));
        table.deal();
        EXPECT_EQ(table.host.count("decide 1"), hitSplitAces ? 3u : 1u);
        EXPECT_EQ(table.host.lines("card 1").size(), 3u);
        EXPECT_EQ(table.host.lines("card 7").size(), 1u);
        EXPECT_TRUE(table.host.has("balloon Player|Wins/Wins"));
        EXPECT_EQ(table.credits(1), 1020);
        EXPECT_EQ(table.game.SplitHands, 1);
        expectDealLeftNothingOnTheTable(table.game);
    }
}

TEST(Deal, SplitBustTheFirstHandThenDoubleTheSecond) {
    DealTable table(1);
    table.game.HouseRules.DoubleAfterSplit = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Split, Answer::Hit, Answer::Double});
    // After the split the first hand takes a 6 and the second a 3; the first hits
    // a ten and busts, the second doubles on 11 and takes a ten.
    table.rig(DealOrder({{8, 8}}, 10, 7, {6, 3, 10, 10}));
    table.host.onCardTaken = [&](int slot) {
        if (slot == 7 && table.game.Hands[7].CardCount == 3) {
            EXPECT_EQ(table.game.Seats[1].Bet, 0) << "the busted first stake is gone";
            EXPECT_EQ(table.game.Seats[1].SplitBet, 20);
            EXPECT_EQ(table.credits(1), 970);
            EXPECT_EQ(table.game.Hands[1].Outcome, Outcome::Busted);
        }
    };
    table.deal();
    EXPECT_TRUE(inOrder(table.host.log, {"text Busted first", "decide 1", "text Doubled second",
                                         "balloon Player|Busted/Wins"}));
    EXPECT_EQ(table.credits(1), 1010);
    EXPECT_FALSE(table.host.has("sound win"));
    EXPECT_FALSE(table.host.has("sound lose"));
    // A net gain over the stakes that were still live.
    EXPECT_EQ(table.host.lines("face 1").back(), "face 1 1");
    expectDealLeftNothingOnTheTable(table.game);
}

TEST(Deal, DoubleOnTheSecondHandLeavesTheFirstStakeAlone) {
    DealTable table(1);
    table.game.HouseRules.DoubleAfterSplit = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Split, Answer::Stand, Answer::Double});
    table.rig(DealOrder({{8, 8}}, 10, 7, {10, 3, 10}));
    table.host.onCardTaken = [&](int slot) {
        if (slot == 7 && table.game.Hands[7].CardCount == 3) {
            EXPECT_EQ(table.game.Seats[1].Bet, 10);
            EXPECT_EQ(table.game.Seats[1].SplitBet, 20);
            EXPECT_EQ(table.credits(1), 970);
        }
    };
    table.deal();
    EXPECT_TRUE(table.host.has("balloon Player|Wins/Wins"));
    EXPECT_EQ(table.credits(1), 1030);
}

struct SplitCase {
    std::string name;
    std::vector<int> cards;
    std::string balloon;
    std::string sound; // "" for none
    double credits;
    int lastFace;
};

TEST(Deal, SplitSeatResultWords) {
    const std::vector<SplitCase> cases = {
        {"both win against a busted dealer", DealOrder({{8, 8}}, 10, 6, {10, 10, 10}),
         "balloon Player|Wins/Wins", "sound win", 1020, 1},
        {"push then loss", DealOrder({{8, 8}}, 10, 7, {9, 8}), "balloon Player|Push/Loses", "", 990,
         3},
        {"both lose", DealOrder({{8, 8}}, 10, 9, {9, 8}), "balloon Player|Loses/Loses",
         "sound lose", 980, 3},
        {"win then push", DealOrder({{8, 8}}, 10, 8, {1, 10}), "balloon Player|Wins/Push", "", 1010,
         1},
        {"push then push", DealOrder({{8, 8}}, 10, 8, {10, 10}), "balloon Player|Push/Push", "",
         1000, 2},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        DealTable table(1);
        table.bet(1, 10);
        table.answer(1, {Answer::Split});
        table.rig(c.cards);
        table.deal();
        EXPECT_TRUE(table.host.has(c.balloon));
        EXPECT_EQ(table.host.has("sound win"), c.sound == "sound win");
        EXPECT_EQ(table.host.has("sound lose"), c.sound == "sound lose");
        EXPECT_EQ(table.credits(1), c.credits);
        const std::size_t settled = table.host.find(c.balloon);
        const std::string face = "face 1 " + std::to_string(c.lastFace);
        EXPECT_EQ(table.host.find(face, settled), settled + 2) << "the mood follows the money";
    }
}

struct SpecialCase {
    std::string name;
    bool sixCards, sevens, sixSevenEight;
    std::vector<int> cards;
    int hits;
    std::vector<std::string> balloons;
    double credits;
    Outcome outcome;
};

TEST(Deal, SpecialPayoffsAndTheirPrecedence) {
    const std::vector<SpecialCase> cases = {
        {"six cards win at once",
         true,
         false,
         false,
         DealOrder({{2, 2}}, 10, 10, {2, 2, 3, 3}),
         4,
         {"balloon Six Card|Automatic Win", "balloon Player|Wins"},
         1010,
         Outcome::Won},
        {"7-7-7 pays 2 to 1",
         false,
         true,
         false,
         DealOrder({{7, 7}}, 10, 10, {7}),
         1,
         {"balloon 7-7-7|Pays 2-1"},
         1020,
         Outcome::Won},
        {"6-7-8 in any order",
         false,
         false,
         true,
         DealOrder({{8, 6}}, 10, 10, {7}),
         1,
         {"balloon 6-7-8|Pays 2-1"},
         1020,
         Outcome::Won},
        {"six cards switch 7-7-7 off",
         true,
         true,
         false,
         DealOrder({{7, 7}}, 10, 7, {7}),
         1,
         {"balloon Dealer has|17", "balloon Player|Wins"},
         1010,
         Outcome::None},
        {"7-7-7 is not 6-7-8",
         false,
         false,
         true,
         DealOrder({{7, 7}}, 10, 10, {7}),
         1,
         {"balloon Dealer has|20", "balloon Player|Wins"},
         1010,
         Outcome::None},
    };
    for (const SpecialCase& c : cases) {
        SCOPED_TRACE(c.name);
        DealTable table(1);
        table.game.HouseRules.Special6Cards = c.sixCards;
        table.game.HouseRules.Special777 = c.sevens;
        table.game.HouseRules.Special678 = c.sixSevenEight;
        table.bet(1, 10);
        for (int i = 0; i < c.hits; ++i) {
            table.answer(1, {Answer::Hit});
        }
        table.rig(c.cards);
        table.deal();
        EXPECT_EQ(table.host.balloons(), c.balloons);
        EXPECT_EQ(table.credits(1), c.credits);
        EXPECT_EQ(table.game.Hands[1].Outcome, c.outcome);
        if (c.outcome == Outcome::Won) {
            EXPECT_EQ(table.host.count("card 0"), 2u) << "nothing left for the dealer to beat";
            EXPECT_EQ(table.host.count("settled 1"), 1u);
        }
    }
}

TEST(Deal, SplitSeatWhoseFirstHandWasPaidSixCardsShowsItWon) {
    DealTable table(1);
    table.game.HouseRules.Special6Cards = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Split, Answer::Hit, Answer::Hit, Answer::Hit, Answer::Hit});
    // First hand 2,2 then 2,3,3,2: six cards, 14. Second hand 2,10: 12.
    table.rig(DealOrder({{2, 2}}, 10, 7, {2, 10, 2, 3, 3, 2}));
    table.deal();
    EXPECT_EQ(table.host.balloons(),
              (std::vector<std::string>{"balloon Six Card|Automatic Win", "balloon Player|Wins",
                                        "balloon Player|Won/Loses"}));
    EXPECT_EQ(table.credits(1), 1000);
    EXPECT_EQ(table.host.count("settled 1"), 1u);
}

TEST(Deal, AHandOfSevenCardsIsFinished) {
    DealTable table(1);
    table.bet(1, 10);
    for (int i = 0; i < 10; ++i) {
        table.answer(1, {Answer::Hit});
    }
    // Four aces and three twos: soft 20 in seven cards.
    table.rig(DealOrder({{1, 1}}, 10, 7, {1, 1, 2, 2, 2}));
    table.deal();
    EXPECT_EQ(table.host.count("decide 1"), 5u);
    EXPECT_EQ(table.host.lines("card 1").size(), 7u);
    EXPECT_EQ(table.host.answers[1].size(), 5u) << "the seat was not asked again";
    EXPECT_TRUE(table.host.has("balloon Player|Wins"));
    EXPECT_EQ(table.credits(1), 1010);
}

TEST(Deal, ComputerSeatsBetAndDecideByThemselves) {
    DealTable table(2, false);
    table.game.Seats[2].Number = 3; // bets ten minimums
    // Seat 1's card hits everything up to 11, seat 2's card is blank and stands.
    for (int column = 1; column <= CardColumns; ++column) {
        for (int row = 1; row <= CardRows; ++row) {
            table.game.StrategyCards[1].cell(column, row) = row >= 28 ? ActionHit : ActionStand;
        }
    }
    table.rig(DealOrder({{2, 3}, {10, 9}}, 10, 7, {10, 5}));
    table.deal();
    EXPECT_FALSE(table.host.has("bet 1"));
    EXPECT_FALSE(table.host.has("decide 1"));
    EXPECT_EQ(table.host.count("decided 1"), 2u);
    EXPECT_EQ(table.host.count("decided 2"), 1u);
    EXPECT_EQ(table.credits(1), 995); // 2, 3 hits to 15 and stands against 17
    EXPECT_EQ(table.credits(2), 1050);
}

TEST(Deal, AnswersOutsideTheRulesMoveNoMoney) {
    DealTable table(1);
    table.game.Seats[1].LastBet = 25;
    table.bet(1, 3); // below the table minimum
    table.deal();
    EXPECT_EQ(table.game.TotalHands, 0) << "nobody bet: the deal is taken back";
    EXPECT_EQ(table.credits(1), StartCredits);
    EXPECT_EQ(table.game.Seats[1].LastBet, 25);

    // Doubling a hard 16 is not offered: the hand stands on it.
    table.bet(1, 10);
    table.answer(1, {Answer::Double});
    table.rig(DealOrder({{10, 6}}, 10, 7));
    table.deal();
    EXPECT_FALSE(table.host.has("text Doubled first"));
    EXPECT_EQ(table.host.lines("card 1").size(), 2u) << "no card was drawn";
    EXPECT_EQ(table.credits(1), StartCredits - 10) << "16 loses to 17 at the single stake";
}

TEST(Deal, ADealCalledOffPutsTheTableBackAsItWasBefore) {
    // Two human seats: seat 1 hits 16 to 18, seat 2 stands on 19, the dealer
    // draws 16 to 21. The program closes at each of these moments.
    for (const char* moment : {"bet 2", "decide 1", "card 1", "dealer 3", "sound lose",
                               "balloon Player|Loses", "settled 1"}) {
        SCOPED_TRACE(moment);
        DealTable table(2);
        table.game.Seats[1].LastBet = 7;
        table.game.AutoDealsLeft = AutoDealUnlimited;
        table.game.TotalHands = 4;
        table.bet(1, 10);
        table.bet(2, 20);
        table.answer(1, {Answer::Hit, Answer::Stand});
        table.rig(DealOrder({{10, 6}, {10, 9}}, 10, 6, {2, 5}));
        table.host.callOffAt = moment;
        table.deal();
        ASSERT_TRUE(table.host.callOffAt.empty()) << "the deal never got there";
        expectDealLeftNothingOnTheTable(table.game);
        EXPECT_EQ(table.credits(1), StartCredits);
        EXPECT_EQ(table.credits(2), StartCredits);
        EXPECT_EQ(table.game.Seats[1].LastBet, 7) << "the bet of a deal not played is not kept";
        EXPECT_EQ(table.game.TotalHands, 4) << "a deal called off is not counted";
        EXPECT_EQ(table.game.AutoDealsLeft, 0);
        EXPECT_FALSE(table.host.has("arm"));
    }
}

TEST(Deal, ADealCalledOffWhileItClosesKeepsItsPayments) {
    DealTable table(1);
    table.bet(1, 10);
    table.rig(DealOrder({{10, 9}}, 10, 7));
    // A shoe filled for another size is shuffled afresh when the deal closes.
    table.game.HouseRules.Cards = 52;
    table.host.callOffAt = "shuffling";
    table.deal();
    ASSERT_TRUE(table.host.callOffAt.empty());
    EXPECT_EQ(table.credits(1), StartCredits + 10) << "19 beat 17 and was paid";
    EXPECT_EQ(table.game.TotalHands, 1);
    EXPECT_FALSE(table.game.DealInProgress);
    EXPECT_EQ(table.game.Shoe.Filled, 52) << "the shoe was mixed quietly";
    EXPECT_EQ(table.game.Shoe.ShoePos, 1);
}

TEST(Deal, WhatIsSavedDuringADealIsTheTableBeforeIt) {
    DealTable table(1);
    table.bet(1, 10);
    table.rig(DealOrder({{10, 6}}, 10, 7));
    Game saved;
    table.host.onCardTaken = [&](int slot) {
        if (slot == 1 && table.game.Hands[1].CardCount == 2) {
            saved = TableBeforeDeal(table.game);
        }
    };
    table.deal();
    EXPECT_EQ(saved.Seats[1].Credits, StartCredits) << "the stake goes back";
    EXPECT_EQ(saved.TotalHands, 0);
    EXPECT_FALSE(saved.DealInProgress);
    EXPECT_EQ(saved.Hands[1].CardCount, 0);
    EXPECT_EQ(table.credits(1), StartCredits - 10) << "the table itself played on";
}

TEST(Deal, TheDecisionWindowIsAskedForTheHandAndItsChoices) {
    DealTable table(1);
    table.game.HouseRules.LateSurrender = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Stand});
    table.rig(DealOrder({{8, 8}}, 10, 7));
    table.deal();
    EXPECT_EQ(table.host.lastHand, 1);
    EXPECT_TRUE(table.host.lastOffer.Split);
    EXPECT_FALSE(table.host.lastOffer.Double) << "16 lies outside 9..11";
    EXPECT_TRUE(table.host.lastOffer.Surrender);
}

} // namespace
} // namespace dealmoor
