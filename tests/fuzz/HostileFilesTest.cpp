// Readers of the settings file and of strategy cards handed something that is
// no file: a folder, a pipe no one writes to, an endless device, or nothing.
// Each reads as a missing file, at once.

#include "platform/ProfileFile.h"
#include "strategy/StrategyFile.h"
#include "tests/platform/TempFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace dealmoor::testing {
namespace {

// A reader that waits on a pipe ends the test run with SIGALRM instead of
// hanging it.
class Watchdog {
public:
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;
};

constexpr unsigned WatchdogSeconds = 60;

struct NotAFile {
    const char* name;
    std::function<std::string(const TempFolder&)> make;
};

const std::vector<NotAFile> NotFiles = {
    {"folder",
     [](const TempFolder& dir) {
         ::mkdir((dir / "thing").c_str(), 0755);
         return dir / "thing";
     }},
    {"pipe",
     [](const TempFolder& dir) {
         ::mkfifo((dir / "thing").c_str(), 0644);
         return dir / "thing";
     }},
    {"endless device", [](const TempFolder&) { return std::string("/dev/zero"); }},
    {"nothing", [](const TempFolder& dir) { return dir / "thing"; }},
};

TEST(HostileFiles, SettingsFileThatIsNoFileReadsAsMissing) {
    for (const NotAFile& c : NotFiles) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string path = c.make(dir);
        const Watchdog watchdog(WatchdogSeconds);
        const ProfileFile file(path);
        EXPECT_FALSE(file.existed());
        EXPECT_EQ(file.getString("GameSettings", "Players", "none"), "none");
        EXPECT_EQ(file.getInt("GameSettings", "Speed", 7), 7);
    }
}

TEST(HostileFiles, CardFileThatIsNoFileIsRejectedAndLeavesTheCard) {
    for (const NotAFile& c : NotFiles) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::string path = c.make(dir);
        StrategyCard card;
        FillDefaultTable(card);
        card.setTitle("Kept");
        const StrategyCard before = card;
        const Watchdog watchdog(WatchdogSeconds);
        EXPECT_FALSE(ReadCardFile(path, card));
        EXPECT_EQ(std::memcmp(&card, &before, sizeof card), 0);
    }
}

// A symbolic link to a card is the card.
TEST(HostileFiles, LinkToACardReadsTheCard) {
    TempFolder dir;
    StrategyCard card;
    FillDefaultTable(card);
    card.setTitle("Linked");
    ASSERT_TRUE(WriteCardFile(dir / "real.stc", card));
    ASSERT_EQ(::symlink((dir / "real.stc").c_str(), (dir / "link.stc").c_str()), 0);
    StrategyCard read;
    ASSERT_TRUE(ReadCardFile(dir / "link.stc", read));
    EXPECT_EQ(read.titleText(), "Linked");
}

} // namespace
} // namespace dealmoor::testing
