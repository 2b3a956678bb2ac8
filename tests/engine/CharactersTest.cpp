#include "engine/Characters.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace dealmoor {
namespace {

void expectSameRecord(const Seat& a, const Seat& b) {
    EXPECT_EQ(a.Number, b.Number);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Human, b.Human);
    EXPECT_EQ(a.HasSplit, b.HasSplit);
    EXPECT_EQ(a.Credits, b.Credits);
    EXPECT_EQ(a.Borrowed, b.Borrowed);
    EXPECT_EQ(a.Bet, b.Bet);
    EXPECT_EQ(a.SplitBet, b.SplitBet);
    EXPECT_EQ(a.InsuranceBet, b.InsuranceBet);
    EXPECT_EQ(a.LastBet, b.LastBet);
    EXPECT_EQ(a.StrategyFile, b.StrategyFile);
    EXPECT_EQ(a.About, b.About);
}

TEST(Characters, EveryCharacterStartsAsAComputerPlayerWithEverythingBorrowed) {
    Game game;
    InitCharacters(game);
    for (int k = 1; k <= MaxCharacters; ++k) {
        const Seat& c = game.Characters[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(c.Number, k);
        EXPECT_EQ(c.Name, CharacterName(k));
        EXPECT_EQ(c.About, CharacterAbout(k));
        EXPECT_EQ(c.StrategyFile, "cplayer" + std::to_string(k));
        EXPECT_FALSE(c.Human);
        EXPECT_EQ(c.Credits, 5000.0);
        EXPECT_EQ(c.Borrowed, 5000.0);
        EXPECT_EQ(c.Bet, 0.0);
        EXPECT_EQ(c.InsuranceBet, 0.0);
        EXPECT_FALSE(c.Name.empty());
        EXPECT_LE(c.Name.size(), static_cast<size_t>(NameMax));
        EXPECT_LE(c.About.size(), static_cast<size_t>(AboutMax));
    }
}

TEST(Characters, SeatsStartWithCharactersOneTwoThreeSevenFiveEight) {
    Game game;
    game.Seats[4].Credits = 123; // whatever a seat held before is replaced whole
    InitCharacters(game);
    const std::array<int, MaxSeats + 1> seated = {0, 1, 2, 3, 7, 5, 8};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        SCOPED_TRACE(seat);
        expectSameRecord(game.Seats[seat], game.Characters[seated[seat]]);
    }
    EXPECT_EQ(game.Seats[4].StrategyFile, "cplayer7");
    EXPECT_EQ(game.Seats[5].StrategyFile, "cplayer5");
    EXPECT_EQ(game.Seats[6].StrategyFile, "cplayer8");
}

TEST(Characters, TextsAreTheCharactersOwn) {
    EXPECT_STREQ(CharacterName(5), "Eddie \"the Edge\"");
    EXPECT_EQ(std::strlen(CharacterName(5)), 16u);
    EXPECT_STREQ(CharacterAbout(1),
                 "An average player who bets near the table minimum.  Doesn't make "
                 "too many mistakes, but could more aggresive.");
    EXPECT_STREQ(CharacterAbout(2),
                 "A somewhat better than average player who makes moderate-sized bets.  He is not "
                 "very talkative and doesn't like being bothered by the other players.");
    EXPECT_STREQ(CharacterAbout(6), CharacterAbout(8));
    EXPECT_STREQ(CharacterAbout(6), "An average player who makes small to medium-sized wagers.");
    const std::array<const char*, MaxCharacters + 1> names = {
        "",      "Dan Deerfield",  "Sid Serious",  "Harvey Hangover", "Karen Kline",
        nullptr, "Sally Sullivan", "Odetta Opera", "Pat Peoples",     "Rodney Roberts"};
    for (int k = 1; k <= MaxCharacters; ++k) {
        if (names[k] != nullptr) {
            EXPECT_STREQ(CharacterName(k), names[k]);
        }
    }
    EXPECT_STREQ(CharacterName(0), "");
    EXPECT_STREQ(CharacterAbout(10), "");
}

} // namespace
} // namespace dealmoor
