#include "StrategyTestSupport.h"

#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace dealmoor::test {

namespace fs = std::filesystem;

namespace {

std::string makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "dealmoor-strategy-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot create a temporary folder";
    }
    return pattern + "/";
}

// The whole test program runs with its own home and settings folders, so no
// test can reach the user's real settings or data.
class PrivateHome : public ::testing::Environment {
public:
    void SetUp() override {
        home_ = makeTempFolder();
        ::setenv("HOME", home_.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home_ + "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home_ + "data").c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }

private:
    std::string home_;
};

const auto* const privateHome = ::testing::AddGlobalTestEnvironment(new PrivateHome);

} // namespace

TempFolder::TempFolder() : dir_(makeTempFolder()) {}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::vector<std::string> TempFolder::fileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReplacedOnce(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

void putHand(Game& game, int slot, const std::vector<int>& ranks) {
    Hand& hand = game.Hands[slot];
    ClearHand(hand);
    for (int rank : ranks) {
        hand.Ranks[hand.CardCount] = rank;
        hand.CardIds[hand.CardCount] = rank;
        hand.Shown[hand.CardCount] = true;
        ++hand.CardCount;
    }
    ComputeTotal(hand);
}

Game tableFor(const std::vector<int>& ranks, int upRank, int cards) {
    Game game;
    ApplyStandardRules(game.HouseRules);
    game.HouseRules.Cards = cards;
    game.CurrentSeat = 1;
    Seat& seat = game.Seats[1];
    seat.Human = false;
    seat.Name = "Tester";
    seat.Credits = 100;
    seat.Bet = 10;
    putHand(game, 1, ranks);
    putHand(game, DealerSlot, {5, upRank});
    game.Hands[DealerSlot].Shown[0] = false;
    BuildDefaultCard(game, 1);
    return game;
}

} // namespace dealmoor::test
