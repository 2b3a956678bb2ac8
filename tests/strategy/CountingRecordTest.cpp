// The count school's record: rounds graded (a wrong answer as wrong, a skip as
// skipped), the figures worked out from them, and the record kept in the
// statistics file: written only once it holds a round, read strictly, and a
// damaged record starting afresh without taking the table's figures with it.

#include "strategy/CountingRecord.h"
#include "StrategyTestSupport.h"
#include "strategy/StatisticsFile.h"
#include "strategy/TableStatistics.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace dealmoor {
namespace {

constexpr CalendarDay May1{2025, 5, 1};
constexpr CalendarDay May2{2025, 5, 2};
constexpr CalendarDay May9{2025, 5, 9};

CountingRound round(CountingDrill drill, std::optional<Tenths> answer, Tenths right,
                    int64_t ms = 1000, CalendarDay day = May1, Tenths pace = 0) {
    return GradedRound(day, CountingSystem::HiOpt1, drill, pace, answer, right, ms);
}

TEST(CountingRound, IsGradedRightWrongOrSkipped) {
    struct Case {
        CountingDrill drill;
        std::optional<Tenths> answer;
        Tenths right;
        Verdict verdict;
        Tenths error;
    };
    const std::vector<Case> cases = {
        {CountingDrill::CheckRunning, 40, 40, Verdict::Right, 0},
        {CountingDrill::CheckRunning, 50, 60, Verdict::Wrong, 10},
        {CountingDrill::CheckRunning, std::nullopt, 60, Verdict::Skipped, 0},
        {CountingDrill::CheckTrue, 10, 15, Verdict::Right, 5},
        {CountingDrill::CheckTrue, 9, 15, Verdict::Wrong, 6},
        {CountingDrill::CheckDecks, 30, 26, Verdict::Right, 4},
        {CountingDrill::DrillRunning, -10, 10, Verdict::Wrong, 20},
        {CountingDrill::DrillTrue, std::nullopt, 15, Verdict::Skipped, 0},
        {CountingDrill::DrillDecks, 45, 39, Verdict::Wrong, 6},
    };
    for (const Case& c : cases) {
        const CountingRound graded = round(c.drill, c.answer, c.right);
        EXPECT_EQ(graded.Verdict, c.verdict);
        EXPECT_EQ(graded.error(), c.error);
    }
    EXPECT_EQ(round(CountingDrill::CheckRunning, 40, 40, 1000, May1, 25).Pace, 0)
        << "only the running count drill has a pace";
    EXPECT_EQ(round(CountingDrill::DrillRunning, 40, 40, 1000, May1, 25).Pace, 25);
}

TEST(CountingFigures, SkippedRoundsAreRoundsButNeverWrongOnes) {
    CountingFigures figures;
    figures.add(round(CountingDrill::DrillRunning, 40, 40, 2000, May1, 20));
    figures.add(round(CountingDrill::DrillRunning, 30, 40, 4000, May1, 50)); // wrong at 5 a second
    figures.add(round(CountingDrill::DrillRunning, 40, 40, 3000, May1, 35));
    figures.add(round(CountingDrill::DrillRunning, std::nullopt, 40, 9000, May1, 80));
    EXPECT_EQ(figures.Rounds, 4);
    EXPECT_EQ(figures.Right, 2);
    EXPECT_EQ(figures.Wrong, 1);
    EXPECT_EQ(figures.Skipped, 1);
    EXPECT_DOUBLE_EQ(figures.accuracy(), 2.0 / 3);
    EXPECT_DOUBLE_EQ(figures.meanError(), 1.0 / 3);
    EXPECT_DOUBLE_EQ(figures.meanSeconds(), 3.0);
    EXPECT_EQ(figures.BestCleanPace, 35) << "the fastest pace with no error";

    const CountingFigures none;
    EXPECT_EQ(none.accuracy(), 0);
    EXPECT_EQ(none.meanSeconds(), 0);
}

TEST(CountingRecord, FiguresPerDrillAndPerDay) {
    CountingRecord record;
    record.add(round(CountingDrill::CheckRunning, 40, 40, 1000, May2));
    record.add(round(CountingDrill::CheckRunning, 30, 40, 1000, May2));
    record.add(round(CountingDrill::CheckTrue, 15, 15, 1000, May2));
    record.add(round(CountingDrill::CheckRunning, 40, 40, 1000, May9));
    // The clock was set back: the day still joins its own.
    record.add(round(CountingDrill::CheckRunning, std::nullopt, 40, 1000, May1));
    record.add(round(CountingDrill::CheckRunning, 40, 40, 1000, May2));

    EXPECT_EQ(record.figures(CountingDrill::CheckRunning).Rounds, 5);
    EXPECT_EQ(record.figures(CountingDrill::CheckTrue).Rounds, 1);
    EXPECT_EQ(record.figures(CountingDrill::DrillTrue).Rounds, 0);

    const std::vector<DayFigures> days = record.byDay(CountingDrill::CheckRunning);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].Date, May1);
    EXPECT_EQ(days[0].Figures.Skipped, 1);
    EXPECT_EQ(days[1].Date, May2);
    EXPECT_EQ(days[1].Figures.Rounds, 3);
    EXPECT_EQ(days[1].Figures.Right, 2);
    EXPECT_EQ(days[2].Date, May9);
}

