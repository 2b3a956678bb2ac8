// The session's start-up and its saves: the start-up order decides what a first
// run writes and keeps, and a save is one atomic replacement of the whole file.

#include "app/Session.h"
#include "engine/Characters.h"
#include "engine/StrategyCard.h"
#include "strategy/StatisticsFile.h"
#include "strategy/StrategyFile.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace dealmoor {
namespace {

using testing::ReadFile;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteFile;

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        std::filesystem::create_directories(dir / "prog");
        std::filesystem::create_directories(dir / "config");
    }
    std::unique_ptr<Session> started() const {
        auto session = std::make_unique<Session>(dir / "prog/", dir / "config/");
        session->Start();
        return session;
    }
    std::string settingsFile() const { return dir / "config/DMOOR.INI"; }

    TempFolder dir;
    ScopedEnv home{"HOME", dir / "home"};
    ScopedEnv data{"XDG_DATA_HOME", dir / "data"};
};

TEST_F(SessionTest, AFirstRunSeatsTheTableAndMakesTheDefaultCards) {
    const auto session = started();
    const Game& game = session->game();
    EXPECT_EQ(game.HouseRules, HouseRules{});
    EXPECT_EQ(game.SeatCount, MaxSeats);
    EXPECT_EQ(game.Speed, Speed::Fast);
    EXPECT_EQ(game.TotalHands, 0);
    EXPECT_EQ(game.CurrentSeat, 1);
    EXPECT_EQ(game.Shoe.ShoePos, 1) << "a freshly shuffled shoe";
    EXPECT_EQ(game.Seats[1].Name, DefaultHumanName);
    EXPECT_TRUE(game.Seats[1].Human);
    EXPECT_EQ(session->settings().DataDir, dir / "prog/");

    // The cards are made before seat 1 is renamed: its card carries the
    // character's name, as the first run always wrote it.
    StrategyCard card;
    ASSERT_TRUE(ReadCardFile(dir / "prog/cplayer1.stc", card));
    EXPECT_EQ(card.titleText(), "Strategy Card -- Dan Deerfield");
    for (int number : {2, 3, 5, 7, 8}) {
        EXPECT_TRUE(std::filesystem::exists(dir / ("prog/" + DefaultCardFileName(number))))
            << number;
    }
}

TEST_F(SessionTest, WhatASessionSavesTheNextOneStartsWith) {
    const auto first = started();
    first->game().SeatCount = 3;
    first->game().Speed = Speed::Slow;
    first->game().Seats[2].Credits = 4321.5;
    first->game().HouseRules.LateSurrender = true;
    first->settings().Hints = false;
    ASSERT_TRUE(first->saveNow().ok);

    const auto next = started();
    EXPECT_EQ(next->game().SeatCount, 3);
    EXPECT_EQ(next->game().Speed, Speed::Slow);
    EXPECT_EQ(next->game().Seats[2].Credits, 4321.5);
    EXPECT_TRUE(next->game().HouseRules.LateSurrender);
    EXPECT_FALSE(next->settings().Hints);
    EXPECT_EQ(next->game().TotalHands, 0) << "the deal counter is never kept";
}

TEST_F(SessionTest, ASaveThatCannotBeCompletedLeavesTheWholeOldFile) {
    const auto session = started();
    ASSERT_TRUE(session->saveNow().ok);
    const std::string before = ReadFile(settingsFile());
    session->game().Seats[1].Credits = 1;
    session->game().HouseRules.Cards = 52;
    WriteResult result;
    {
        // Room for part of the file only: no section may land without the others.
        const testing::FileSizeLimit limit(before.size() / 2);
        result = session->saveNow();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unable to write to " + settingsFile());
    EXPECT_EQ(ReadFile(settingsFile()), before);
}

// A small memory file system mounted over a folder for the length of a test,
// when the tests may mount one (as root); otherwise nothing is mounted.
class SmallFileSystem {
public:
    SmallFileSystem(const std::string& folder, const char* size) : folder_(folder) {
        std::filesystem::create_directories(folder);
        const std::string options = std::string("size=") + size;
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return mounted_; }

private:
    std::string folder_;
    bool mounted_ = false;
};

TEST_F(SessionTest, ASaveOntoAFullDiskLeavesTheOldFileByteForByte) {
    SmallFileSystem disk(dir / "config", "16k");
    const auto session = started();
    ASSERT_TRUE(session->saveNow().ok);
    const std::string before = ReadFile(settingsFile());
    session->game().Seats[3].Credits = 123.45;
    WriteResult result;
    if (disk.mounted()) {
        // Every free block taken: the new file cannot be written beside the old one.
        std::ofstream filler(dir / "config/filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size())) {
        }
        result = session->saveNow();
    } else {
        // Where no file system can be mounted, a limit on file sizes fails the write.
        const testing::FileSizeLimit limit(before.size() / 2);
        result = session->saveNow();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ReadFile(settingsFile()), before);
    for (const auto& entry : std::filesystem::directory_iterator(dir / "config")) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "DMOOR.INI" || name == "filler") << "left behind: " << name;
    }
}

