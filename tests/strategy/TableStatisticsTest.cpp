// The table's statistics, gathered from rigged deals played through the
// statistics host, and the file they are kept in.

#include "DealFixture.h"
#include "StrategyTestSupport.h"

#include "strategy/StatisticsFile.h"
#include "strategy/StrategyFile.h"
#include "strategy/TableStatistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dealmoor {
namespace {

using enginetest::Answer;
using enginetest::DealOrder;
using enginetest::DealTable;
using enginetest::StartCredits;

// A rigged table whose deals are noted in its statistics.
struct CountedTable : DealTable {
    TableStatistics statistics;

    explicit CountedTable(int seats, bool human = true) : DealTable(seats, human) {
        for (int s = 1; s <= MaxSeats; ++s) {
            FillDefaultTable(game.StrategyCards[s]);
        }
    }
    void dealCounted() { PlayDealWithStatistics(game, host, statistics); }
    const SeatTally& game1() const { return statistics.seat(1).SinceGameBegan; }
};

// The counts a test expects; the rest of a tally is checked by each test.
struct Counts {
    int64_t deals, hands, won, lost, pushed, blackjacks, doubles, splits, surrenders, insured,
        insuranceWon;
};

void expectCounts(const SeatTally& t, const Counts& c, const std::string& what) {
    EXPECT_EQ(t.Deals, c.deals) << what;
    EXPECT_EQ(t.Hands, c.hands) << what;
    EXPECT_EQ(t.Won, c.won) << what;
    EXPECT_EQ(t.Lost, c.lost) << what;
    EXPECT_EQ(t.Pushed, c.pushed) << what;
    EXPECT_EQ(t.Blackjacks, c.blackjacks) << what;
    EXPECT_EQ(t.Doubles, c.doubles) << what;
    EXPECT_EQ(t.Splits, c.splits) << what;
    EXPECT_EQ(t.Surrenders, c.surrenders) << what;
    EXPECT_EQ(t.InsuranceTaken, c.insured) << what;
    EXPECT_EQ(t.InsuranceWon, c.insuranceWon) << what;
}

TEST(TableStatistics, ABlackjackIsAWonHandPaidThreeToTwo) {
    CountedTable table(1);
    table.bet(1, 10);
    table.rig(DealOrder({{1, 13}}, 9, 7));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0}, "blackjack");
    EXPECT_EQ(table.game1().Net, 15);
    EXPECT_EQ(table.game1().InitialBets, 10);
    EXPECT_EQ(table.game1().LargestWin, 15);
    EXPECT_EQ(table.game1().LargestLoss, 0);
    EXPECT_DOUBLE_EQ(table.game1().perUnit(), 1.5);
    EXPECT_EQ(table.statistics.seat(1).SinceReset, table.game1());
}

TEST(TableStatistics, ABlackjackAgainstTheDealersBlackjackIsPushed) {
    CountedTable table(1);
    table.bet(1, 10);
    table.rig(DealOrder({{1, 13}}, 12, 1));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 0, 0, 1, 1, 0, 0, 0, 0, 0}, "blackjack against blackjack");
    EXPECT_EQ(table.game1().Net, 0);
}

// Eights split against a dealer's 17: 8-10 wins, 8-5 loses; the seat is even.
TEST(TableStatistics, ASplitWithOneWinAndOneLossCountsBothHands) {
    CountedTable table(1);
    table.bet(1, 10);
    table.answer(1, {Answer::Split, Answer::Stand, Answer::Stand});
    table.rig(DealOrder({{8, 8}}, 7, 10, {10, 5}));
    table.dealCounted();
    expectCounts(table.game1(), {1, 2, 1, 1, 0, 0, 0, 1, 0, 0, 0}, "split");
    EXPECT_EQ(table.game1().Net, 0);
    EXPECT_EQ(table.game1().InitialBets, 10) << "the split stake is not an initial bet";

    const DealSummary* last = table.statistics.lastDeal();
    ASSERT_NE(last, nullptr);
    const DealSummary::SeatPart& seat = last->Seats[1];
    ASSERT_EQ(seat.HandCount, 2);
    EXPECT_EQ(seat.Hands[0].Returned, 20);
    EXPECT_EQ(seat.Hands[1].Returned, 0);
    EXPECT_EQ(seat.Hands[1].CardCount, 2);
    EXPECT_EQ(seat.Hands[1].Ranks[1], 5);
    EXPECT_EQ(last->DealerCardCount, 2);
    EXPECT_EQ(last->DealerRanks[1], 10);
}

