#include "engine/Shoe.h"

#include "engine/Characters.h"
#include "engine/Counting.h"
#include "engine/TableHost.h"
#include "engine/Texts.h"
#include "platform/Clock.h"
#include "platform/TextCut.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace dealmoor {

namespace {

constexpr int MixPasses = 30;
constexpr int ShuffleSounds = 3;
constexpr double SilentShuffleSeconds = 1.5;
constexpr std::size_t HandCaptionCut = 38;
constexpr std::size_t CountsCaptionHeadCut = 32;
constexpr std::size_t CountsCaptionTailCut = 100;
constexpr std::size_t CountTextCut = 5;

constexpr Card cardOf(int cardId) {
    return {cardId, ((cardId - 1) % RanksPerSuit) + 1};
}

// The k-th card of a shoe filled deck after deck, each deck in order.
constexpr Card cardAt(int k) {
    return cardOf(((k - 1) % CardsPerDeck) + 1);
}

// Every entry of the largest shoe as it lies before mixing; a fresh shoe is a copy of its start.
constexpr std::array<Card, MaxShoeCards + 1> OrderedShoe = [] {
    std::array<Card, MaxShoeCards + 1> cards{};
    for (int k = 1; k <= MaxShoeCards; ++k) {
        cards[k] = cardAt(k);
    }
    return cards;
}();

struct RunningCounts {
    int hiOpt1 = 0;
    int hiOpt2 = 0;

