#include "platform/ProfileFile.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

struct IntCase {
    const char* text;
    int expected;
};

TEST(ParseProfileInt, ReadsLikeTheClassicProfileCall) {
    constexpr int Def = -42;
    const std::vector<IntCase> cases = {
        {"12", 12},
        {"0", 0},
        {"-7", -7},
        {"12abc", 12},
        {"  5", 5},
        {"0x68", 104},
        {"0X1f", 31},
        {"-0x10", -16},
        {"0x", 0},
        {"0xZZ", 0},
        {"", Def},
        {"abc", Def},
        {"-", Def},
        {"x12", Def},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"0xFFFFFFFFFF", INT_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseProfileInt(c.text, Def), c.expected) << '"' << c.text << '"';
    }
}

TEST(ProfileFile, MissingFileReadsAsEmptyAndSaveCreatesIt) {
    TempFolder dir;
    ProfileFile file(dir / "new.ini");
    EXPECT_FALSE(file.existed());
    EXPECT_EQ(file.getInt("S", "k", 7), 7);
    EXPECT_EQ(file.getString("S", "k", "dflt"), "dflt");
    file.setString("S", "k", "v");
    ASSERT_TRUE(file.save());
    EXPECT_EQ(ReadFile(dir / "new.ini"), "[S]\nk=v\n");
}

TEST(ProfileFile, NamesCompareWithoutCaseAndTheFirstMatchWins) {
    TempFolder dir;
    WriteFile(dir / "a.ini", "[gamesettings]\nSPEED=3\nspeed=1\n Name = Eddie \"the Edge\" \n"
                             "[GAMESETTINGS]\nSpeed=2\n");
    ProfileFile file(dir / "a.ini");
    EXPECT_EQ(file.getInt("GameSettings", "Speed", 0), 3);
    EXPECT_EQ(file.getString("GAMESETTINGS", "name", ""), "Eddie \"the Edge\"");

    file.setString("GameSettings", "Speed", "0");
    ASSERT_TRUE(file.save());
    EXPECT_EQ(ReadFile(dir / "a.ini"),
              "[gamesettings]\nSpeed=0\nspeed=1\n Name = Eddie \"the Edge\" \n"
              "[GAMESETTINGS]\nSpeed=2\n");
}

TEST(ProfileFile, KeepsUntouchedLinesByteForByte) {
    TempFolder dir;
    const std::string original = "; written by hand\r\n"
                                 "[Other]\r\n"
                                 "  odd   =  spacing  \r\n"
                                 "stray text without equals\r\n"
                                 "\r\n"
                                 "[GameRules]\r\n"
                                 "Cards=0x68\r\n"
                                 "\r\n"
                                 "[Tail]\r\n"
                                 "last=1"; // no line break at the end
    WriteFile(dir / "a.ini", original);
    ProfileFile file(dir / "a.ini");
    EXPECT_EQ(file.getInt("GameRules", "Cards", 0), 104);
    EXPECT_EQ(file.getString("Other", "odd", ""), "spacing");
    EXPECT_EQ(file.getString("Tail", "last", ""), "1");

    file.setString("GameRules", "FaceUp", "1");  // new key: end of its section
    file.setString("Tail", "next", "2");         // new key after a line without a break
    file.setString("Brand New", "Key", "value"); // new section: end of the file
    ASSERT_TRUE(file.save());
    EXPECT_EQ(ReadFile(dir / "a.ini"), "; written by hand\r\n"
                                       "[Other]\r\n"
                                       "  odd   =  spacing  \r\n"
                                       "stray text without equals\r\n"
                                       "\r\n"
                                       "[GameRules]\r\n"
                                       "Cards=0x68\r\n"
                                       "FaceUp=1\r\n"
                                       "\r\n"
                                       "[Tail]\r\n"
                                       "last=1\r\n"
                                       "next=2\r\n"
                                       "\r\n"
                                       "[Brand New]\r\n"
                                       "Key=value\r\n");
}