TEST(CountingRecord, KeepsTheNewestRounds) {
    CountingRecord record;
    for (std::size_t i = 0; i < CountingRoundsKept + 5; ++i)
        record.add(round(CountingDrill::DrillDecks, static_cast<Tenths>(i % 100), 0));
    EXPECT_EQ(record.rounds().size(), CountingRoundsKept);
    EXPECT_EQ(record.rounds().front().Answer, 5) << "the five oldest gave way";
}

TEST(CalendarDay, KnowsTheDaysOfTheMonths) {
    EXPECT_TRUE((CalendarDay{2024, 2, 29}.isValid()));
    EXPECT_FALSE((CalendarDay{2025, 2, 29}.isValid()));
    EXPECT_FALSE((CalendarDay{2100, 2, 29}.isValid()));
    EXPECT_TRUE((CalendarDay{2000, 2, 29}.isValid()));
    EXPECT_FALSE((CalendarDay{2025, 4, 31}.isValid()));
    EXPECT_FALSE((CalendarDay{2025, 13, 1}.isValid()));
    EXPECT_FALSE((CalendarDay{2025, 0, 1}.isValid()));
}

// ---- In the statistics file -----------------------------------------------------------

// A record of every kind of round: right, wrong and skipped, both systems.
CountingRecord everyKindOfRound() {
    CountingRecord record;
    record.add(round(CountingDrill::CheckRunning, -30, -30, 2100, May1));
    record.add(round(CountingDrill::CheckTrue, 12, 19, 3400, May1));
    record.add(round(CountingDrill::CheckDecks, std::nullopt, 26, 800, May1));
    record.add(
        GradedRound(May2, CountingSystem::HiOpt2, CountingDrill::DrillRunning, 25, 40, 60, 1500));
    record.add(round(CountingDrill::DrillTrue, -7, -3, 5000, May9));
    record.add(round(CountingDrill::DrillDecks, 35, 39, 2500, May9));
    return record;
}

TableStatistics withRecord(const CountingRecord& record) {
    TableStatistics statistics;
    statistics.counting() = record;
    return statistics;
}

TEST(CountingInTheStatisticsFile, IsWrittenAndReadBackRoundByRound) {
    const TableStatistics saved = withRecord(everyKindOfRound());
    const std::string text = StatisticsText(saved);
    EXPECT_NE(text.find("\nDealmoor counting 1\n"
                        "round 2025-05-01 I check-running - -3 -3 2100 right\n"
                        "round 2025-05-01 I check-true - 1.2 1.9 3400 wrong\n"
                        "round 2025-05-01 I check-decks - - 2.6 800 skipped\n"
                        "round 2025-05-02 II drill-running 2.5 4 6 1500 wrong\n"
                        "round 2025-05-09 I drill-true - -0.7 -0.3 5000 right\n"
                        "round 2025-05-09 I drill-decks - 3.5 3.9 2500 right\n"
                        "end\n"),
              std::string::npos)
        << text;
    TableStatistics read;
    ASSERT_TRUE(ReadStatisticsText(text, read)) << text;
    EXPECT_EQ(read.counting(), saved.counting());
    EXPECT_EQ(StatisticsText(read), text);
}

