// The simulator's parts on their own: the command line, the shoe file and
// the money check.

#include "engine/Game.h"
#include "engine/Shoe.h"
#include "engine/Texts.h"
#include "sim/DealChecker.h"
#include "sim/Json.h"
#include "sim/ShoeFile.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace dealmoor::sim {
namespace {

TEST(SimOptions, ReadsEveryOption) {
    const ParseResult r = ParseSimOptions({"--deals", "1000", "--settings=a.ini", "--seed", "42",
                                           "--shoe", "s.txt", "--log", "--check", "--threads=3",
                                           "--fast-shuffle", "--credits", "--no-topup"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.Deals, 1000);
    EXPECT_EQ(r.options.SettingsFile, "a.ini");
    EXPECT_EQ(r.options.Seed, 42u);
    EXPECT_EQ(r.options.ShoeFile, "s.txt");
    EXPECT_TRUE(r.options.Log && r.options.Check && r.options.FastShuffle && r.options.Credits);
    EXPECT_EQ(r.options.Threads, 3u);
    EXPECT_FALSE(r.options.TopUp);
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    const std::vector<std::vector<std::string>> bad = {
        {},                                        // no deals
        {"--deals"},                               // no value
        {"--deals", "-5"},                         // not positive
        {"--deals", "12x"},                        // not a number
        {"--deals", "10", "--seed", "4294967296"}, // beyond 32 bits
        {"--deals", "10", "--threads", "0"},
        {"--deals", "10", "--log=yes"},   // a flag takes no value
        {"--deals", "10", "--settings="}, // empty file name
        {"--deals", "10", "extra"},
    };
    for (const auto& args : bad) {
        EXPECT_NE(ParseSimOptions(args).error, "") << ::testing::PrintToString(args);
    }
    EXPECT_EQ(ParseSimOptions({"--bench"}).error, "") << "the bench needs no deal count";
    // One JSON document on stdout leaves no room for the lines of a log.
    EXPECT_NE(ParseSimOptions({"--deals", "10", "--json", "--log"}).error, "");
    EXPECT_NE(ParseSimOptions({"--deals", "10", "--credits", "--json"}).error, "");
    EXPECT_EQ(ParseSimOptions({"--deals", "10", "--json", "--check"}).error, "");
    EXPECT_TRUE(ParseSimOptions({"--bench", "--json"}).options.Json);
}

TEST(Json, TextIsEscapedIntoAValidString) {
    struct Case {
        std::string text;
        std::string json;
    };
    const std::vector<Case> cases = {
        {"Pat Peoples", "\"Pat Peoples\""},
        {"Eddie \"the Edge\"", "\"Eddie \\\"the Edge\\\"\""},
        {"back\\slash", "\"back\\\\slash\""},
        {"tab\tnew\nline\x01", "\"tab\\u0009new\\u000aline\\u0001\""},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},         // UTF-8 kept as it is
        {"caf\xe9", "\"caf\\u00e9\""},              // a Latin-1 byte
        {"cut \xe2\x82", "\"cut \\u00e2\\u0082\""}, // a sequence cut short
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json) << c.text;
    }
}

TEST(Json, WriterNestsWithCommasInTheirPlaces) {
    JsonWriter json;
    json.beginObject().field("deals", int64_t{3}).field("rate", 0.25).key("seats").beginArray();
    json.beginObject().field("name", "A").field("human", true).endObject();
    json.beginArray().endArray();
    json.value(std::numeric_limits<double>::infinity());
    json.endArray().key("empty").beginObject().endObject().endObject();
    EXPECT_EQ(json.text(), "{\n"
                           "  \"deals\": 3,\n"
                           "  \"rate\": 0.25,\n"
                           "  \"seats\": [\n"
                           "    {\n"
                           "      \"name\": \"A\",\n"
                           "      \"human\": true\n"
                           "    },\n"
                           "    [],\n"
                           "    null\n"
                           "  ],\n"
                           "  \"empty\": {}\n"
                           "}\n");
}

TEST(ShoeFile, ReadsIdsAndRankWordsAsClubs) {
    const ShoeFileResult r = ParseShoeText("# rigged\nA\n10\r\n  k \n\n52\nq\nJ\n2\n", "f");
    ASSERT_EQ(r.error, "");
    std::vector<int> ids;
    std::vector<int> lines;
    for (const RiggedCard& c : r.cards) {
        ids.push_back(c.CardId);
        lines.push_back(c.Line);
    }
    EXPECT_EQ(ids, (std::vector<int>{1, 10, 13, 52, 12, 11, 2}));
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 6, 7, 8, 9}));
}

TEST(ShoeFile, NamesTheLineOfABadCard) {
    for (const char* word : {"0", "53", "1.5", "ace", "-3", "A A"}) {
        const ShoeFileResult r = ParseShoeText(std::string("A\n2\n") + word + "\n", "rig.txt");
        EXPECT_EQ(r.error.rfind("rig.txt:3: '", 0), 0u) << word << ": " << r.error;
        EXPECT_TRUE(r.cards.empty());
    }
}

