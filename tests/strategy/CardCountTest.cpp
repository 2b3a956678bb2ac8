#include "strategy/CardCount.h"
#include "engine/Game.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace dealmoor {
namespace {

Game countedTable(int cards, int counted, int hiOpt1, int hiOpt2) {
    Game game;
    game.HouseRules.Cards = cards;
    game.CountedCards = counted;
    game.HiOpt1Count = hiOpt1;
    game.HiOpt2Count = hiOpt2;
    return game;
}

TEST(CardCountMessage, BeforeTheFirstDealShowsZeroes) {
    EXPECT_EQ(CardCountMessage(countedTable(208, 0, 0, 0)),
              "At the completion of the last hand, the card counts were as follows:\r\n\r\n"
              "Cards Dealt: 0 of 208\r\n\r\n"
              "Hi-Opt I System:\r\n"
              "    Running count:  0\r\n"
              "    True Count:       0.0  \r\n\r\n"
              "Hi-Opt II System:\r\n"
              "    Running count:  0\r\n"
              "    True Count:       0.0  \r\n\r\n");
}

TEST(CardCountMessage, SignsAndTrueCounts) {
    // Six decks, 105 taken: 207 cards are 3.98 decks left.
    EXPECT_EQ(CardCountMessage(countedTable(312, 105, 6, -4)),
              "At the completion of the last hand, the card counts were as follows:\r\n\r\n"
              "Cards Dealt: 105 of 312\r\n\r\n"
              "Hi-Opt I System:\r\n"
              "    Running count:  +6\r\n"
              "    True Count:       +1.5  \r\n\r\n"
              "Hi-Opt II System:\r\n"
              "    Running count:  -4\r\n"
              "    True Count:       -1.0 \r\n\r\n");
}

TEST(CardCountMessage, TrueCountFieldIsFiveWide) {
    struct Case {
        int running;
        std::string line;
    };
    // Two decks left in a six-deck shoe.
    const Case cases[] = {
        {-4, "    True Count:       -2.0 \r\n"},  {25, "    True Count:       +12.5 \r\n"},
        {-25, "    True Count:       -12.5\r\n"}, {250, "    True Count:       +125.0\r\n"},
        {1, "    True Count:       +0.5  \r\n"},
    };
    for (const Case& c : cases) {
        const std::string message = CardCountMessage(countedTable(312, 208, c.running, 0));
        EXPECT_NE(message.find("Hi-Opt I System:\r\n    Running count:  " +
                               std::string(c.running > 0 ? "+" : "") + std::to_string(c.running) +
                               "\r\n" + c.line),
                  std::string::npos)
            << message;
    }
}

TEST(CardCountMessage, NoCardLeftShowsATrueCountOfZero) {
    for (int counted : {416, 420}) {
        const std::string message = CardCountMessage(countedTable(416, counted, 7, -9));
        EXPECT_NE(message.find("+7\r\n    True Count:       +0.0  \r\n"), std::string::npos)
            << message;
        EXPECT_NE(message.find("-9\r\n    True Count:       0.0  \r\n"), std::string::npos)
            << message;
    }
}

TEST(CardCountMessage, UsesAPointWhateverTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                        std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    const std::string message = CardCountMessage(countedTable(312, 105, 6, 0));
    std::setlocale(LC_ALL, before.c_str());
    if (!german) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    EXPECT_NE(message.find("+1.5  "), std::string::npos) << message;
}

TEST(CardCountMessage, IsCutAt255Characters) {
    const std::string message = CardCountMessage(countedTable(416, 415, 1000000000, -1000000000));
    EXPECT_EQ(message.size(), 255u);
    EXPECT_EQ(message.substr(0, 70),
              "At the completion of the last hand, the card counts were as follows:\r\n");
}

} // namespace
} // namespace dealmoor