TEST(TableStatistics, ASurrenderIsALostHandWithHalfTheStakeBack) {
    CountedTable table(1);
    table.game.HouseRules.LateSurrender = true;
    table.bet(1, 10);
    table.answer(1, {Answer::Surrender});
    table.rig(DealOrder({{10, 6}}, 8, 10));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0}, "surrender");
    EXPECT_EQ(table.game1().Net, -5);
    EXPECT_EQ(table.game1().LargestLoss, -5);
}

// Under the dealer's ace with a king below it: the hand loses its 10, the
// insurance of 5 comes back three times; the seat is even.
TEST(TableStatistics, InsuranceWonAgainstTheDealersBlackjack) {
    CountedTable table(1);
    table.bet(1, 10);
    table.insure(1, 5);
    table.rig(DealOrder({{10, 9}}, 13, 1));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 0, 1, 0, 0, 0, 0, 0, 1, 1}, "insurance");
    EXPECT_EQ(table.game1().Net, 0);
    EXPECT_EQ(table.statistics.lastDeal()->Seats[1].InsuranceReturned, 15);
}

TEST(TableStatistics, InsuranceLostWhenTheDealerHasNoBlackjack) {
    CountedTable table(1);
    table.bet(1, 10);
    table.insure(1, 5);
    table.answer(1, {Answer::Stand});
    table.rig(DealOrder({{10, 9}}, 7, 1));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 0}, "insurance lost");
    EXPECT_EQ(table.game1().Net, 5) << "19 beats 18: +10, the insurance of 5 is lost";
}

// A double that busts, and a bust after a hit, are lost hands; the double counts.
TEST(TableStatistics, DoublesAndBustsAcrossSeats) {
    CountedTable table(2);
    table.game.HouseRules.DoubleMin = 2;
    table.game.HouseRules.DoubleMax = 21;
    table.bet(1, 10);
    table.bet(2, 10);
    table.answer(1, {Answer::Double});
    table.answer(2, {Answer::Hit});
    table.rig(DealOrder({{6, 6}, {10, 5}}, 10, 6, {10, 9}));
    table.dealCounted();
    expectCounts(table.game1(), {1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0}, "seat 1 doubled 12 into 22");
    EXPECT_EQ(table.game1().Net, -20);
    expectCounts(table.statistics.seat(2).SinceGameBegan, {1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0},
                 "seat 2 hit 15 into 24");
}

TEST(TableStatistics, HumanDecisionsAgainstTheHintAreKept) {
    CountedTable table(1);
    // Hard 16 against a ten: the hint hits, the player stands.
    table.bet(1, 10);
    table.answer(1, {Answer::Stand});
    table.rig(DealOrder({{10, 6}}, 7, 10));
    table.dealCounted();
    // Hard 11 against a 6: the hint doubles, and so does the player.
    table.bet(1, 10);
    table.answer(1, {Answer::Double});
    table.rig(DealOrder({{6, 5}}, 10, 6, {9, 10}));
    table.dealCounted();

    const SeatStatistics& seat = table.statistics.seat(1);
    EXPECT_EQ(seat.SinceGameBegan.Decisions, 2);
    EXPECT_EQ(seat.SinceGameBegan.FollowedHint, 1);
    ASSERT_EQ(seat.Misses.size(), 1u);
    const HintMiss& miss = seat.Misses.front();
    EXPECT_EQ(miss.cardCount(), 2);
    EXPECT_EQ(miss.Ranks[0], 10);
    EXPECT_EQ(miss.Ranks[1], 6);
    EXPECT_EQ(miss.DealerRank, 10);
    EXPECT_EQ(miss.Chosen, Decision::Stand);
    EXPECT_EQ(miss.Hinted, HintAction::Hit);
}

TEST(TableStatistics, OnlyTheLastTwentyMissesAreKept) {
    CountedTable table(1);
    for (int deal = 0; deal < 25; ++deal) {
        table.bet(1, 10);
        table.answer(1, {Answer::Stand});
        table.rig(DealOrder({{10, deal % 2 == 0 ? 6 : 5}}, 7, 10));
        table.dealCounted();
    }
    const SeatStatistics& seat = table.statistics.seat(1);
    EXPECT_EQ(seat.SinceReset.Decisions, 25);
    ASSERT_EQ(seat.Misses.size(), HintMissesKept);
    EXPECT_EQ(seat.Misses.front().Ranks[1], 5) << "the 6th deal's miss is the oldest kept";
    EXPECT_EQ(seat.Misses.back().Ranks[1], 6);
}

