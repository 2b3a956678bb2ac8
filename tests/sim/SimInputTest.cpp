// The simulator handed files that are no shoe or settings file: each is refused
// by name with status 2 before a deal is played, at once, and without reading
// more of it than a shoe file may hold.

#include "sim/InputFile.h"
#include "tests/sim/SimProcess.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace dealmoor::testing {
namespace {

constexpr int ExitBadInput = 2;
// Generous for a refusal that should take milliseconds, short enough that a
// simulator waiting on a pipe fails the test instead of hanging the suite.
constexpr int RefusalSeconds = 60;
constexpr int RefusalMemoryMiB = 512;

std::string makeFolder(const SimSandbox& sandbox) {
    std::string path = sandbox.dir() / "a-folder";
    ::mkdir(path.c_str(), 0755);
    return path;
}

std::string makeFifo(const SimSandbox& sandbox) {
    std::string path = sandbox.dir() / "a-pipe";
    ::mkfifo(path.c_str(), 0644);
    return path;
}

std::string missing(const SimSandbox& sandbox) {
    return sandbox.dir() / "no-such-file.txt";
}

std::string devZero(const SimSandbox&) {
    return "/dev/zero";
}

// Valid cards, padded with comment lines to `bytes` bytes in all.
std::string shoeOfSize(const SimSandbox& sandbox, std::size_t bytes) {
    std::string text = "A\n9\nK\n7\n";
    const std::string comment = "# padding padding padding padding padding padding padding\n";
    while (text.size() + comment.size() <= bytes) {
        text += comment;
    }
    text += "#" + std::string(bytes - text.size() - 2, '-') + "\n";
    return sandbox.writeShoe(text);
}

std::string shoeOverCap(const SimSandbox& sandbox) {
    return shoeOfSize(sandbox, sim::ShoeFileMaxBytes + 1);
}

struct HostileCase {
    const char* name;
    const char* option;
    std::function<std::string(const SimSandbox&)> file;
    const char* says; // the message after "dealmoor-sim: FILE: "
};

const std::vector<HostileCase> HostileCases = {
    {"ShoeIsAFolder", "--shoe", makeFolder, "the shoe file is a folder, not a file"},
    {"ShoeIsDevZero", "--shoe", devZero,
     "the shoe file is not a regular file (a device, a pipe or a socket)"},
    {"ShoeIsAPipe", "--shoe", makeFifo,
     "the shoe file is not a regular file (a device, a pipe or a socket)"},
    {"ShoeIsMissing", "--shoe", missing, "no such shoe file"},
    {"ShoeIsOverOneMiB", "--shoe", shoeOverCap,
     "the shoe file is larger than 1048576 bytes (1 MiB)"},
    {"SettingsIsAFolder", "--settings", makeFolder, "the settings file is a folder, not a file"},
    {"SettingsIsDevZero", "--settings", devZero,
     "the settings file is not a regular file (a device, a pipe or a socket)"},
    {"SettingsIsAPipe", "--settings", makeFifo,
     "the settings file is not a regular file (a device, a pipe or a socket)"},
    {"SettingsIsMissing", "--settings", missing, "no such settings file"},
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

class HostileFile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, IsRefusedByNameBeforeAnyDeal) {
    const HostileCase& c = GetParam();
    SimSandbox sandbox;
    const std::string file = c.file(sandbox);
    std::vector<std::string> args = {"--deals", "1", "--seed", "5", c.option, file};
    if (std::string(c.option) != "--settings") {
        args.insert(args.end(), {"--settings", sandbox.writeSettings()});
    }
    const SimOutput result = sandbox.runLimited(args, RefusalSeconds, RefusalMemoryMiB);
    EXPECT_EQ(result.exitCode, ExitBadInput) << result.err;
    EXPECT_EQ(result.err, "dealmoor-sim: " + file + ": " + c.says + "\n");
    EXPECT_EQ(result.out, "") << "nothing is played or reported for a refused file";
}

INSTANTIATE_TEST_SUITE_P(Sim, HostileFile, ::testing::ValuesIn(HostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShoeFileSize, AFileOfExactlyOneMiBIsPlayed) {
    SimSandbox sandbox;
    const std::string shoe = shoeOfSize(sandbox, sim::ShoeFileMaxBytes);
    const SimOutput result =
        sandbox.runLimited({"--deals", "1", "--seed", "5", "--settings", sandbox.writeSettings(),
                            "--shoe", shoe, "--credits"},
                           RefusalSeconds, RefusalMemoryMiB);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.hasLine("deal 1 credits 1015.00")) << result.out;
}

// A shoe deals every card but the burnt first one: a file with more rigged
// cards is refused at the line of the first card that does not fit.
struct TooManyCase {
    int shoeCards;
    int rigged;
    const char* says;
};

const std::vector<TooManyCase> TooManyCases = {
    {52, 52,
     "shoe.txt:52: card 52 of the file does not fit: a shoe of 52 cards burns its first card "
     "and deals at most 51 rigged cards"},
    {100, 100,
     "shoe.txt:100: card 100 of the file does not fit: a shoe of 100 cards burns its first card "
     "and deals at most 99 rigged cards"},
    {416, 416,
     "shoe.txt:416: card 416 of the file does not fit: a shoe of 416 cards burns its first card "
     "and deals at most 415 rigged cards"},
    // Reading stops at the first card too many, however long the file.
    {52, 100000,
     "shoe.txt:52: card 52 of the file does not fit: a shoe of 52 cards burns its first card "
     "and deals at most 51 rigged cards"},
};

TEST(RiggedShoe, RefusesMoreCardsThanTheShoeDeals) {
    for (const TooManyCase& c : TooManyCases) {
        SCOPED_TRACE(std::to_string(c.rigged) + " cards in a shoe of " +
                     std::to_string(c.shoeCards));
        SimSandbox sandbox;
        const std::string settings =
            sandbox.writeSettings({{"GameRules.Cards", std::to_string(c.shoeCards)}});
        std::string cards;
        for (int k = 0; k < c.rigged; ++k) {
            cards += std::to_string(k % 52 + 1) + "\n";
        }
        const SimOutput result = sandbox.runLimited({"--deals", "1", "--seed", "5", "--settings",
                                                     settings, "--shoe", sandbox.writeShoe(cards)},
                                                    RefusalSeconds, RefusalMemoryMiB);
        EXPECT_EQ(result.exitCode, ExitBadInput);
        EXPECT_EQ(result.err, "dealmoor-sim: " + sandbox.dir().path() + c.says + "\n");
        EXPECT_EQ(result.out, "");
    }
}

// A file whose size says less than it holds, as the kernel's own files do:
// the cap still holds while reading.
TEST(InputFile, StopsAtTheCapWhenTheSizeUnderstatesTheFile) {
    struct stat info {};
    ASSERT_EQ(::stat("/proc/self/maps", &info), 0);
    ASSERT_EQ(info.st_size, 0) << "the kernel reports no size for its own files";
    const sim::InputFileResult small = sim::ReadInputFile("/proc/self/maps", "shoe file", 64);
    EXPECT_EQ(small.error, "/proc/self/maps: the shoe file is larger than 64 bytes");
    EXPECT_EQ(small.text, "");
    const sim::InputFileResult whole =
        sim::ReadInputFile("/proc/self/maps", "shoe file", sim::ShoeFileMaxBytes);
    EXPECT_EQ(whole.error, "");
    EXPECT_GT(whole.text.size(), 64u);
}

} // namespace
} // namespace dealmoor::testing