TEST_F(SessionTest, SavingDuringADealKeepsTheTableAsItWasBeforeIt) {
    const auto session = started();
    Game& game = session->game();
    // The deal has taken seat 2's stake and is under way.
    game.BeforeDeal.Credits = {0, 5000, 5000, 5000, 5000, 5000, 5000};
    game.BeforeDeal.Borrowed = game.BeforeDeal.Credits;
    game.BeforeDeal.TotalHands = 0;
    game.DealInProgress = true;
    game.TotalHands = 1;
    game.Seats[2].Credits = 4950;
    game.Seats[2].Bet = 50;
    game.Hands[2].CardCount = 2;

    session->saveSoon(); // in the background
    ASSERT_TRUE(session->saveNow().ok);
    const auto next = started();
    EXPECT_EQ(next->game().Seats[2].Credits, 5000) << "the stake is given back";
    EXPECT_EQ(game.Seats[2].Credits, 4950) << "the running deal itself is untouched";
    EXPECT_TRUE(game.DealInProgress);
}

TEST_F(SessionTest, TheBackgroundSaveWritesTheNewestTable) {
    auto session = started();
    for (int i = 1; i <= 50; ++i) {
        session->game().Seats[1].Credits = i;
        session->saveSoon();
    }
    session.reset(); // waits for the last write handed over
    const auto next = started();
    EXPECT_EQ(next->game().Seats[1].Credits, 50);
}

TEST_F(SessionTest, AnOlderBackgroundSaveNeverLandsOverANewerOne) {
    // The background writer may have taken the older table just before the
    // closing writes the newer one; whichever reaches the file last, the file
    // must end with the newer.
    for (int round = 1; round <= 50; ++round) {
        SCOPED_TRACE(round);
        {
            auto session = started();
            session->game().Seats[1].Credits = 1000 + round;
            session->saveSoon();
            session->game().Seats[1].Credits = 2000 + round;
            ASSERT_TRUE(session->saveNow().ok);
        } // waits for the background writer
        ASSERT_EQ(started()->game().Seats[1].Credits, 2000 + round);
    }
}

TEST_F(SessionTest, ASettingsFolderThatCannotKeepAnythingIsNamed) {
    EXPECT_FALSE(started()->SettingsProblem().has_value());

    std::filesystem::create_directories(settingsFile()); // DMOOR.INI is a folder
    const auto problem = started()->SettingsProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(*problem, settingsFile() + " is not a file");

    Session nowhere(dir / "prog/", dir / "no/such/folder/");
    ASSERT_TRUE(nowhere.SettingsProblem().has_value());
    EXPECT_NE(nowhere.SettingsProblem()->find(dir / "no/such/folder/"), std::string::npos);
}

// Figures that differ from fresh ones: seat 3 played seven deals.
void SeatThreePlayedSeven(TableStatistics& statistics) {
    std::array<SeatStatistics, MaxSeats + 1> seats{};
    seats[3].SinceGameBegan.Deals = 7;
    seats[3].SinceReset.Deals = 7;
    seats[3].Credits = {4990, 5010, 5000, 4995, 5005, 5015, 5020};
    statistics.restore(seats, 7);
}

TEST_F(SessionTest, AMissingOrDamagedStatisticsFileStartsTheFiguresAfresh) {
    const std::string path = dir / "config/DMOOR.STS";
    struct Case {
        const char* what;
        std::function<void()> lay;
        StatisticsLoad load;
    };
    const Case cases[] = {
        {"no file", [] {}, StatisticsLoad::Missing},
        {"not a statistics file", [&] { WriteFile(path, "[GameSettings]\nSpeed=1\n"); },
         StatisticsLoad::Damaged},
        {"cut short", [&] { WriteFile(path, "Dealmoor statistics 1\ngame-deals 3\ntally 1 ga"); },
         StatisticsLoad::Damaged},
        {"a folder", [&] { std::filesystem::create_directories(path); }, StatisticsLoad::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        c.lay();
        const auto session = started();
        EXPECT_EQ(session->statisticsLoad(), c.load);
        EXPECT_EQ(session->statistics().seats(), TableStatistics().seats());
        EXPECT_EQ(session->statistics().gameDeals(), 0);
        EXPECT_EQ(session->game().SeatCount, MaxSeats) << "the game starts as ever";
    }
}

TEST_F(SessionTest, StatisticsAreWrittenEveryFiftyDealsAndAtClosing) {
    const std::string path = dir / "config/DMOOR.STS";
    {
        auto session = started();
        SeatThreePlayedSeven(session->statistics());
        for (int deal = 1; deal < StatisticsSaveDeals; ++deal)
            session->dealPlayed();
    } // waits for any write handed over: there was none
    EXPECT_FALSE(std::filesystem::exists(path));
    {
        auto session = started();
        SeatThreePlayedSeven(session->statistics());
        for (int deal = 1; deal <= StatisticsSaveDeals; ++deal)
            session->dealPlayed();
    }
    {
        const auto session = started();
        EXPECT_EQ(session->statisticsLoad(), StatisticsLoad::Loaded);
        EXPECT_EQ(session->statistics().seat(3).SinceReset.Deals, 7);
        EXPECT_EQ(session->statistics().gameDeals(), 7);
        // A reset is kept at closing even when the background has not written it yet.
        session->saveStatisticsSoon();
        session->statistics().reset();
        EXPECT_TRUE(session->saveStatisticsNow());
    }
    const auto after = started();
    EXPECT_EQ(after->statistics().seat(3).SinceReset.Deals, 0);
}

} // namespace
} // namespace dealmoor