// The multiset of card ids in entries 1..Filled.
std::map<int, int> shoeContents(const Game& game) {
    std::map<int, int> count;
    for (int i = 1; i <= game.Shoe.Filled; ++i) {
        ++count[game.Shoe.ShoeCards[i].CardId];
    }
    return count;
}

Game shuffledGame(int cards) {
    Game game;
    game.HouseRules.Cards = cards;
    game.Random.Source = SeedSource::Kept;
    game.Random.Seed = 99;
    ShuffleShoe(game, nullptr);
    return game;
}

TEST(ShoeFile, RiggedCardsComeNextAndTheShoeKeepsItsCards) {
    Game game = shuffledGame(104);
    const std::map<int, int> before = shoeContents(game);
    const std::vector<RiggedCard> rigged = {{1, 1}, {1, 2}, {40, 3}, {13, 4}};
    ASSERT_EQ(LayRiggedCards(game, rigged, "f"), "");
    EXPECT_EQ(shoeContents(game), before);
    for (size_t k = 0; k < rigged.size(); ++k) {
        const Card& card = game.Shoe.ShoeCards[2 + k];
        EXPECT_EQ(card.CardId, rigged[k].CardId);
        EXPECT_EQ(card.Rank, ((rigged[k].CardId - 1) % 13) + 1);
    }
}

TEST(ShoeFile, RefusesACardTheShoeNoLongerHolds) {
    Game game = shuffledGame(52);
    EXPECT_EQ(LayRiggedCards(game, {{5, 1}, {5, 7}}, "f"),
              "f:7: no card id 5 is left in the shoe of 52 cards");
    // Near the end of the shoe only two entries are left to lay cards into.
    game.Shoe.ShoePos = 50;
    const int last = game.Shoe.ShoeCards[52].CardId;
    EXPECT_EQ(LayRiggedCards(game, {{last, 1}, {last, 2}, {last, 3}}, "f"),
              "f:2: no card id " + std::to_string(last) + " is left in the shoe of 52 cards");
    const int next = game.Shoe.ShoeCards[51].CardId;
    EXPECT_EQ(
        LayRiggedCards(game, {{next, 1}, {game.Shoe.ShoeCards[52].CardId, 2}, {next, 3}}, "f"),
        "f:3: card 3 of the file does not fit: only 2 cards are left in the shoe of 52");
}

// A fresh shoe burns its first card, so every card after it can be rigged and
// not one more: the parse refuses the extra card's line, and laying them all
// puts the whole rest of the shoe in the order of the file.
TEST(ShoeFile, RigsEveryCardButTheBurntOne) {
    for (int cards : {52, 100, 416}) {
        SCOPED_TRACE(cards);
        Game game = shuffledGame(cards);
        const std::map<int, int> before = shoeContents(game);
        std::string text;
        for (int entry = cards; entry >= 2; --entry) { // the rest of the shoe, reversed
            text += std::to_string(game.Shoe.ShoeCards[entry].CardId) + "\n";
        }
        const ShoeFileResult all = ParseShoeText(text, "f", cards);
        ASSERT_EQ(all.error, "");
        ASSERT_EQ(all.cards.size(), static_cast<size_t>(cards - 1));
        ASSERT_EQ(LayRiggedCards(game, all.cards, "f"), "");
        EXPECT_EQ(shoeContents(game), before);
        for (int k = 0; k < cards - 1; ++k) {
            EXPECT_EQ(game.Shoe.ShoeCards[2 + k].CardId, all.cards[k].CardId);
        }
        const ShoeFileResult oneMore = ParseShoeText(text + "# last\nA\n", "f", cards);
        EXPECT_EQ(oneMore.error,
                  "f:" + std::to_string(cards + 1) + ": card " + std::to_string(cards) +
                      " of the file does not fit: a shoe of " + std::to_string(cards) +
                      " cards burns its first card and deals at most " + std::to_string(cards - 1) +
                      " rigged cards");
        EXPECT_TRUE(oneMore.cards.empty());
    }
}

// A hand-played deal for the checker: one seat, bet 10 from 1000 credits; the
// seat's first card shows its stake, then a win is announced. `paid` is what
// the engine put back.
class CheckerDeal : public ::testing::Test {
protected:
    CheckerDeal() : checker(game, "") {
        game.SeatCount = 1;
        game.HouseRules.Cards = 52;
        game.Shoe.Filled = 52;
        game.Shoe.ShoePos = 1;
        game.Seats[1].Credits = 1000;
        checker.beginDeal(7);
        game.Seats[1].Bet = 10;
        game.Seats[1].Credits -= 10;
        dealCard(1);
        game.CurrentSeat = 1;
    }

    void dealCard(int slot) {
        Hand& hand = game.Hands[slot];
        hand.Ranks[hand.CardCount] = 5;
        hand.CardIds[hand.CardCount] = 5;
        ++hand.CardCount;
        ++game.Shoe.ShoePos;
        checker.cardTaken(slot);
    }

    void settleWin(double paid) {
        checker.balloon(TextPlayer, TextWins);
        game.Seats[1].Credits += paid;
        game.Seats[1].Bet = 0;
        ClearHand(game, 1);
    }