TEST(CountingInTheStatisticsFile, AFileWithoutRoundsIsWrittenAsBefore) {
    const std::string text = StatisticsText(TableStatistics{});
    EXPECT_EQ(text.find("counting"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "end\n");
    EXPECT_EQ(text.find("end\n"), text.size() - 4) << "one section, one end";
}

// A damaged record, of whatever kind, starts afresh and leaves the table's figures as read.
TEST(CountingInTheStatisticsFile, ADamagedRecordStartsAfresh) {
    TableStatistics saved = withRecord(everyKindOfRound());
    SeatTally tally;
    tally.Deals = 3;
    tally.Hands = 3;
    tally.Won = 2;
    std::array<SeatStatistics, MaxSeats + 1> seats{};
    seats[1].SinceReset = tally;
    saved.restore(seats, 0);
    saved.counting() = everyKindOfRound();
    const std::string good = StatisticsText(saved);
    // What each damage is, and the file it leaves.
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"no end line", good.substr(0, good.size() - 4)},
        {"a later version", test::ReplacedOnce(good, "counting 1", "counting 2")},
        {"a day that is not",
         test::ReplacedOnce(good, "2025-05-09 I drill-true", "2025-02-30 I drill-true")},
        {"an unknown system",
         test::ReplacedOnce(good, "2025-05-01 I check-true", "2025-05-01 III check-true")},
        {"an unknown drill", test::ReplacedOnce(good, "check-decks", "check-deck")},
        {"a verdict the answer does not earn",
         test::ReplacedOnce(good, "1.9 3400 wrong", "1.9 3400 right")},
        {"a skip with an answer",
         test::ReplacedOnce(good, "- - 2.6 800 skipped", "- 2.6 2.6 800 skipped")},
        {"a pace on a check", test::ReplacedOnce(good, "I check-running -", "I check-running 2.0")},
        {"no pace on the running drill",
         test::ReplacedOnce(good, "drill-running 2.5", "drill-running -")},
        {"a pace beyond ten a second",
         test::ReplacedOnce(good, "drill-running 2.5", "drill-running 12.0")},
        {"a running count with a decimal",
         test::ReplacedOnce(good, "- -3 -3 2100", "- -3.0 -3 2100")},
        {"a true count without one", test::ReplacedOnce(good, "- 1.2 1.9", "- 1 1.9")},
        {"a time of more than a day", test::ReplacedOnce(good, "2100 right", "99999999 right")},
        {"a missing word", test::ReplacedOnce(good, " 800 skipped", " skipped")},
        {"a line that is no round", test::ReplacedOnce(good, "round 2025-05-09 I drill-decks",
                                                       "rund 2025-05-09 "
                                                       "I drill-decks")},
        {"a line after its end", good + "round 2025-05-01 I check-running - 1 1 1 right\n"},
    };
    for (const auto& [what, text] : damaged) {
        TableStatistics read;
        ASSERT_TRUE(ReadStatisticsText(text, read)) << what << ": the table's figures read";
        EXPECT_EQ(read.seat(1).SinceReset, tally) << what;
        EXPECT_TRUE(read.counting().empty()) << what << ": the record starts afresh";

        test::TempFolder folder;
        const std::string path = folder.file(StatisticsFileName);
        test::writeBytes(path, text);
        TableStatistics loaded;
        EXPECT_EQ(LoadStatistics(path, loaded), StatisticsLoad::Loaded) << what;
        EXPECT_TRUE(loaded.counting().empty()) << what;
        EXPECT_EQ(loaded.seat(1).SinceReset, tally) << what;
    }
}

// Every single damaged byte of the record is read safely: the table's figures
// stay, and the record is either refused or read as rounds that write back as
// they were read.
TEST(CountingInTheStatisticsFile, NoDamageIsReadUnsafely) {
    const std::string good = StatisticsText(withRecord(everyKindOfRound()));
    const std::size_t record = good.find("Dealmoor counting 1");
    ASSERT_NE(record, std::string::npos);
    for (std::size_t at = record; at < good.size(); ++at) {
        for (const char byte : {'\0', '9', '-', '\n'}) {
            std::string text = good;
            text[at] = byte;
            TableStatistics statistics;
            if (!ReadStatisticsText(text, statistics))
                continue; // the record's header itself was hit
            TableStatistics again;
            ASSERT_TRUE(ReadStatisticsText(StatisticsText(statistics), again));
            EXPECT_EQ(again.counting(), statistics.counting());
        }
    }
}

TEST(CountingInTheStatisticsFile, SurvivesTheTablesResetButNotItsOwn) {
    TableStatistics statistics = withRecord(everyKindOfRound());
    statistics.reset();
    EXPECT_EQ(statistics.counting(), everyKindOfRound());
    statistics.startNewGame();
    EXPECT_FALSE(statistics.counting().empty());
    statistics.counting().clear();
    EXPECT_TRUE(statistics.counting().empty());
}

} // namespace
} // namespace dealmoor