    void add(const Card& card) {
        const unsigned rank = static_cast<unsigned>(card.Rank) & 15u;
        hiOpt1 += HiOpt1Weights[rank];
        hiOpt2 += HiOpt2Weights[rank];
    }
};

int lastDealtEntry(const Shoe& shoe) {
    return std::min<int>(shoe.ShoePos, MaxShoeCards);
}

// Both counts in one walk over the cards dealt since the shuffle.
RunningCounts recount(const Shoe& shoe) {
    RunningCounts counts;
    for (int entry = 2; entry <= lastDealtEntry(shoe); ++entry) {
        counts.add(shoe.ShoeCards[entry]);
    }
    return counts;
}

// The counts kept as cards were taken; a shoe whose position was moved by hand
// (a rigged table) is walked again.
RunningCounts runningCounts(const Game& game) {
    const Shoe& shoe = game.Shoe;
    if (shoe.CountedTo == lastDealtEntry(shoe)) {
        return {shoe.HiOpt1Running, shoe.HiOpt2Running};
    }
    return recount(shoe);
}

// The kept counts do not reach up to the card just taken (the position was
// moved by hand): the whole run is counted again, so that they stay exact.
[[gnu::noinline]] void recountTaken(Shoe& shoe) {
    const RunningCounts counts = recount(shoe);
    shoe.HiOpt1Running = counts.hiOpt1;
    shoe.HiOpt2Running = counts.hiOpt2;
    shoe.CountedTo = lastDealtEntry(shoe);
}

void countTakenCard(Shoe& shoe, const Card& card) {
    if (shoe.CountedTo != shoe.ShoePos - 1 || shoe.ShoePos > MaxShoeCards) {
        recountTaken(shoe);
        return;
    }
    RunningCounts counts{shoe.HiOpt1Running, shoe.HiOpt2Running};
    counts.add(card);
    shoe.HiOpt1Running = counts.hiOpt1;
    shoe.HiOpt2Running = counts.hiOpt2;
    shoe.CountedTo = shoe.ShoePos;
}

void reseed(Game& game) {
    if (game.Random.Source == SeedSource::Clock) {
        SeedFromClock(game);
    }
}

// The generator: seed = seed * a + c (mod 2^32), the value the high half of seed * n.
constexpr uint32_t SeedMultiplier = 134775813u;
constexpr uint32_t SeedIncrement = 1u;

uint32_t scaled(uint32_t seed, uint32_t n) {
    return static_cast<uint32_t>((static_cast<uint64_t>(seed) * n) >> 32);
}

// The generator's seeds four at a time: seed(k + j) = a^j seed(k) + c_j, so the
// four come from independent sums instead of each waiting for the one before
// (which makes the thirty passes more than twice as fast). The sequence is
// exactly the one RandomInt steps through.
struct SeedJump {
    uint32_t multiplier;
    uint32_t increment;
    uint32_t from(uint32_t seed) const { return multiplier * seed + increment; }
};

constexpr SeedJump jumpOf(int steps) {
    SeedJump jump{1, 0};
    for (int step = 0; step < steps; ++step) {
        jump = {jump.multiplier * SeedMultiplier, jump.increment * SeedMultiplier + SeedIncrement};
    }
    return jump;
}

constexpr std::array<SeedJump, 4> Jumps{jumpOf(1), jumpOf(2), jumpOf(3), jumpOf(4)};

// Thirty passes, each swapping every entry with a random partner.
void mixByExchange(Shoe& shoe, RandomSource& random, int count) {
    auto& cards = shoe.ShoeCards;
    const auto n = static_cast<uint32_t>(count);
    const auto partner = [n](uint32_t seed) { return static_cast<int>(scaled(seed, n)) + 1; };
    uint32_t seed = random.Seed;
    for (int pass = 0; pass < MixPasses; ++pass) {
        int i = 1;
        for (; i + 3 <= count; i += 4) {
            const uint32_t first = Jumps[0].from(seed);
            const uint32_t second = Jumps[1].from(seed);
            const uint32_t third = Jumps[2].from(seed);
            seed = Jumps[3].from(seed);
            std::swap(cards[i], cards[partner(first)]);
            std::swap(cards[i + 1], cards[partner(second)]);
            std::swap(cards[i + 2], cards[partner(third)]);
            std::swap(cards[i + 3], cards[partner(seed)]);
        }
        for (; i <= count; ++i) {
            seed = Jumps[0].from(seed);
            std::swap(cards[i], cards[partner(seed)]);
        }
    }
    random.Seed = seed;
}

// The generator works on a copy of its own: a card swapped in memory could, for
// all the compiler knows, be the game's seed, which it would then store and load
// again for every card.
void mixSinglePass(Shoe& shoe, RandomSource& random, int count) {
    RandomSource mixing = random;
    for (int i = count; i > 1; --i) {
        const int partner = static_cast<int>(RandomInt(mixing, i)) + 1;
        std::swap(shoe.ShoeCards[i], shoe.ShoeCards[partner]);
    }
    random.Seed = mixing.Seed;
}

// Entries 1..count are mixed; entry 1 becomes the burn card, counting restarts.
void mixFreshShoe(Game& game, int count) {
    reseed(game);
    if (game.Random.FastShuffle) {
        mixSinglePass(game.Shoe, game.Random, count);
    } else {
        mixByExchange(game.Shoe, game.Random, count);
    }
    game.Shoe.Filled = count;
    game.Shoe.ShoePos = 1;
    game.Shoe.CountedTo = 1;
    game.Shoe.HiOpt1Running = 0;
    game.Shoe.HiOpt2Running = 0;
    game.CountedCards = 0;
    game.HiOpt1Count = 0;
    game.HiOpt2Count = 0;
}

void fillAndMix(Game& game) {
    const int size = ShoeSize(game.HouseRules);
    std::copy_n(OrderedShoe.begin() + 1, size, game.Shoe.ShoeCards.begin() + 1);
    mixFreshShoe(game, size);
}

// The shoe ran out in the middle of a deal: the cards that are not on the table
// go back into a fresh shoe so that no card is dealt twice. When hardly any
// are left the whole shoe is used again. Kept out of taking a card, which it
// would otherwise weigh down on every card for the sake of a rare one.
[[gnu::noinline]] void reshuffleRemainder(Game& game) {
    std::array<int, CardsPerDeck + 1> left{};
    const int size = ShoeSize(game.HouseRules);
    for (int k = 1; k <= size; ++k) {
        ++left[cardAt(k).CardId];
    }
    for (const Hand& hand : game.Hands) {
        for (int i = 0; i < hand.CardCount && i < MaxHandCards; ++i) {
            const int id = hand.CardIds[i];
            if (id >= 1 && id <= CardsPerDeck && left[id] > 0) {
                --left[id];
            }
        }
    }
    int count = 0;
    for (int id = 1; id <= CardsPerDeck; ++id) {
        for (int copy = 0; copy < left[id]; ++copy) {
            game.Shoe.ShoeCards[++count] = cardOf(id);
        }
    }
    if (count < 2) {
        fillAndMix(game);
        return;
    }
    mixFreshShoe(game, count);
}

void takeCard(Game& game, int slot, bool shown) {
    Hand& hand = game.Hands[slot];
    if (hand.CardCount >= MaxHandCards) {
        return;
    }
    Shoe& shoe = game.Shoe;
    if (shoe.ShoePos >= shoe.Filled) {
        reshuffleRemainder(game);
    }
    const Card card = shoe.ShoeCards[++shoe.ShoePos];
    countTakenCard(shoe, card);
    hand.CardIds[hand.CardCount] = card.CardId;
    hand.Ranks[hand.CardCount] = card.Rank;
    hand.Shown[hand.CardCount] = shown;
    ++hand.CardCount;
    AddToTotal(hand, card.Rank);
}

// "Cards: " and the shoe position out of the shoe's size, as the caption after a deal begins.
std::string shoePositionText(const Game& game) {
    std::string text(CaptionCards);
    text += std::to_string(game.Shoe.ShoePos);
    text += '/';
    text += std::to_string(ShoeSize(game.HouseRules));
    return text;
}

std::string afterDealCaption(const Game& game, const std::string& tail) {
    return CutText(game.BaseCaption + std::string(CaptionCountsOpen), CountsCaptionHeadCut) +
           CutText(tail, CountsCaptionTailCut);
}

} // namespace

