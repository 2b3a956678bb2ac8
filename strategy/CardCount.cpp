#include "strategy/CardCount.h"

#include "engine/Counting.h"
#include "engine/Game.h"

#include <charconv>

namespace dealmoor {

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr size_t CardCountMessageMax = 255;
constexpr size_t TrueCountField = 5;

// Left-aligned in five places.
std::string trueCountText(long double trueCount) {
    std::string text = OneDecimalText(trueCount);
    if (text.size() < TrueCountField) {
        text.append(TrueCountField - text.size(), ' ');
    }
    return text;
}

std::string systemLines(const StoredCounts& counts, const char* systemName, CountingSystem system) {
    const int runningCount = counts.running(system);
    // The true count carries the plus sign of its running count.
    const std::string sign = runningCount > 0 ? "+" : "";
    return std::string(systemName) + LineEnd + "    Running count:  " + sign +
           std::to_string(runningCount) + LineEnd + "    True Count:       " + sign +
           trueCountText(counts.trueCount(system)) + LineEnd + LineEnd;
}

} // namespace

std::string OneDecimalText(long double value) {
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 1);
    return std::string(digits, result.ptr);
}

std::string CardCountMessage(const Game& game) {
    const StoredCounts counts = StoredCountsOf(game);
    const std::string message =
        std::string("At the completion of the last hand, the card counts were as follows:") +
        LineEnd + LineEnd + "Cards Dealt: " + std::to_string(counts.CountedCards) + " of " +
        std::to_string(counts.ShoeCards) + LineEnd + LineEnd +
        systemLines(counts, "Hi-Opt I System:", CountingSystem::HiOpt1) +
        systemLines(counts, "Hi-Opt II System:", CountingSystem::HiOpt2);
    return message.substr(0, CardCountMessageMax);
}

} // namespace dealmoor