    Game game;
    DealChecker checker;
};

TEST_F(CheckerDeal, PassesAnHonestWin) {
    settleWin(20);
    EXPECT_TRUE(checker.endDeal()) << checker.failure();
}

TEST_F(CheckerDeal, CatchesAWinPaidTwoToOne) {
    settleWin(30);
    EXPECT_FALSE(checker.endDeal());
    EXPECT_EQ(checker.failure(), "deal 7 seat 1: credits went from 1000.00 to 1020.00 (change "
                                 "20.00), but the stakes placed (10.00) and paid back (20.00) "
                                 "give 1010.00");
}

TEST_F(CheckerDeal, CatchesAStakeLeftOnTheTable) {
    checker.balloon(TextPlayer, TextWins);
    game.Seats[1].Credits += 20;
    ClearHand(game, 1);
    EXPECT_FALSE(checker.endDeal());
    EXPECT_NE(checker.failure().find("stakes left on the table: bet 10.00"), std::string::npos)
        << checker.failure();
}

TEST_F(CheckerDeal, CatchesAHandNeverSettled) {
    game.Seats[1].Bet = 0;
    ClearHand(game, 1);
    EXPECT_FALSE(checker.endDeal());
    EXPECT_NE(checker.failure().find("the stake of 10.00 on hand 1 was never settled"),
              std::string::npos)
        << checker.failure();
}

TEST_F(CheckerDeal, CatchesCardsLeftInAHand) {
    settleWin(20);
    dealCard(0);
    EXPECT_FALSE(checker.endDeal());
    EXPECT_NE(checker.failure().find("hand slot 0 still holds 1 cards"), std::string::npos);
}

TEST_F(CheckerDeal, CatchesADealPastTheFilledShoe) {
    game.Shoe.ShoePos = game.Shoe.Filled; // the next card would lie beyond the shoe
    dealCard(0);
    EXPECT_FALSE(checker.ok());
    EXPECT_NE(checker.failure().find("card taken from entry 53 of a shoe filled to 52"),
              std::string::npos)
        << checker.failure();
}

TEST_F(CheckerDeal, SurrenderGivesBackHalfTheStake) {
    game.Decision = DecisionCode::Surrender;
    checker.decided(1);
    checker.tableText(TableText::Surrendered, false);
    game.Seats[1].Credits += 5;
    game.Seats[1].Bet = 0;
    ClearHand(game, 1);
    EXPECT_TRUE(checker.endDeal()) << checker.failure();
}

TEST_F(CheckerDeal, InsuranceAgainstTheDealersBlackjackCoversTheBet) {
    game.Seats[1].InsuranceBet = 5;
    game.Seats[1].Credits -= 5;
    checker.insurancePlaced(1, 5);
    checker.balloon(TextDealerHas, TextBlackjack);
    checker.balloon(TextPlayerWins, TextInsuranceBet);
    game.Seats[1].Credits += 15;
    game.Seats[1].InsuranceBet = 0;
    checker.balloon(TextPlayer, TextLoses);
    game.Seats[1].Bet = 0;
    ClearHand(game, 1);
    EXPECT_TRUE(checker.endDeal()) << checker.failure();
    EXPECT_DOUBLE_EQ(game.Seats[1].Credits, 1000);
}

TEST_F(CheckerDeal, CatchesInsuranceNotPaidAgainstABlackjack) {
    game.Seats[1].Credits -= 5;
    checker.insurancePlaced(1, 5);
    checker.balloon(TextDealerHas, TextBlackjack);
    checker.balloon(TextPlayer, TextLoses);
    game.Seats[1].Bet = 0;
    ClearHand(game, 1);
    EXPECT_FALSE(checker.endDeal());
    EXPECT_NE(checker.failure().find("insurance stake of 5.00 was not paid"), std::string::npos)
        << checker.failure();
}

TEST_F(CheckerDeal, CountsASplitAndADoubleAsStakes) {
    // Split: the second stake leaves the credits.
    game.SplitRequested = true;
    game.Decision = DecisionCode::TakeCard;
    game.Seats[1].SplitBet = 10;
    game.Seats[1].Credits -= 10;
    checker.decided(1);
    game.SplitRequested = false;
    // The second hand doubles.
    game.Hands[7].CardCount = 2;
    game.Hands[7].DoubleRequested = true;
    checker.decided(7);
    game.Seats[1].Credits -= 10;
    checker.tableText(TableText::Doubled, true);
    // First hand pushes, the doubled second hand wins: 10 + 40 come back.
    checker.balloon(TextPlayer, std::string(TextFirstPush) + std::string(TextSecondWins));
    game.Seats[1].Credits += 50;
    game.Seats[1].Bet = 0;
    game.Seats[1].SplitBet = 0;
    ClearHand(game, 1);
    ClearHand(game, 7);
    EXPECT_TRUE(checker.endDeal()) << checker.failure();
    EXPECT_DOUBLE_EQ(game.Seats[1].Credits, 1020);
}

} // namespace
} // namespace dealmoor::sim
