#include "platform/Folders.h"
#include "platform/Clock.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

TEST(Folders, ProgramDirIsTheFolderOfTheRunningProgram) {
    const std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(dir + "platform_tests"));
}

TEST(Folders, ProgramDirFindsTheShippedFilesOfABuildOrAnInstalledCopy) {
    // A fake layout: a build folder with the pictures beside the program, and an
    // installed prefix with them under share/dealmoor.
    const struct {
        const char* what;
        const char* program;
        std::vector<const char*> files;   // files to create
        std::vector<const char*> folders; // folders to create
        const char* expected;
    } cases[] = {
        {"build folder", "build/bin/dealmoor", {"build/bin/Cards.png"}, {}, "build/bin/"},
        {"installed",
         "usr/bin/dealmoor",
         {"usr/share/dealmoor/Cards.png"},
         {},
         "usr/share/dealmoor/"},
        {"installed, pictures not drawn yet",
         "opt/bin/dealmoor",
         {},
         {"opt/share/dealmoor"},
         "opt/share/dealmoor/"},
        {"pictures beside the program win",
         "both/bin/dealmoor",
         {"both/bin/Cards.png"},
         {"both/share/dealmoor"},
         "both/bin/"},
        {"nothing shipped anywhere", "bare/bin/dealmoor", {}, {}, "bare/bin/"},
        {"a file where the folder should be",
         "odd/bin/dealmoor",
         {"odd/share/dealmoor"},
         {},
         "odd/bin/"},
        {"a folder named like the card sheet",
         "dir/bin/dealmoor",
         {},
         {"dir/bin/Cards.png"},
         "dir/bin/"},
    };
    TempFolder root;
    for (const auto& c : cases) {
        for (const char* folder : c.folders) {
            std::filesystem::create_directories(root / folder);
        }
        for (const char* file : c.files) {
            std::filesystem::create_directories(std::filesystem::path(root / file).parent_path());
            testing::WriteFile(root / file, "x");
        }
        std::filesystem::create_directories(std::filesystem::path(root / c.program).parent_path());
        testing::WriteFile(root / c.program, "");
        EXPECT_EQ(ProgramDirOf(root / c.program), root / c.expected) << c.what;
    }
}

TEST(Folders, WindowsDirFollowsXdgConfigHomeAndIsCreated) {
    TempFolder home;
    ScopedEnv homeVar("HOME", home / "user");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", home / "config");
        EXPECT_EQ(WindowsDir(), home / "config/dealmoor/");
        EXPECT_TRUE(std::filesystem::is_directory(home / "config/dealmoor"));
    }
    for (const std::optional<std::string>& unusable :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("relative/config")}) {
        ScopedEnv xdg("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(WindowsDir(), home / "user/.config/dealmoor/");
    }
    EXPECT_TRUE(std::filesystem::is_directory(home / "user/.config/dealmoor"));
}

TEST(Folders, FallbackDataDirFollowsXdgDataHome) {
    TempFolder home;
    ScopedEnv homeVar("HOME", home / "user");
    {
        ScopedEnv xdg("XDG_DATA_HOME", home / "data/");
        EXPECT_EQ(FallbackDataDir(), home / "data/ORVANEL/DMOOR/");
    }
    ScopedEnv xdg("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(FallbackDataDir(), home / "user/.local/share/ORVANEL/DMOOR/");
    EXPECT_FALSE(std::filesystem::exists(home / "user")) << "only asking creates nothing";
}

TEST(Folders, FallbackDataDirReportsCreationOnlyTheFirstTime) {
    TempFolder home;
    ScopedEnv xdg("XDG_DATA_HOME", home / "deep/data");
    EXPECT_TRUE(CreateFallbackDataDir());
    EXPECT_TRUE(std::filesystem::is_directory(home / "deep/data/ORVANEL/DMOOR"));
    EXPECT_FALSE(CreateFallbackDataDir());

    // ORVANEL already there but not DMOOR: the last level is still created now.
    std::filesystem::remove(home / "deep/data/ORVANEL/DMOOR");
    EXPECT_TRUE(CreateFallbackDataDir());
}

TEST(Folders, FallbackDataDirFailsWhenALevelIsAFile) {
    TempFolder home;
    ScopedEnv xdg("XDG_DATA_HOME", home.path());
    testing::WriteFile(home / "ORVANEL", "not a folder");
    EXPECT_FALSE(CreateFallbackDataDir());
}

TEST(Folders, FreeSpaceCountsAProgramFolderWeCannotWriteAsFull) {
    testing::AsUnprivilegedUser([] {
        TempFolder dir;
        EXPECT_GT(CurrentDriveFreeBytes(dir.path()), 0);
        EXPECT_EQ(CurrentDriveFreeBytes(dir / "missing/"), 0);
        ::chmod(dir.path().c_str(), 0555);
        EXPECT_EQ(CurrentDriveFreeBytes(dir.path()), 0);
        EXPECT_FALSE(IsWritableDir(dir.path()));
    });
}

TEST(Clock, TicksNeverGoBackAndTheTimeOfDayIsInRange) {
    const uint64_t first = TickCountUs();
    const UtcTimeOfDay now = CurrentUtcTime();
    EXPECT_LE(first, TickCountUs());
    EXPECT_TRUE(now.hour >= 0 && now.hour < 24);
    EXPECT_TRUE(now.minute >= 0 && now.minute < 60);
    EXPECT_TRUE(now.second >= 0 && now.second < 60);
    EXPECT_TRUE(now.millisecond >= 0 && now.millisecond < 1000);
}

} // namespace
} // namespace dealmoor
