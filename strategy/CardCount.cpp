#include "strategy/CardCount.h"

#include "engine/Game.h"

#include <charconv>

namespace dealmoor {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr size_t CardCountMessageMax = 255;
constexpr size_t TrueCountField = 5;

// One digit after a "." whatever the user's locale, left-aligned in five places.
std::string trueCountText(long double trueCount) {
    char digits[32];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, trueCount, std::chars_format::fixed, 1);
    std::string text(digits, result.ptr);
    if (text.size() < TrueCountField) {
        text.append(TrueCountField - text.size(), ' ');
    }
    return text;
}

long double trueCount(const Game& game, int runningCount) {
    const int cardsLeft = game.HouseRules.Cards - game.CountedCards;
    // Before the first deal nothing is counted; with no card left there is no deck to divide by.
    if (game.CountedCards == 0 || cardsLeft <= 0) {
        return 0.0L;
    }
    const long double decksRemaining = cardsLeft * (1.0L / CardsPerDeck);
    return runningCount / decksRemaining;
}

std::string systemLines(const Game& game, const char* systemName, int runningCount) {
    // The true count carries the plus sign of its running count.
    const std::string sign = runningCount > 0 ? "+" : "";
    return std::string(systemName) + LineEnd + "    Running count:  " + sign +
           std::to_string(runningCount) + LineEnd + "    True Count:       " + sign +
           trueCountText(trueCount(game, runningCount)) + LineEnd + LineEnd;
}

} // namespace

std::string CardCountMessage(const Game& game) {
    const std::string message =
        std::string("At the completion of the last hand, the card counts were as follows:") +
        LineEnd + LineEnd + "Cards Dealt: " + std::to_string(game.CountedCards) + " of " +
        std::to_string(game.HouseRules.Cards) + LineEnd + LineEnd +
        systemLines(game, "Hi-Opt I System:", game.HiOpt1Count) +
        systemLines(game, "Hi-Opt II System:", game.HiOpt2Count);
    return message.substr(0, CardCountMessageMax);
}

} // namespace dealmoor
