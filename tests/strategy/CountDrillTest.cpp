// The count school's rules: the right answers of a check from a rigged shoe,
// agreeing with the Card Count message; answers read and graded; the drills'
// runs of cards and trays, the same for the same seed.

#include "strategy/CountDrill.h"
#include "engine/Shoe.h"
#include "strategy/CardCount.h"

#include "RecordingHost.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

// The two systems' tags as a counter learns them, written out here on their own.
int hiOpt1Tag(int rank) {
    static const std::map<int, int> Tags{{1, 0},   {2, 0},   {3, 1},  {4, 1}, {5, 1},
                                         {6, 1},   {7, 0},   {8, 0},  {9, 0}, {10, -1},
                                         {11, -1}, {12, -1}, {13, -1}};
    return Tags.at(rank);
}
int hiOpt2Tag(int rank) {
    static const std::map<int, int> Tags{{1, 0},   {2, 1},   {3, 1},  {4, 2}, {5, 2},
                                         {6, 1},   {7, 1},   {8, 0},  {9, 0}, {10, -2},
                                         {11, -2}, {12, -2}, {13, -2}};
    return Tags.at(rank);
}

// A four-deck shoe whose cards after the burn card run 3, ten, 5, 4 over and
// over: every four cards add +2 to Hi-Opt I and +3 to Hi-Opt II.
Game riggedShoe() {
    Game game;
    game.HouseRules.Cards = 208;
    game.Random.Source = SeedSource::Kept;
    ShuffleShoe(game, nullptr);
    const int cycle[] = {3, 10, 5, 4};
    for (int entry = 2; entry <= 208; ++entry) {
        const int rank = cycle[(entry - 2) % 4];
        game.Shoe.ShoeCards[entry] = Card{rank, rank};
    }
    return game;
}

// The counts a deal ending at `position` of the rigged shoe stores.
StoredCounts countsAt(Game& game, int position) {
    game.Shoe.ShoePos = position;
    enginetest::RecordingHost host(game);
    ReportCounts(game, host);
    return StoredCountsOf(game);
}

TEST(CheckAnswers, ComeFromTheCountsTheShoeKeeps) {
    struct Case {
        int position;
        CountingSystem system;
        Tenths running;
        Tenths trueCount;
        Tenths decksLeft;
    };
    // Position 5: 4 cards (+2, +3), 203 cards are 3.90 decks; position 105: 104
    // cards (+52, +78), 103 cards are 1.98 decks; position 161: 160 cards (+80,
    // +120), 47 cards are 0.90 decks.
    const std::vector<Case> cases = {
        {5, CountingSystem::HiOpt1, 20, 5, 39},      {5, CountingSystem::HiOpt2, 30, 8, 39},
        {105, CountingSystem::HiOpt1, 520, 263, 20}, {105, CountingSystem::HiOpt2, 780, 394, 20},
        {161, CountingSystem::HiOpt1, 800, 885, 9},  {161, CountingSystem::HiOpt2, 1200, 1328, 9},
    };
    for (const Case& c : cases) {
        Game game = riggedShoe();
        const CheckAnswers right = RightAnswers(countsAt(game, c.position), c.system);
        EXPECT_EQ(right.RunningCount, c.running) << "position " << c.position;
        EXPECT_EQ(right.TrueCount, c.trueCount) << "position " << c.position;
        EXPECT_EQ(right.DecksLeft, c.decksLeft) << "position " << c.position;
    }
}

// Whatever the position, the check's right true count is the one the Card
// Count message shows.
TEST(CheckAnswers, NeverDisagreeWithTheCardCountMessage) {
    Game game = riggedShoe();
    for (int position = 1; position <= 170; ++position) {
        const StoredCounts counts = countsAt(game, position);
        const std::string message = CardCountMessage(game);
        for (CountingSystem system : {CountingSystem::HiOpt1, CountingSystem::HiOpt2}) {
            const CheckAnswers right = RightAnswers(counts, system);
            const std::string sign = right.RunningCount > 0 ? "+" : "";
            const std::string lines =
                "Running count:  " + AnswerText(right.RunningCount, CountQuestion::RunningCount) +
                "\r\n    True Count:       " + sign +
                AnswerText(right.TrueCount, CountQuestion::DecksLeft);
            EXPECT_NE(message.find(lines), std::string::npos) << "position " << position << "\n"
                                                              << message << "\nlooked for\n"
                                                              << lines;
        }
    }
}

TEST(CheckAnswers, BeforeAnyCardIsCountedEverythingIsZero) {
    Game game = riggedShoe();
    game.CountedCards = 0;
    game.HiOpt1Count = 0;
    const CheckAnswers right = RightAnswers(StoredCountsOf(game), CountingSystem::HiOpt1);
    EXPECT_EQ(right.RunningCount, 0);
    EXPECT_EQ(right.TrueCount, 0);
    EXPECT_EQ(right.DecksLeft, 40);
}