TEST(ProfileFile, StringsAreCutTo1023Characters) {
    TempFolder dir;
    ProfileFile file(dir / "a.ini");
    file.setString("S", "long", std::string(2000, 'x'));
    ASSERT_TRUE(file.save());
    EXPECT_EQ(ProfileFile(dir / "a.ini").getString("S", "long", ""), std::string(1023, 'x'));
    EXPECT_EQ(ProfileFile(dir / "a.ini").getString("S", "none", std::string(1500, 'd')).size(),
              1023u);
}

TEST(ProfileFile, AValueCannotBreakIntoLinesOfItsOwn) {
    TempFolder dir;
    ProfileFile file(dir / "a.ini");
    file.setString("Player_1_Settings", "Name", "Bob\r\n[GameRules]\nCards=1");
    file.setString("Player_1_Settings", "Human", "1");
    ASSERT_TRUE(file.save());
    const ProfileFile back(dir / "a.ini");
    EXPECT_EQ(back.getInt("GameRules", "Cards", -1), -1);
    EXPECT_EQ(back.getString("Player_1_Settings", "Name", ""), "Bob  [GameRules] Cards=1");
    EXPECT_EQ(back.getInt("Player_1_Settings", "Human", 0), 1);
}

// After a failed save the old file is as it was and no temporary file is left.
void expectOnlyTheOldFile(const std::string& folder, const std::string& path,
                          const std::string& before) {
    EXPECT_EQ(ReadFile(path), before);
    std::error_code ec;
    int entries = 0;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "only the settings file itself may remain in " << folder;
}

TEST(ProfileFile, SaveFailsCleanlyWhenTheTargetIsAFolder) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "DMOOR.INI");
    ProfileFile file(dir / "DMOOR.INI");
    file.setString("S", "k", "v");
    EXPECT_FALSE(file.save());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "DMOOR.INI"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(ProfileFile, SaveThatCannotWriteLeavesTheOldFile) {
    TempFolder dir;
    const std::string path = dir / "DMOOR.INI";
    WriteFile(path, "[S]\nk=old\n");
    ProfileFile file(path);
    file.setString("S", "k", std::string(1000, 'n'));
    bool wasSaved = true;
    {
        const testing::FileSizeLimit limit(512);
        wasSaved = file.save();
    }
    EXPECT_FALSE(wasSaved);
    expectOnlyTheOldFile(dir.path(), path, "[S]\nk=old\n");
}

TEST(ProfileFile, SaveFailsWhenTheFolderIsMissing) {
    TempFolder dir;
    ProfileFile file(dir / "gone/DMOOR.INI");
    file.setString("S", "k", "v");
    EXPECT_FALSE(file.save());
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
}

TEST(ProfileFile, SaveInAReadOnlyFolderLeavesTheOldFile) {
    testing::AsUnprivilegedUser([] {
        TempFolder dir;
        const std::string folder = dir / "ro";
        std::filesystem::create_directory(folder);
        const std::string path = folder + "/DMOOR.INI";
        WriteFile(path, "[S]\nk=old\n");
        ::chmod(folder.c_str(), 0555);
        ProfileFile file(path);
        file.setString("S", "k", "new");
        EXPECT_FALSE(file.save());
        expectOnlyTheOldFile(folder, path, "[S]\nk=old\n");
    });
}

TEST(ProfileFile, SaveKeepsTheFilePermissions) {
    TempFolder dir;
    const std::string path = dir / "a.ini";
    WriteFile(path, "[S]\nk=old\n");
    ::chmod(path.c_str(), 0640);
    ProfileFile file(path);
    file.setString("S", "k", "new");
    ASSERT_TRUE(file.save());
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ProfileFile, EachOpeningReadsWhatTheLastSaveWrote) {
    TempFolder dir;
    const std::string path = dir / "a.ini";
    for (const auto& [key, value] : {std::pair{"Speed", "2"}, std::pair{"Version", "1.3"}}) {
        ProfileFile file(path);
        file.setString("GameSettings", key, value);
        ASSERT_TRUE(file.save());
    }
    const ProfileFile file(path);
    EXPECT_EQ(file.getInt("gamesettings", "speed", 1), 2);
    EXPECT_EQ(file.getString("GameSettings", "Version", ""), "1.3");
    EXPECT_EQ(ReadFile(path), "[GameSettings]\nSpeed=2\nVersion=1.3\n");
}

} // namespace
} // namespace dealmoor