TEST(TableStatistics, AComputerSeatsDecisionsAreNotHintDecisions) {
    CountedTable table(1, false);
    table.game.Seats[1].Number = 1;
    table.rig(DealOrder({{10, 6}}, 7, 10, {2}));
    table.dealCounted();
    EXPECT_EQ(table.game1().Deals, 1);
    EXPECT_EQ(table.game1().Decisions, 0);
    EXPECT_TRUE(table.statistics.seat(1).Misses.empty());
}

TEST(TableStatistics, GamesAndResetsStartTheirFiguresAgain) {
    CountedTable table(1);
    const auto win = [&] {
        table.bet(1, 10);
        table.answer(1, {Answer::Stand});
        table.rig(DealOrder({{10, 9}}, 7, 10));
        table.dealCounted();
    };
    win();
    win();
    const SeatStatistics& seat = table.statistics.seat(1);
    EXPECT_EQ(seat.Credits, (std::vector<double>{StartCredits + 10, StartCredits + 20}));
    EXPECT_EQ(table.statistics.gameDeals(), 2);

    table.statistics.startNewGame();
    win();
    EXPECT_EQ(seat.SinceGameBegan.Deals, 1);
    EXPECT_EQ(seat.SinceReset.Deals, 3);
    EXPECT_EQ(seat.Credits, std::vector<double>{StartCredits + 30});

    table.statistics.reset();
    EXPECT_EQ(seat.SinceReset.Deals, 0);
    EXPECT_EQ(seat.SinceGameBegan.Deals, 0);
    EXPECT_TRUE(seat.Credits.empty());
    EXPECT_EQ(table.statistics.lastDeal(), nullptr);
}

TEST(TableStatistics, ADealNobodyBetOnCountsNothing) {
    CountedTable table(1);
    table.dealCounted(); // the bet window answers nothing: the seat sits out
    EXPECT_EQ(table.game1().Deals, 0);
    EXPECT_EQ(table.statistics.gameDeals(), 0);
    EXPECT_TRUE(table.statistics.seat(1).Credits.empty());
}

TEST(TableStatistics, ADealCalledOffCountsNothing) {
    CountedTable table(1);
    table.bet(1, 10);
    table.answer(1, {enginetest::Answer::Stand});
    table.rig(DealOrder({{10, 9}}, 10, 7));
    table.host.callOffAt = "balloon Player|Wins"; // the program closes as the seat is paid
    table.dealCounted();
    EXPECT_EQ(table.game1().Deals, 0);
    EXPECT_EQ(table.statistics.gameDeals(), 0);
    EXPECT_TRUE(table.statistics.seat(1).Credits.empty());
}

TEST(StatisticsHost, PassesEveryCallOnUnchanged) {
    CountedTable counted(2);
    DealTable plain(2);
    for (DealTable* table : {static_cast<DealTable*>(&counted), &plain}) {
        table->bet(1, 10);
        table->bet(2, 20);
        table->insure(1, 5);
        table->answer(1, {Answer::Hit, Answer::Stand});
        table->answer(2, {Answer::Split, Answer::Stand, Answer::Stand});
        table->rig(DealOrder({{5, 4}, {8, 8}}, 9, 1, {2, 3, 9, 10}));
    }
    counted.dealCounted();
    plain.deal();
    EXPECT_EQ(counted.host.log, plain.host.log);
    EXPECT_EQ(counted.credits(1), plain.credits(1));
    EXPECT_EQ(counted.credits(2), plain.credits(2));
}

// ---- The statistics file --------------------------------------------------------------

// Figures from a few deals of every kind.
TableStatistics playedStatistics() {
    CountedTable table(2);
    table.game.HouseRules.LateSurrender = true;
    table.bet(1, 10);
    table.bet(2, 10);
    table.answer(1, {Answer::Split, Answer::Stand, Answer::Stand});
    table.answer(2, {Answer::Surrender});
    table.rig(DealOrder({{8, 8}, {10, 6}}, 7, 10, {10, 5}));
    table.dealCounted();
    table.bet(1, 12.5);
    table.bet(2, 10);
    table.insure(1, 6.25);
    table.answer(2, {Answer::Stand});
    table.rig(DealOrder({{10, 9}, {10, 7}}, 13, 1));
    table.dealCounted();
    table.statistics.startNewGame();
    table.bet(1, 10);
    table.rig(DealOrder({{1, 12}}, 9, 7));
    table.dealCounted();
    return table.statistics;
}

