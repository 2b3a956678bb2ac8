#include "platform/FileLookup.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using testing::TempFolder;
using testing::WriteFile;

class FileLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"cplayer1.stc", "CPLAYER2.STC", "Mixed.Stc", "notes.txt"}) {
            WriteFile(dir / name, "x");
        }
        std::filesystem::create_directory(dir / "folder.stc"); // a folder is never a card
    }
    TempFolder dir;
};

TEST_F(FileLookupTest, FindsAFileWhateverTheCaseOfItsName) {
    EXPECT_EQ(FindFileNoCase(dir.path(), "CPLAYER1.stc"), dir / "cplayer1.stc");
    EXPECT_EQ(FindFileNoCase(dir.path(), "cplayer2.stc"), dir / "CPLAYER2.STC");
    EXPECT_EQ(FindFileNoCase(dir.path(), "mixed.STC"), dir / "Mixed.Stc");
    // Without the trailing "/" the path is still joined properly.
    std::string bare = dir.path();
    bare.pop_back();
    EXPECT_EQ(FindFileNoCase(bare, "NOTES.TXT"), dir / "notes.txt");
}

TEST_F(FileLookupTest, FindsNothingForMissingFilesFoldersAndMissingFolders) {
    EXPECT_EQ(FindFileNoCase(dir.path(), "cplayer3.stc"), "");
    EXPECT_EQ(FindFileNoCase(dir.path(), "FOLDER.STC"), "");
    EXPECT_EQ(FindFileNoCase(dir.path(), ""), "");
    EXPECT_EQ(FindFileNoCase(dir / "nowhere/", "cplayer1.stc"), "");
    EXPECT_TRUE(FindFilesWithExtensionNoCase(dir / "nowhere/", ".stc").empty());
}

TEST_F(FileLookupTest, PrefersTheExactCase) {
    WriteFile(dir / "CPLAYER1.stc", "y");
    EXPECT_EQ(FindFileNoCase(dir.path(), "CPLAYER1.stc"), dir / "CPLAYER1.stc");
    EXPECT_EQ(FindFileNoCase(dir.path(), "cplayer1.stc"), dir / "cplayer1.stc");
}

TEST_F(FileLookupTest, ListsFilesByExtensionSortedByName) {
    WriteFile(dir / ".stc", "no stem");
    WriteFile(dir / "stc", "no extension");
    EXPECT_EQ(FindFilesWithExtensionNoCase(dir.path(), ".stc"),
              (std::vector<std::string>{"CPLAYER2.STC", "Mixed.Stc", "cplayer1.stc"}));
    EXPECT_EQ(FindFilesWithExtensionNoCase(dir.path(), ".TXT"),
              (std::vector<std::string>{"notes.txt"}));
}

} // namespace
} // namespace dealmoor
