#include "setup/DataFolder.h"
#include "app/Session.h"
#include "platform/Folders.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace dealmoor {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;

class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest() {
        std::filesystem::create_directories(dir / "prog");
        settings.ProgramDir = dir / "prog/";
    }
    std::string fallback() const { return dir / "data/ORVANEL/DMOOR/"; }

    TempFolder dir;
    ScopedEnv home{"HOME", dir / "home"};
    ScopedEnv data{"XDG_DATA_HOME", dir / "data"};
    TableSettings settings;
};

TEST_F(DataFolderTest, PlentyOfSpaceKeepsCardsInTheProgramFolder) {
    EXPECT_FALSE(ChooseDataDir(settings, 10001));
    EXPECT_EQ(settings.DataDir, dir / "prog/");
    EXPECT_FALSE(std::filesystem::exists(dir / "data")) << "no folder is created";
}

TEST_F(DataFolderTest, AFullMediumUsesTheFallbackFolderCreatedOnce) {
    for (const int64_t freeBytes : {int64_t{10000}, int64_t{0}, int64_t{-1}}) {
        SCOPED_TRACE(freeBytes);
        std::filesystem::remove_all(dir / "data");
        EXPECT_TRUE(ChooseDataDir(settings, freeBytes)) << "created now: copy the shipped cards";
        EXPECT_EQ(settings.DataDir, fallback());
        EXPECT_TRUE(std::filesystem::is_directory(fallback()));
        EXPECT_FALSE(ChooseDataDir(settings, freeBytes)) << "already there: copy nothing";
        EXPECT_EQ(settings.DataDir, fallback());
    }
}

TEST_F(DataFolderTest, AProgramFolderThatCannotBeWrittenCountsAsFull) {
    EXPECT_FALSE(ChooseDataDir(settings));
    EXPECT_EQ(settings.DataDir, dir / "prog/");

    settings.ProgramDir = dir / "no such folder/";
    EXPECT_TRUE(ChooseDataDir(settings));
    EXPECT_EQ(settings.DataDir, fallback());

    // A read-only program folder, as an ordinary user finds an installed one.
    testing::AsUnprivilegedUser([] {
        TempFolder own;
        std::filesystem::create_directories(own / "prog");
        const ScopedEnv ownData{"XDG_DATA_HOME", own / "data"};
        TableSettings readOnly;
        readOnly.ProgramDir = own / "prog/";
        ::chmod((own / "prog").c_str(), 0555);
        EXPECT_TRUE(ChooseDataDir(readOnly));
        EXPECT_EQ(readOnly.DataDir, own / "data/ORVANEL/DMOOR/");
    });
}

TEST(InstalledProgramDir, IsTheSharedFolderOfAnyPrefix) {
    const struct {
        const char* dir;
        bool installed;
    } cases[] = {
        {"/usr/share/dealmoor/", true},
        {"/usr/local/bin/../share/dealmoor/", true},
        {"/home/me/.local/share/dealmoor/", true},
        {"/opt/games/share/dealmoor", true},
        {"/home/me/dealmoor/build/release/bin/", false},
        {"/usr/share/dealmoor/help/", false},
        {"/usr/share/dealmoor-extra/", false},
        {"/home/me/share/games/dealmoor/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInstalledProgramDir(c.dir), c.installed) << c.dir;
    }
}

// Run by root (as a package's programs may be), an installed copy could write
// into its shared folder; its cards still go to the per-user folder.
TEST_F(DataFolderTest, AnInstalledCopyKeepsItsCardsPerUserEvenWhereItCouldWrite) {
    std::filesystem::create_directories(dir / "usr/share/dealmoor");
    settings.ProgramDir = dir / "usr/share/dealmoor/";
    ASSERT_TRUE(IsWritableDir(settings.ProgramDir));
    EXPECT_TRUE(ChooseDataDir(settings, 1'000'000));
    EXPECT_EQ(settings.DataDir, fallback());
    EXPECT_FALSE(ProgramDirTakesCards(settings));
}

TEST_F(DataFolderTest, AnInstalledCopyStartsWithoutWritingIntoItsSharedFolder) {
    const std::string shared = dir / "usr/share/dealmoor/";
    std::filesystem::create_directories(shared);
    std::filesystem::create_directories(dir / "config");
    {
        Session session(shared, dir / "config/");
        session.Start();
        EXPECT_EQ(session.settings().DataDir, fallback());
    }
    EXPECT_TRUE(std::filesystem::is_empty(shared)) << "the package's folder is left as it was";
    // The seats' default cards are made where the player's cards are kept.
    for (const char* card : {"cplayer1.stc", "cplayer2.stc", "cplayer6.stc"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(fallback() + card)) << card;
    }
}

} // namespace
} // namespace dealmoor