TEST(StatisticsFile, WritesAndReadsBackEveryFigure) {
    const TableStatistics played = playedStatistics();
    const std::string text = StatisticsText(played);
    TableStatistics read;
    ASSERT_TRUE(ReadStatisticsText(text, read)) << text;
    EXPECT_EQ(read.gameDeals(), played.gameDeals());
    for (int s = 1; s <= MaxSeats; ++s) {
        EXPECT_EQ(read.seat(s), played.seat(s)) << "seat " << s;
    }
    EXPECT_FALSE(read.seat(2).Misses.empty()) << "the file carries a miss";
    EXPECT_EQ(StatisticsText(read), text);
}

TEST(StatisticsFile, SavesAtomicallyAndLoadsBack) {
    test::TempFolder folder;
    const std::string path = folder.file(StatisticsFileName);
    TableStatistics fresh;
    EXPECT_EQ(LoadStatistics(path, fresh), StatisticsLoad::Missing);

    const TableStatistics played = playedStatistics();
    ASSERT_TRUE(SaveStatistics(path, played));
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{StatisticsFileName});
    TableStatistics loaded;
    ASSERT_EQ(LoadStatistics(path, loaded), StatisticsLoad::Loaded);
    EXPECT_EQ(loaded.seats(), played.seats());
}

// A damaged file, of whatever kind, starts the figures afresh.
TEST(StatisticsFile, ADamagedFileStartsAfresh) {
    const std::string good = StatisticsText(playedStatistics());
    const auto replaced = [&](const std::string& from, const std::string& to) {
        return test::ReplacedOnce(good, from, to);
    };
    struct Case {
        std::string what;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"cut short", good.substr(0, good.size() / 2)},
        {"no end line", replaced("end\n", "")},
        {"a later version", replaced("statistics 1", "statistics 2")},
        {"another file", "[GameSettings]\nPlayers=1\n"},
        {"a line after the end", good + "tally 1 game deals 1\n"},
        {"an unknown line", replaced("game-deals", "game-dealz")},
        {"an unknown figure", replaced(" won ", " wonn ")},
        {"a negative count", replaced("hands 2", "hands -2")},
        {"a count that is not a number", replaced("hands 2", "hands two")},
        {"money with three decimals", replaced("bets 10.00", "bets 10.001")},
        {"money with no digits", replaced("bets 10.00", "bets -.")},
        {"a seat beyond six", replaced("tally 2 game", "tally 7 game")},
        {"a tally twice", replaced("tally 2 game", "tally 1 game")},
        {"more won than played", replaced("won 1", "won 99")},
        {"a miss with a bad rank", replaced("miss 2 T6 T", "miss 2 T6 Z")},
        {"a miss with a bad word", replaced(" stand hit", " stay hit")},
        {"credits of another game", replaced("game-deals 1", "game-deals 5")},
        {"bytes that are no text", std::string("Dealmoor statistics 1\n\0\xff\xfe end\n", 30)},
    };
    const TableStatistics played = playedStatistics();
    for (const Case& c : cases) {
        TableStatistics statistics = played;
        EXPECT_FALSE(ReadStatisticsText(c.text, statistics)) << c.what;
        EXPECT_EQ(statistics.seats(), played.seats()) << c.what << ": left as it was";

        test::TempFolder folder;
        const std::string path = folder.file(StatisticsFileName);
        test::writeBytes(path, c.text);
        TableStatistics loaded;
        EXPECT_EQ(LoadStatistics(path, loaded), StatisticsLoad::Damaged) << c.what;
        EXPECT_EQ(loaded.seats(), TableStatistics{}.seats()) << c.what << ": fresh figures";
    }
}

// Every single damaged byte or missing line is read safely: either refused or
// read as figures that write back as they were read.
TEST(StatisticsFile, NoDamageIsReadUnsafely) {
    const std::string good = StatisticsText(playedStatistics());
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const char byte : {'\0', '9', '-', ' ', '\n', 'x'}) {
            std::string text = good;
            text[at] = byte;
            TableStatistics statistics;
            if (ReadStatisticsText(text, statistics)) {
                TableStatistics again;
                EXPECT_TRUE(ReadStatisticsText(StatisticsText(statistics), again));
                EXPECT_EQ(again.seats(), statistics.seats());
            }
        }
    }
}

} // namespace
} // namespace dealmoor
