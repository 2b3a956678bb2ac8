// When the table checks the player's count: never with practice off, after
// every shuffle, every N deals, or about one deal in N at random.

#include "setup/CountPractice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

namespace dealmoor {
namespace {

// Which of `deals` deals (1-based) a check follows; `shuffles` lists the deals
// whose end shuffled the shoe.
std::string checkedDeals(const CountPractice& practice, int deals,
                         std::initializer_list<int> shuffles = {}) {
    CheckSchedule schedule;
    RandomSource random{12345, SeedSource::Kept, false};
    std::string checked;
    for (int deal = 1; deal <= deals; ++deal) {
        const bool shuffled = std::find(shuffles.begin(), shuffles.end(), deal) != shuffles.end();
        if (schedule.dealEnded(practice, shuffled, random))
            checked += std::to_string(deal) + " ";
    }
    return checked;
}

CountPractice practising(CheckFrequency checks, int every = 5) {
    CountPractice practice;
    practice.On = true;
    practice.Checks = checks;
    practice.CheckDeals = every;
    return practice;
}

TEST(CheckSchedule, FollowsTheFrequencyChosen) {
    EXPECT_EQ(checkedDeals(practising(CheckFrequency::EveryDeals, 3), 10), "3 6 9 ");
    EXPECT_EQ(checkedDeals(practising(CheckFrequency::EveryDeals, 1), 3), "1 2 3 ");
    EXPECT_EQ(checkedDeals(practising(CheckFrequency::EveryShuffle), 10, {4, 9}), "4 9 ");
    EXPECT_EQ(checkedDeals(practising(CheckFrequency::Never), 10, {4}), "");

    CountPractice off = practising(CheckFrequency::EveryDeals, 1);
    off.On = false;
    EXPECT_EQ(checkedDeals(off, 10, {4}), "") << "no checks without practice";
}

TEST(CheckSchedule, AtRandomChecksAboutOneDealInN) {
    CheckSchedule schedule;
    RandomSource random{99, SeedSource::Kept, false};
    const CountPractice practice = practising(CheckFrequency::AtRandom, 10);
    int checks = 0;
    for (int deal = 0; deal < 10000; ++deal)
        checks += schedule.dealEnded(practice, false, random) ? 1 : 0;
    EXPECT_GT(checks, 850);
    EXPECT_LT(checks, 1150);
}

TEST(CheckSchedule, CountsAfreshWhenThePracticeChanges) {
    CheckSchedule schedule;
    RandomSource random{1, SeedSource::Kept, false};
    const CountPractice practice = practising(CheckFrequency::EveryDeals, 3);
    EXPECT_FALSE(schedule.dealEnded(practice, false, random));
    EXPECT_FALSE(schedule.dealEnded(practice, false, random));
    schedule.restart();
    EXPECT_FALSE(schedule.dealEnded(practice, false, random));
    EXPECT_FALSE(schedule.dealEnded(practice, false, random));
    EXPECT_TRUE(schedule.dealEnded(practice, false, random));
}

TEST(CountsHidden, OnlyWhilePractising) {
    CountPractice practice;
    practice.HideCounts = true;
    EXPECT_FALSE(CountsHidden(practice));
    practice.On = true;
    EXPECT_TRUE(CountsHidden(practice));
    practice.HideCounts = false;
    EXPECT_FALSE(CountsHidden(practice));
}

} // namespace
} // namespace dealmoor