TEST(Answers, AreReadAsTheCountSchoolReadsThem) {
    struct Case {
        std::string text;
        CountQuestion question;
        std::optional<Tenths> value;
    };
    const auto running = CountQuestion::RunningCount;
    const auto trueCount = CountQuestion::TrueCount;
    const auto decks = CountQuestion::DecksLeft;
    const std::vector<Case> cases = {
        {"4", running, 40},
        {"+4", running, 40},
        {"-3", running, -30},
        {"\u22123", running, -30}, // the minus sign
        {" 12 ", running, 120},
        {"0", running, 0},
        {"1.5", running, std::nullopt}, // a running count is whole
        {"1.5", trueCount, 15},
        {"-1,5", trueCount, -15}, // a decimal comma
        {"2.", trueCount, 20},
        {".5", trueCount, 5},
        {"3.25", trueCount, std::nullopt}, // tenths at most
        {"3.5", decks, 35},
        {"-1", decks, std::nullopt}, // no deck is ever owed
        {"", running, std::nullopt},
        {"-", running, std::nullopt},
        {"+", trueCount, std::nullopt},
        {".", trueCount, std::nullopt},
        {"12345", running, std::nullopt},
        {"4a", running, std::nullopt},
        {"--4", running, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAnswer(c.text, c.question), c.value) << "\"" << c.text << "\"";
    }
}

TEST(Answers, AreWrittenWithTheirSigns) {
    EXPECT_EQ(AnswerText(40, CountQuestion::RunningCount), "+4");
    EXPECT_EQ(AnswerText(0, CountQuestion::RunningCount), "0");
    EXPECT_EQ(AnswerText(-30, CountQuestion::RunningCount), "-3");
    EXPECT_EQ(AnswerText(15, CountQuestion::TrueCount), "+1.5");
    EXPECT_EQ(AnswerText(-7, CountQuestion::TrueCount), "-0.7");
    EXPECT_EQ(AnswerText(0, CountQuestion::TrueCount), "0.0");
    EXPECT_EQ(AnswerText(35, CountQuestion::DecksLeft), "3.5");
}

TEST(Answers, AreRightWithinTheirQuestionsTolerance) {
    struct Case {
        CountQuestion question;
        Tenths answer;
        Tenths right;
        bool isRight;
    };
    const std::vector<Case> cases = {
        {CountQuestion::RunningCount, 40, 40, true},  {CountQuestion::RunningCount, 30, 40, false},
        {CountQuestion::RunningCount, 50, 40, false}, {CountQuestion::TrueCount, 20, 15, true},
        {CountQuestion::TrueCount, 10, 15, true},     {CountQuestion::TrueCount, 21, 15, false},
        {CountQuestion::TrueCount, -5, 1, false},     {CountQuestion::DecksLeft, 35, 30, true},
        {CountQuestion::DecksLeft, 36, 30, false},    {CountQuestion::DecksLeft, 24, 30, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRightAnswer(c.question, c.answer, c.right), c.isRight)
            << c.answer << " against " << c.right;
    }
}

// ---- The running count drill ------------------------------------------------------

TEST(RunningDrill, AWholeRunHoldsEveryCardOfItsDecksAndCountsToZero) {
    for (int decks : {1, 2, 6, 8}) {
        const RunningDrill run = MakeRunningDrill(77, decks, 1, false);
        ASSERT_EQ(run.Cards.size(), static_cast<std::size_t>(52 * decks));
        std::map<int, int> copies;
        for (const Card& card : run.Cards) {
            ASSERT_TRUE(IsRealCard(card.CardId, card.Rank));
            EXPECT_EQ(card.Rank, (card.CardId - 1) % 13 + 1);
            ++copies[card.CardId];
        }
        EXPECT_EQ(copies.size(), 52u);
        for (const auto& [id, count] : copies)
            EXPECT_EQ(count, decks) << "card " << id;
        // Both systems are balanced: whole decks count to zero.
        EXPECT_EQ(run.StopAfter, run.Cards.size());
        EXPECT_EQ(run.rightCount(CountingSystem::HiOpt1), 0);
        EXPECT_EQ(run.rightCount(CountingSystem::HiOpt2), 0);
    }
}

