#include "strategy/CountingRecord.h"

#include <algorithm>
#include <cstdlib>

namespace dealmoor {

namespace {

constexpr int MonthsPerYear = 12;
constexpr int FirstYear = 1900;
constexpr int LastYear = 9999;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr std::array<int, MonthsPerYear> Days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : Days[static_cast<std::size_t>(month - 1)];
}

double share(int64_t part, int64_t whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

} // namespace

CountQuestion QuestionOf(CountingDrill drill) {
    switch (drill) {
    case CountingDrill::CheckRunning:
    case CountingDrill::DrillRunning:
        return CountQuestion::RunningCount;
    case CountingDrill::CheckTrue:
    case CountingDrill::DrillTrue:
        return CountQuestion::TrueCount;
    case CountingDrill::CheckDecks:
    case CountingDrill::DrillDecks:
        break;
    }
    return CountQuestion::DecksLeft;
}

bool HasPace(CountingDrill drill) {
    return drill == CountingDrill::DrillRunning;
}

bool CalendarDay::isValid() const {
    return Year >= FirstYear && Year <= LastYear && Month >= 1 && Month <= MonthsPerYear &&
           Day >= 1 && Day <= daysInMonth(Year, Month);
}

Tenths CountingRound::error() const {
    return Answer ? std::abs(*Answer - RightValue) : 0;
}

CountingRound GradedRound(CalendarDay date, CountingSystem system, CountingDrill drill, Tenths pace,
                          std::optional<Tenths> answer, Tenths right, int64_t milliseconds) {
    CountingRound round;
    round.Date = date;
    round.System = system;
    round.Drill = drill;
    round.Pace = HasPace(drill) ? pace : 0;
    round.Answer = answer;
    round.RightValue = right;
    round.Milliseconds = milliseconds < 0 ? 0 : milliseconds;
    if (!answer)
        round.Verdict = Verdict::Skipped;
    else
        round.Verdict =
            IsRightAnswer(QuestionOf(drill), *answer, right) ? Verdict::Right : Verdict::Wrong;
    return round;
}

void CountingFigures::add(const CountingRound& round) {
    ++Rounds;
    if (round.Verdict == Verdict::Skipped) {
        ++Skipped;
        return;
    }
    if (round.Verdict == Verdict::Right) {
        ++Right;
        BestCleanPace = std::max(BestCleanPace, round.Pace);
    } else {
        ++Wrong;
    }
    ErrorTenths += round.error();
    Milliseconds += round.Milliseconds;
}

double CountingFigures::accuracy() const {
    return share(Right, answered());
}

double CountingFigures::meanError() const {
    return share(ErrorTenths, answered()) / TenthsPerUnit;
}

double CountingFigures::meanSeconds() const {
    return share(Milliseconds, answered()) / 1000.0;
}

void CountingRecord::add(const CountingRound& round) {
    rounds_.push_back(round);
    while (rounds_.size() > CountingRoundsKept)
        rounds_.pop_front();
}

CountingFigures CountingRecord::figures(CountingDrill drill) const {
    CountingFigures figures;
    for (const CountingRound& round : rounds_) {
        if (round.Drill == drill)
            figures.add(round);
    }
    return figures;
}

std::vector<DayFigures> CountingRecord::byDay(CountingDrill drill) const {
    std::vector<DayFigures> days;
    for (const CountingRound& round : rounds_) {
        if (round.Drill != drill)
            continue;
        // Rounds come in the order they were played; a clock set back starts a day
        // again, and the days are put in order below.
        auto day = std::find_if(days.rbegin(), days.rend(),
                                [&](const DayFigures& d) { return d.Date == round.Date; });
        if (day == days.rend()) {
            days.push_back({round.Date, {}});
            days.back().Figures.add(round);
        } else {
            day->Figures.add(round);
        }
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const DayFigures& a, const DayFigures& b) { return a.Date < b.Date; });
    return days;
}

} // namespace dealmoor