uint32_t SeedFromTime(int hour, int minute, int second, int millisecond) {
    const uint32_t minutes = static_cast<uint32_t>(hour) * 60 + static_cast<uint32_t>(minute);
    const uint32_t seconds = minutes * 60 + static_cast<uint32_t>(second);
    return seconds * 1000 + static_cast<uint32_t>(millisecond);
}

void SeedFromClock(Game& game) {
    const UtcTimeOfDay now = CurrentUtcTime();
    game.Random.Seed = SeedFromTime(now.hour, now.minute, now.second, now.millisecond);
}

uint32_t RandomInt(RandomSource& random, uint32_t n) {
    random.Seed = random.Seed * SeedMultiplier + SeedIncrement;
    return scaled(random.Seed, n);
}

int ShoeSize(const HouseRules& rules) {
    return std::clamp(rules.Cards, CardsPerDeck, MaxShoeCards);
}

void ShuffleShoe(Game& game, TableHost* visibleOn) {
    if (visibleOn == nullptr) {
        fillAndMix(game);
        return;
    }
    TableHost& host = *visibleOn;
    if (host.WantsCaptions()) {
        host.SetCaption(HandCaption(game));
    }
    ClearHand(game, 1);
    host.SetFace(1, 0);
    host.SetFace(1, NeutralFrame(game.Seats[1].Number));
    host.DrawDealer(DealerPose::ReachAcross);
    host.ShowShuffling();
    fillAndMix(game);
    // Three riffles; a table that cannot sound them pauses as long instead.
    for (int i = 0; i < ShuffleSounds; ++i) {
        if (!host.PlayShuffleSound()) {
            host.Pause(SilentShuffleSeconds);
        }
    }
    host.DrawDealer(DealerPose::Rest);
}

void TakeCard(Game& game, int slot) {
    const int entry = game.Hands[slot].CardCount; // 0-based place of the new card
    const bool shown = slot == DealerSlot ? entry > 0 : (entry >= 2 || game.HouseRules.FaceUp);
    takeCard(game, slot, shown);
}

void TakeCardFaceUp(Game& game, int slot) {
    takeCard(game, slot, true);
}

int RunningHiOpt1(const Game& game) {
    return runningCounts(game).hiOpt1;
}
int RunningHiOpt2(const Game& game) {
    return runningCounts(game).hiOpt2;
}

std::string HiOptText(int count) {
    std::array<char, 16> digits{};
    char* out = digits.data();
    if (count > 0) {
        *out++ = '+';
    }
    out = std::to_chars(out, digits.data() + digits.size(), count).ptr;
    const auto length = static_cast<std::size_t>(out - digits.data());
    return std::string(digits.data(), std::min(length, CountTextCut));
}

void ReportCounts(Game& game, TableHost& host) {
    // A shoe of at most 416 cards keeps both counts within five characters, so
    // the shown text and the stored number always agree.
    const RunningCounts counts = runningCounts(game);
    game.HiOpt1Count = counts.hiOpt1;
    game.HiOpt2Count = counts.hiOpt2;
    game.CountedCards = game.Shoe.ShoePos;
    host.CountsReported();
    if (host.WantsCaptions()) {
        host.SetCaption(host.CaptionShowsCounts() ? CountsCaption(game)
                                                  : ShoePositionCaption(game));
    }
}

std::string CountsCaption(const Game& game) {
    std::string tail = shoePositionText(game);
    tail += CaptionHiOpt1;
    tail += HiOptText(RunningHiOpt1(game));
    tail += CaptionHiOpt2;
    tail += HiOptText(RunningHiOpt2(game));
    tail += CaptionClose;
    return afterDealCaption(game, tail);
}

std::string ShoePositionCaption(const Game& game) {
    return afterDealCaption(game, shoePositionText(game) + std::string(CaptionClose));
}

std::string HandCaption(const Game& game) {
    return CutText(game.BaseCaption + std::string(CaptionHand), HandCaptionCut) +
           std::to_string(game.TotalHands) + std::string(CaptionClose);
}

bool ReshuffleDue(const Game& game) {
    const int size = ShoeSize(game.HouseRules);
    const int pos = game.Shoe.ShoePos;
    // A shoe refilled from the remainder in the middle of a deal, or filled for
    // another shoe size, is replaced by a whole fresh shoe.
    if (game.Shoe.Filled != size) {
        return true;
    }
    return pos > size - ReshuffleReserve || pos >= static_cast<int>(0.8 * size);
}

} // namespace dealmoor
