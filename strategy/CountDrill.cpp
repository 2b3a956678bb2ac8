#include "strategy/CountDrill.h"

#include "engine/Shoe.h"
#include "strategy/CardCount.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace dealmoor {

namespace {

constexpr Tenths HalfPoint = 5;
// Longer answers than this are no count anybody means.
constexpr std::size_t AnswerDigitsMax = 4;
// The tray of the true count and decks left drills holds at least a quarter of a deck.
constexpr int TrayMinimum = CardsPerDeck / 4;
constexpr std::string_view MinusSign = "\u2212";

bool wholeNumbersOnly(CountQuestion question) {
    return question == CountQuestion::RunningCount;
}

// Fresh decks, each in order, then one Fisher-Yates pass of the table's generator.
std::vector<Card> shuffledDecks(uint32_t seed, int cards) {
    std::vector<Card> shoe(static_cast<std::size_t>(cards));
    for (int k = 0; k < cards; ++k) {
        const int id = (k % CardsPerDeck) + 1;
        shoe[static_cast<std::size_t>(k)] = Card{id, ((id - 1) % RanksPerSuit) + 1};
    }
    RandomSource random{seed, SeedSource::Kept, false};
    for (int i = cards - 1; i > 0; --i) {
        const auto j = RandomInt(random, static_cast<uint32_t>(i + 1));
        std::swap(shoe[static_cast<std::size_t>(i)], shoe[j]);
    }
    return shoe;
}

// The most cards a shoe gives before the table shuffles it between deals.
int lastCardBeforeShuffle(int shoeCards) {
    Game table;
    table.HouseRules.Cards = shoeCards;
    table.Shoe.Filled = ShoeSize(table.HouseRules);
    table.Shoe.ShoePos = shoeCards;
    while (table.Shoe.ShoePos > TrayMinimum && ReshuffleDue(table)) {
        --table.Shoe.ShoePos;
    }
    return table.Shoe.ShoePos;
}

} // namespace

Tenths Tolerance(CountQuestion question) {
    return question == CountQuestion::RunningCount ? 0 : HalfPoint;
}

bool IsRightAnswer(CountQuestion question, Tenths answer, Tenths right) {
    return std::abs(answer - right) <= Tolerance(question);
}

Tenths RoundedToTenths(long double value) {
    // The message's own text, so the check and the message can never differ by a tenth.
    std::string text = OneDecimalText(value);
    text.erase(std::remove(text.begin(), text.end(), '.'), text.end());
    return static_cast<Tenths>(std::strtol(text.c_str(), nullptr, 10));
}

std::optional<Tenths> ReadAnswer(std::string_view text, CountQuestion question) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (text.substr(0, MinusSign.size()) == MinusSign) {
        negative = true;
        text.remove_prefix(MinusSign.size());
    } else if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    Tenths whole = 0;
    std::size_t digits = 0;
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        if (++digits > AnswerDigitsMax)
            return std::nullopt;
        whole = whole * 10 + (text.front() - '0');
        text.remove_prefix(1);
    }
    Tenths tenth = 0;
    if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
        if (wholeNumbersOnly(question))
            return std::nullopt;
        text.remove_prefix(1);
        if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            tenth = text.front() - '0';
            text.remove_prefix(1);
            ++digits;
        }
    }
    if (digits == 0 || !text.empty())
        return std::nullopt;
    const Tenths value = whole * TenthsPerUnit + tenth;
    if (negative && question == CountQuestion::DecksLeft && value != 0)
        return std::nullopt;
    return negative ? -value : value;
}

std::string AnswerText(Tenths value, CountQuestion question) {
    const Tenths size = std::abs(value);
    std::string text = std::to_string(size / TenthsPerUnit);
    if (!wholeNumbersOnly(question))
        text += "." + std::to_string(size % TenthsPerUnit);
    if (value < 0)
        return "-" + text;
    return value > 0 && question != CountQuestion::DecksLeft ? "+" + text : text;
}

Tenths CheckAnswers::of(CountQuestion question) const {
    switch (question) {
    case CountQuestion::RunningCount:
        return RunningCount;
    case CountQuestion::TrueCount:
        return TrueCount;
    case CountQuestion::DecksLeft:
        break;
    }
    return DecksLeft;
}

