#pragma once
// The player's record at the count school: every count check at the table and
// every drill round, with its day, system, drill, pace, answer, right value
// and the time the answer took, and the figures worked out from them (per
// drill, and per drill and day for the progress chart). It travels with the
// table's statistics and is kept in the same file.

#include "strategy/CountDrill.h"

#include <array>
#include <compare>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace dealmoor {

// Where a round was played: the three questions of a count check at the
// table, and the three drills of the Count Drill window.
enum class CountingDrill : uint8_t {
    CheckRunning,
    CheckTrue,
    CheckDecks,
    DrillRunning,
    DrillTrue,
    DrillDecks,
};
inline constexpr std::array<CountingDrill, 6> CountingDrills{
    CountingDrill::CheckRunning, CountingDrill::CheckTrue, CountingDrill::CheckDecks,
    CountingDrill::DrillRunning, CountingDrill::DrillTrue, CountingDrill::DrillDecks};

// What a round of that kind asks.
CountQuestion QuestionOf(CountingDrill drill);
// Whether its rounds are played at a pace (the running count drill's cards a second).
bool HasPace(CountingDrill drill);

// A day of the calendar, where the player is.
struct CalendarDay {
    int Year = 2000;
    int Month = 1;
    int Day = 1;

    bool isValid() const;
    auto operator<=>(const CalendarDay&) const = default;
};

enum class Verdict : uint8_t { Right, Wrong, Skipped };

struct CountingRound {
    CalendarDay Date;
    CountingSystem System = CountingSystem::HiOpt1;
    CountingDrill Drill = CountingDrill::CheckRunning;
    Tenths Pace = 0;              // cards a second, for the running count drill; 0 otherwise
    std::optional<Tenths> Answer; // none when the question was skipped
    Tenths RightValue = 0;
    int64_t Milliseconds = 0; // from the question to the answer (or the skip)
    dealmoor::Verdict Verdict = dealmoor::Verdict::Skipped;

    // How far the answer was off; 0 when skipped.
    Tenths error() const;
    bool operator==(const CountingRound&) const = default;
};

// A round graded: right when the answer lies within the question's tolerance,
// skipped when there is no answer.
CountingRound GradedRound(CalendarDay date, CountingSystem system, CountingDrill drill, Tenths pace,
                          std::optional<Tenths> answer, Tenths right, int64_t milliseconds);

// Figures over a set of rounds. Skipped rounds count as rounds, never as wrong
// ones: accuracy, errors and times are those of the answered rounds.
struct CountingFigures {
    int64_t Rounds = 0;
    int64_t Right = 0;
    int64_t Wrong = 0;
    int64_t Skipped = 0;
    int64_t ErrorTenths = 0;  // the answered rounds' errors, added up
    int64_t Milliseconds = 0; // the answered rounds' times, added up
    Tenths BestCleanPace = 0; // the fastest pace of a right round; 0 when none

    void add(const CountingRound& round);
    int64_t answered() const { return Right + Wrong; }
    // Shares and means of the answered rounds; 0 when none was answered.
    double accuracy() const;
    double meanError() const; // in points (running count, true count) or decks
    double meanSeconds() const;
    bool operator==(const CountingFigures&) const = default;
};

struct DayFigures {
    CalendarDay Date;
    CountingFigures Figures;
};

// The record keeps this many rounds, the oldest giving way to newer ones.
inline constexpr std::size_t CountingRoundsKept = 20000;

class CountingRecord {
public:
    const std::deque<CountingRound>& rounds() const { return rounds_; }
    bool empty() const { return rounds_.empty(); }

    void add(const CountingRound& round);
    // Everything starts again (the Counting tab's Reset, or a damaged record).
    void clear() { rounds_.clear(); }

    CountingFigures figures(CountingDrill drill) const;
    // One entry per day that has rounds of the drill, oldest first.
    std::vector<DayFigures> byDay(CountingDrill drill) const;

    bool operator==(const CountingRecord&) const = default;

private:
    std::deque<CountingRound> rounds_; // oldest first
};

} // namespace dealmoor