TEST(RunningDrill, ASeededRunStopsWhereItSaysWithTheRightCount) {
    for (uint32_t seed : {1u, 2u, 3u, 20240601u, 0xFFFFFFFFu}) {
        for (int group = 1; group <= 3; ++group) {
            const RunningDrill run = MakeRunningDrill(seed, 2, group, true);
            const RunningDrill again = MakeRunningDrill(seed, 2, group, true);
            ASSERT_EQ(run.Cards.size(), again.Cards.size());
            for (std::size_t i = 0; i < run.Cards.size(); ++i)
                ASSERT_EQ(run.Cards[i].CardId, again.Cards[i].CardId) << "the same seed";
            EXPECT_EQ(run.StopAfter, again.StopAfter);

            // The stop ends a group, from a quarter of the run on.
            EXPECT_GE(run.StopAfter, run.Cards.size() / 4 - 3);
            EXPECT_LE(run.StopAfter, run.Cards.size());
            EXPECT_TRUE(run.StopAfter % group == 0 || run.StopAfter == run.Cards.size());
            // The groups turned cover exactly the cards before the question.
            std::size_t turned = 0;
            for (std::size_t g = 0; g < run.groups(); ++g) {
                EXPECT_EQ(run.groupStart(g), turned);
                EXPECT_GE(run.groupSize(g), 1u);
                EXPECT_LE(run.groupSize(g), static_cast<std::size_t>(group));
                turned += run.groupSize(g);
            }
            EXPECT_EQ(turned, run.StopAfter);

            int hiOpt1 = 0;
            int hiOpt2 = 0;
            for (std::size_t i = 0; i < run.StopAfter; ++i) {
                hiOpt1 += hiOpt1Tag(run.Cards[i].Rank);
                hiOpt2 += hiOpt2Tag(run.Cards[i].Rank);
            }
            EXPECT_EQ(run.rightCount(CountingSystem::HiOpt1), hiOpt1) << "seed " << seed;
            EXPECT_EQ(run.rightCount(CountingSystem::HiOpt2), hiOpt2) << "seed " << seed;
        }
    }
    const auto order = [](uint32_t seed) {
        std::vector<int> ids;
        for (const Card& card : MakeRunningDrill(seed, 1, 1, false).Cards)
            ids.push_back(card.CardId);
        return ids;
    };
    EXPECT_NE(order(1), order(2)) << "another seed, another run";
}

TEST(RunningDrill, CountsARiggedRunCardByCard) {
    RunningDrill run;
    run.CardsAtATime = 2;
    for (int rank : {5, 13, 1, 3, 4, 10, 2})
        run.Cards.push_back(Card{rank, rank});
    run.StopAfter = 4; // 5, king, ace, 3
    EXPECT_EQ(run.rightCount(CountingSystem::HiOpt1), 1);
    EXPECT_EQ(run.rightCount(CountingSystem::HiOpt2), 1);
    EXPECT_EQ(run.groups(), 2u);
    run.StopAfter = 7; // and 4, ten, 2
    EXPECT_EQ(run.rightCount(CountingSystem::HiOpt1), 1);
    EXPECT_EQ(run.rightCount(CountingSystem::HiOpt2), 2);
    EXPECT_EQ(run.groups(), 4u);
    EXPECT_EQ(run.groupSize(3), 1u) << "the last group holds what is left";
}

TEST(RunningDrill, TurnsItsGroupsAtThePaceChosen) {
    struct Case {
        Tenths pace;
        std::size_t group;
        int ms;
    };
    const std::vector<Case> cases = {
        {5, 1, 2000},  {10, 1, 1000}, {20, 2, 1000}, {25, 1, 400},
        {100, 3, 300}, {1, 1, 2000},  {500, 1, 100}, // held within 0.5 to 10 cards a second
    };
    for (const Case& c : cases)
        EXPECT_EQ(GroupMilliseconds(c.pace, c.group), c.ms) << c.pace << " x" << c.group;
}

// ---- The true count and decks left drills -----------------------------------------

TEST(TrayProblem, DealsNoFurtherThanTheTableWouldBeforeItShuffles) {
    for (int shoe : {52, 104, 208, 312, 416}) {
        Game table;
        table.HouseRules.Cards = shoe;
        table.Random.Source = SeedSource::Kept;
        ShuffleShoe(table, nullptr);
        int fewest = shoe;
        int most = 0;
        for (uint32_t seed = 1; seed <= 400; ++seed) {
            const TrayProblem tray = MakeTrayProblem(seed, shoe);
            EXPECT_EQ(tray.ShoeCards, shoe);
            fewest = std::min(fewest, tray.CardsGone);
            most = std::max(most, tray.CardsGone);
            table.Shoe.ShoePos = tray.CardsGone;
            EXPECT_FALSE(ReshuffleDue(table)) << shoe << " cards, " << tray.CardsGone << " gone";
            EXPECT_LE(std::abs(tray.HiOpt1), tray.CardsGone);
            EXPECT_LE(std::abs(tray.HiOpt2), 2 * tray.CardsGone);
            EXPECT_EQ(tray.rightDecksLeft(), RoundedToTenths(DecksRemaining(shoe, tray.CardsGone)));
            EXPECT_EQ(tray.rightTrueCount(CountingSystem::HiOpt2),
                      RoundedToTenths(TrueCount(tray.HiOpt2, shoe, tray.CardsGone)));
        }
        EXPECT_GE(fewest, 13) << "at least a quarter of a deck lies in the tray";
        EXPECT_LT(fewest, most) << "the trays differ";
    }
    EXPECT_EQ(MakeTrayProblem(9, 312).CardsGone, MakeTrayProblem(9, 312).CardsGone);
    EXPECT_EQ(MakeTrayProblem(9, 312).HiOpt1, MakeTrayProblem(9, 312).HiOpt1);
}

} // namespace
} // namespace dealmoor