CheckAnswers RightAnswers(const StoredCounts& counts, CountingSystem system) {
    return {counts.running(system) * TenthsPerUnit, RoundedToTenths(counts.trueCount(system)),
            RoundedToTenths(counts.decksRemaining())};
}

// ---- The running count drill --------------------------------------------------------

std::size_t RunningDrill::groups() const {
    const auto size = static_cast<std::size_t>(std::max(CardsAtATime, 1));
    return (StopAfter + size - 1) / size;
}

std::size_t RunningDrill::groupStart(std::size_t g) const {
    return g * static_cast<std::size_t>(std::max(CardsAtATime, 1));
}

std::size_t RunningDrill::groupSize(std::size_t g) const {
    const std::size_t start = std::min(groupStart(g), StopAfter);
    return std::min(static_cast<std::size_t>(std::max(CardsAtATime, 1)), StopAfter - start);
}

int RunningDrill::rightCount(CountingSystem system) const {
    return RunningCountOf(Cards, StopAfter, system);
}

RunningDrill MakeRunningDrill(uint32_t seed, int decks, int cardsAtATime, bool randomStop) {
    RunningDrill drill;
    drill.CardsAtATime = std::clamp(cardsAtATime, 1, MaxCardsAtATime);
    drill.Cards =
        shuffledDecks(seed, std::clamp(decks, MinDrillDecks, MaxDrillDecks) * CardsPerDeck);
    drill.StopAfter = drill.Cards.size();
    if (randomStop) {
        const auto size = static_cast<std::size_t>(drill.CardsAtATime);
        const std::size_t groups = (drill.Cards.size() + size - 1) / size;
        const std::size_t earliest = std::max<std::size_t>(groups / 4, 1);
        // The stop is drawn after the shuffle, from the generator's next value.
        RandomSource random{seed ^ 0x9E3779B9u, SeedSource::Kept, false};
        const std::size_t stop =
            earliest + RandomInt(random, static_cast<uint32_t>(groups - earliest + 1));
        drill.StopAfter = std::min(stop * size, drill.Cards.size());
    }
    return drill;
}

int RunningCountOf(const std::vector<Card>& cards, std::size_t count, CountingSystem system) {
    count = std::min(count, cards.size());
    return std::accumulate(
        cards.begin(), cards.begin() + static_cast<std::ptrdiff_t>(count), 0,
        [system](int sum, const Card& card) { return sum + CountWeight(system, card.Rank); });
}

int GroupMilliseconds(Tenths pace, std::size_t groupSize) {
    const Tenths held = std::clamp(pace, MinDrillPace, MaxDrillPace);
    // groupSize cards at `held` tenths of cards a second.
    return static_cast<int>((static_cast<long long>(groupSize) * 10000 + held / 2) / held);
}

// ---- The true count and decks left drills -----------------------------------------

int TrayProblem::running(CountingSystem system) const {
    return system == CountingSystem::HiOpt2 ? HiOpt2 : HiOpt1;
}

Tenths TrayProblem::rightTrueCount(CountingSystem system) const {
    return RoundedToTenths(TrueCount(running(system), ShoeCards, CardsGone));
}

Tenths TrayProblem::rightDecksLeft() const {
    return RoundedToTenths(DecksRemaining(ShoeCards, CardsGone));
}

TrayProblem MakeTrayProblem(uint32_t seed, int shoeCards) {
    HouseRules rules;
    rules.Cards = shoeCards;
    TrayProblem tray;
    tray.ShoeCards = ShoeSize(rules);
    const std::vector<Card> shoe = shuffledDecks(seed, tray.ShoeCards);
    const int last = lastCardBeforeShuffle(tray.ShoeCards);
    RandomSource random{seed ^ 0x85EBCA6Bu, SeedSource::Kept, false};
    tray.CardsGone =
        TrayMinimum +
        static_cast<int>(RandomInt(random, static_cast<uint32_t>(last - TrayMinimum + 1)));
    const auto gone = static_cast<std::size_t>(tray.CardsGone);
    tray.HiOpt1 = RunningCountOf(shoe, gone, CountingSystem::HiOpt1);
    tray.HiOpt2 = RunningCountOf(shoe, gone, CountingSystem::HiOpt2);
    return tray;
}

} // namespace dealmoor
