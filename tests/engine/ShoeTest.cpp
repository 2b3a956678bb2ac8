#include "DealFixture.h"
#include "RecordingHost.h"

#include "engine/Characters.h"
#include "engine/Counting.h"
#include "engine/Deal.h"
#include "engine/Shoe.h"
#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using enginetest::DealTable;
using enginetest::RecordingHost;
using enginetest::RigShoe;

Game keptSeedGame(int cards, uint32_t seed) {
    Game game;
    game.HouseRules.Cards = cards;
    game.Random.Source = SeedSource::Kept;
    game.Random.Seed = seed;
    return game;
}

TEST(RandomSource, FollowsTheLinearCongruentialSequence) {
    // Values worked out by hand from seed = seed * 134775813 + 1 (mod 2^32) and
    // the high half of seed * n.
    struct Case {
        uint32_t seed;
        uint32_t n;
        std::vector<uint32_t> values;
    };
    const std::vector<Case> cases = {
        {0, 52, {0, 1, 44, 10, 14}},
        {12345, 416, {160, 120, 33, 230, 263}},
        {86399999, 100, {72, 99, 33}},
    };
    for (const Case& c : cases) {
        RandomSource random{c.seed};
        for (uint32_t expected : c.values) {
            EXPECT_EQ(RandomInt(random, c.n), expected) << "seed " << c.seed;
        }
    }
}

TEST(RandomSource, StaysBelowNAndStepsTheSeed) {
    RandomSource random{4000000000u};
    uint64_t seed = random.Seed;
    for (int i = 0; i < 1000; ++i) {
        const uint32_t n = static_cast<uint32_t>(i % 416) + 1;
        const uint32_t value = RandomInt(random, n);
        seed = (seed * 134775813ull + 1ull) % 4294967296ull;
        ASSERT_EQ(random.Seed, seed);
        ASSERT_EQ(value, (seed * n) / 4294967296ull);
        ASSERT_LT(value, n);
    }
}

TEST(RandomSource, SeedCountsMillisecondsOfTheDay) {
    EXPECT_EQ(SeedFromTime(0, 0, 0, 0), 0u);
    EXPECT_EQ(SeedFromTime(12, 34, 56, 789), 45296789u);
    EXPECT_EQ(SeedFromTime(23, 59, 59, 999), 86399999u);
}

TEST(ShuffleShoe, EveryDeckIsCompleteAndMixed) {
    for (int cards : {52, 104, 208, 312, 416}) {
        for (bool fast : {false, true}) {
            Game game = keptSeedGame(cards, 777);
            game.Random.FastShuffle = fast;
            game.Shoe.ShoePos = 40;
            game.HiOpt1Count = 3;
            game.HiOpt2Count = -4;
            game.CountedCards = 40;
            ShuffleShoe(game, nullptr);

            std::array<int, 53> copies{};
            int inPlace = 0;
            for (int k = 1; k <= cards; ++k) {
                const Card& card = game.Shoe.ShoeCards[k];
                ASSERT_GE(card.CardId, 1);
                ASSERT_LE(card.CardId, 52);
                ASSERT_EQ(card.Rank, (card.CardId - 1) % 13 + 1);
                ++copies[card.CardId];
                inPlace += card.CardId == (k - 1) % 52 + 1 ? 1 : 0;
            }
            for (int id = 1; id <= 52; ++id) {
                EXPECT_EQ(copies[id], cards / 52) << cards << " cards, id " << id;
            }
            EXPECT_LT(inPlace, cards / 10) << "the shoe was left in order";
            if (cards < MaxShoeCards) {
                EXPECT_EQ(game.Shoe.ShoeCards[cards + 1].CardId, 0) << "nothing beyond the shoe";
            }
            EXPECT_EQ(game.Shoe.ShoePos, 1);
            EXPECT_EQ(game.Shoe.Filled, cards);
            EXPECT_EQ(game.HiOpt1Count, 0);
            EXPECT_EQ(game.HiOpt2Count, 0);
            EXPECT_EQ(game.CountedCards, 0);
        }
    }
}

TEST(ShuffleShoe, KeptSeedRepeatsTheShoeAndTheTwoMixesDiffer) {
    Game first = keptSeedGame(208, 99);
    Game second = keptSeedGame(208, 99);
    Game fast = keptSeedGame(208, 99);
    fast.Random.FastShuffle = true;
    ShuffleShoe(first, nullptr);
    ShuffleShoe(second, nullptr);
    ShuffleShoe(fast, nullptr);
    int same = 0;
    int sameAsFast = 0;
    for (int k = 1; k <= 208; ++k) {
        same += first.Shoe.ShoeCards[k].CardId == second.Shoe.ShoeCards[k].CardId ? 1 : 0;
        sameAsFast += first.Shoe.ShoeCards[k].CardId == fast.Shoe.ShoeCards[k].CardId ? 1 : 0;
    }
    EXPECT_EQ(same, 208);
    EXPECT_LT(sameAsFast, 208);
    // Thirty passes of one draw per entry.
    RandomSource replay{99};
    for (int i = 0; i < 30 * 208; ++i) {
        RandomInt(replay, 208);
    }
    EXPECT_EQ(first.Random.Seed, replay.Seed);
}

// Each mix replayed from its recipe. The game's, exactly as described: the
// shoe in deck order, then thirty passes in which entry i = 1..Cards swaps with
// entry RandomInt(Cards) + 1. The simulator's fast one: a single pass from the
// top, entry i = Cards..2 swapping with entry RandomInt(i) + 1.
std::vector<int> replayMix(int cards, RandomSource& replay, bool fast) {
    std::vector<int> ids(static_cast<size_t>(cards) + 1);
    for (int k = 1; k <= cards; ++k) {
        ids[static_cast<size_t>(k)] = (k - 1) % 52 + 1;
    }
    const auto swapWith = [&](int i, uint32_t n) {
        const auto partner = static_cast<size_t>(RandomInt(replay, n)) + 1;
        std::swap(ids[static_cast<size_t>(i)], ids[partner]);
    };
    if (fast) {
        for (int i = cards; i > 1; --i) {
            swapWith(i, static_cast<uint32_t>(i));
        }
        return ids;
    }
    for (int pass = 0; pass < 30; ++pass) {
        for (int i = 1; i <= cards; ++i) {
            swapWith(i, static_cast<uint32_t>(cards));
        }
    }
    return ids;
}

TEST(ShuffleShoe, EachMixFollowsItsRecipeExactly) {
    for (bool fast : {false, true}) {
        for (int cards : {52, 103, 208, 313, 416}) {
            const uint32_t seed = 4242 + static_cast<uint32_t>(cards);
            Game game = keptSeedGame(cards, seed);
            game.Random.FastShuffle = fast;
            ShuffleShoe(game, nullptr);

            RandomSource replay{seed};
            const std::vector<int> ids = replayMix(cards, replay, fast);
            for (int k = 1; k <= cards; ++k) {
                ASSERT_EQ(game.Shoe.ShoeCards[k].CardId, ids[static_cast<size_t>(k)])
                    << (fast ? "fast mix, " : "game mix, ") << cards << " cards, entry " << k;
            }
            // The game's generator goes on from where the mix left it.
            EXPECT_EQ(game.Random.Seed, replay.Seed) << cards << " cards";
        }
    }
}

TEST(ShuffleShoe, ShoeSizeOutsideOneToEightDecksIsHeldWithin) {
    for (const auto& [rule, size] :
         std::vector<std::pair<int, int>>{{0, 52}, {-5, 52}, {9999, 416}}) {
        Game game = keptSeedGame(rule, 5);
        ShuffleShoe(game, nullptr);
        EXPECT_EQ(game.Shoe.Filled, size) << rule;
    }
}

TEST(ShuffleShoe, VisibleShuffleShowsTheDealerMixing) {
    struct Case {
        bool sounds;
        std::string wait;
    };
    // A table that cannot sound the riffle (switched off) pauses as long instead.
    for (const Case& c : {Case{true, "sound shuffle"}, Case{false, "pause 1.5"}}) {
        Game game = keptSeedGame(208, 3);
        game.Seats[1].Number = 5;
        game.TotalHands = 12;
        game.Hands[1].CardCount = 2;
        game.Hands[1].Total = 20;
        RecordingHost host(game);
        host.shuffleSounds = c.sounds;
        ShuffleShoe(game, &host);
        const std::vector<std::string> expected = {
            "caption Dealmoor 97 [Hand: 12]",
            "face 1 0",
            "face 1 " + std::to_string(NeutralFrame(5)),
            "dealer 4",
            "shuffling",
            c.wait,
            c.wait,
            c.wait,
            "dealer 1",
        };
        EXPECT_EQ(host.log, expected);
        EXPECT_EQ(game.Hands[1].CardCount, 0) << "seat 1 is cleared for the show";
    }
}

TEST(TakeCard, FaceUpRulesOfTheDeal) {
    for (bool faceUp : {false, true}) {
        Game game = keptSeedGame(208, 1);
        game.HouseRules.FaceUp = faceUp;
        ShuffleShoe(game, nullptr);
        for (int i = 0; i < 3; ++i) {
            TakeCard(game, 0);
            TakeCard(game, 2);
        }
        const Hand& dealer = game.Hands[0];
        const Hand& seat = game.Hands[2];
        EXPECT_FALSE(dealer.Shown[0]) << "the hole card";
        EXPECT_TRUE(dealer.Shown[1]);
        EXPECT_TRUE(dealer.Shown[2]);
        EXPECT_EQ(seat.Shown[0], faceUp);
        EXPECT_EQ(seat.Shown[1], faceUp);
        EXPECT_TRUE(seat.Shown[2]);
        EXPECT_EQ(game.Shoe.ShoePos, 7);
        // The first card dealt is entry 2: entry 1 is burnt.
        EXPECT_EQ(dealer.CardIds[0], game.Shoe.ShoeCards[2].CardId);
        EXPECT_EQ(seat.CardIds[2], game.Shoe.ShoeCards[7].CardId);

        TakeCardFaceUp(game, 8);
        EXPECT_TRUE(game.Hands[8].Shown[0]);
    }
}

TEST(TakeCard, ComputesTheTotalAsCardsArrive) {
    Game game = keptSeedGame(52, 1);
    ShuffleShoe(game, nullptr);
    RigShoe(game, {1, 6, 10});
    TakeCard(game, 1);
    TakeCard(game, 1);
    EXPECT_EQ(game.Hands[1].Total, 17);
    EXPECT_EQ(game.Hands[1].SoftAces, 1);
    TakeCard(game, 1);
    EXPECT_EQ(game.Hands[1].Total, 17);
    EXPECT_EQ(game.Hands[1].SoftAces, 0);
}

TEST(TakeCard, SeventhCardIsTheLast) {
    Game game = keptSeedGame(208, 1);
    ShuffleShoe(game, nullptr);
    for (int i = 0; i < 7; ++i) {
        TakeCard(game, 3);
    }
    const Hand before = game.Hands[3];
    TakeCard(game, 3);
    TakeCardFaceUp(game, 3);
    EXPECT_EQ(game.Hands[3].CardCount, 7);
    EXPECT_EQ(game.Hands[3].CardIds, before.CardIds);
    EXPECT_EQ(game.Shoe.ShoePos, 8) << "no card left the shoe";
}

// The cards on the table plus the fresh shoe make exactly the house's shoe.
void expectWholeShoe(const Game& game, int decks) {
    std::array<int, 53> copies{};
    for (const Hand& hand : game.Hands) {
        for (int i = 0; i < hand.CardCount; ++i) {
            ++copies[hand.CardIds[i]];
        }
    }
    // Entry 1 of the fresh shoe is burnt but still one of its cards; the entries
    // after it up to ShoePos are on the table already.
    ++copies[game.Shoe.ShoeCards[1].CardId];
    for (int k = game.Shoe.ShoePos + 1; k <= game.Shoe.Filled; ++k) {
        ++copies[game.Shoe.ShoeCards[k].CardId];
    }
    for (int id = 1; id <= 52; ++id) {
        EXPECT_EQ(copies[id], decks) << "id " << id;
    }
}

TEST(TakeCard, PastTheEndMixesTheCardsNotOnTheTable) {
    Game game = keptSeedGame(52, 8);
    ShuffleShoe(game, nullptr);
    // Eleven cards out on three hands, then the shoe is used up.
    for (int i = 0; i < 4; ++i) {
        TakeCard(game, 0);
        TakeCard(game, 1);
    }
    for (int i = 0; i < 3; ++i) {
        TakeCard(game, 7);
    }
    game.Shoe.ShoePos = 52;
    game.HiOpt1Count = 6;
    TakeCard(game, 7);

    EXPECT_EQ(game.Shoe.Filled, 52 - 11);
    EXPECT_EQ(game.Shoe.ShoePos, 2) << "entry 1 of the fresh shoe is burnt";
    EXPECT_EQ(game.Hands[7].CardCount, 4);
    EXPECT_EQ(game.Hands[7].CardIds[3], game.Shoe.ShoeCards[2].CardId);
    EXPECT_EQ(game.HiOpt1Count, 0);
    expectWholeShoe(game, 1);
}

TEST(TakeCard, PastTheEndWithHardlyAnyCardLeftUsesAWholeShoe) {
    Game game = keptSeedGame(52, 8);
    ShuffleShoe(game, nullptr);
    // 51 cards on the table: only the burn card is left, too few to burn one and deal one.
    for (int slot = 0; slot < 13; ++slot) {
        for (int i = 0; i < 4 && game.Shoe.ShoePos < 52; ++i) {
            TakeCard(game, slot);
        }
    }
    ASSERT_EQ(game.Shoe.ShoePos, 52);
    TakeCard(game, 0);
    EXPECT_EQ(game.Shoe.Filled, 52);
    EXPECT_EQ(game.Shoe.ShoePos, 2);
    EXPECT_EQ(game.Hands[0].CardCount, 5);
}

TEST(TakeCard, NeverReadsPastAShoeThatWasNotFilled) {
    Game game = keptSeedGame(104, 8);
    ASSERT_EQ(game.Shoe.Filled, 0);
    TakeCard(game, 1);
    EXPECT_EQ(game.Hands[1].CardCount, 1);
    EXPECT_GE(game.Hands[1].CardIds[0], 1);
    EXPECT_EQ(game.Shoe.Filled, 104);
}

TEST(HiOptCounts, CountEveryDealtCardButTheBurnCard) {
    struct Case {
        std::vector<int> ranks;
        std::string hiOpt1;
        std::string hiOpt2;
    };
    const std::vector<Case> cases = {
        {{4, 10, 2}, "0", "+1"},
        {{5, 13, 1, 3}, "+1", "+1"},
        {{10, 11, 12, 13, 9}, "-4", "-8"},
        {{3, 4, 5, 6, 2, 7}, "+4", "+8"},
        {{}, "0", "0"},
    };
    for (const Case& c : cases) {
        Game game = keptSeedGame(52, 1);
        ShuffleShoe(game, nullptr);
        game.Shoe.ShoeCards[1] = Card{10, 10}; // a burnt ten never counts
        RigShoe(game, c.ranks);
        game.Shoe.ShoePos = 1 + static_cast<int>(c.ranks.size());
        EXPECT_EQ(HiOptText(RunningHiOpt1(game)), c.hiOpt1);
        EXPECT_EQ(HiOptText(RunningHiOpt2(game)), c.hiOpt2);
    }
}

TEST(HiOptCounts, TextIsCutToFiveCharacters) {
    EXPECT_EQ(HiOptText(0), "0");
    EXPECT_EQ(HiOptText(-832), "-832");
    EXPECT_EQ(HiOptText(123456), "+1234");
    EXPECT_EQ(HiOptText(-123456), "-1234");
}

TEST(CountReport, StoresTheCountsAndShowsThemInTheCaption) {
    Game game = keptSeedGame(208, 1);
    ShuffleShoe(game, nullptr);
    RigShoe(game, {4, 10, 2, 5});
    game.Shoe.ShoePos = 5;
    RecordingHost host(game);
    ReportCounts(game, host);
    EXPECT_EQ(game.HiOpt1Count, 1);
    EXPECT_EQ(game.HiOpt2Count, 3);
    EXPECT_EQ(game.CountedCards, 5);
    EXPECT_EQ(host.caption, "Dealmoor 97 [Cards: 5/208; Hi-Opt I: +1; Hi-Opt II: +3]");

    RecordingHost silent(game);
    silent.wantsCaptions = false;
    ReportCounts(game, silent);
    EXPECT_TRUE(silent.log.empty());

    // A player practising the count with the counts hidden sees the cards dealt alone.
    RecordingHost practising(game);
    practising.showsCounts = false;
    ReportCounts(game, practising);
    EXPECT_EQ(practising.caption, "Dealmoor 97 [Cards: 5/208]");
    EXPECT_EQ(game.HiOpt1Count, 1) << "the counts are kept all the same";
}

// A deal whose end shuffles the shoe still tells its counts first: the table's
// count check asks about them after the deal.
TEST(CountReport, TheCountsAreReportedBeforeTheShuffleClearsThem) {
    DealTable table(1);
    table.game.HouseRules.Cards = 52;
    ShuffleShoe(table.game, nullptr);
    // Twenty-four twos are gone (Hi-Opt I 0, Hi-Opt II +24); the deal takes four more.
    for (int entry = 2; entry <= 25; ++entry)
        table.game.Shoe.ShoeCards[entry] = Card{2, 2};
    const std::vector<int> deal = enginetest::DealOrder({{10, 8}}, 10, 9);
    for (std::size_t i = 0; i < deal.size(); ++i)
        table.game.Shoe.ShoeCards[26 + i] = Card{deal[i], deal[i]};
    table.game.Shoe.ShoePos = 25;
    table.bet(1, 10);
    table.deal();

    ASSERT_EQ(table.host.reportedCounts.size(), 1u);
    const StoredCounts& reported = table.host.reportedCounts.front();
    EXPECT_EQ(reported.CountedCards, 29);
    EXPECT_EQ(reported.HiOpt1, -2);
    EXPECT_EQ(reported.HiOpt2, 20);
    EXPECT_EQ(reported.ShoeCards, 52);
    EXPECT_EQ(table.game.CountedCards, 0) << "the shoe was shuffled at the deal's end";
}

TEST(CountFigures, DecksRemainingAndTrueCount) {
    struct Case {
        int running;
        int shoe;
        int gone;
        long double decks;
        long double trueCount;
    };
    const std::vector<Case> cases = {
        {6, 312, 105, 207.0L / 52, 6 / (207.0L / 52)},
        {-4, 312, 208, 2, -2},
        {3, 52, 26, 0.5L, 6},
        {5, 208, 0, 4, 0},   // nothing counted yet
        {7, 416, 416, 0, 0}, // nothing left to divide by
        {7, 416, 420, -4.0L / 52, 0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(static_cast<double>(DecksRemaining(c.shoe, c.gone)),
                    static_cast<double>(c.decks), 1e-12)
            << c.shoe << "/" << c.gone;
        EXPECT_NEAR(static_cast<double>(TrueCount(c.running, c.shoe, c.gone)),
                    static_cast<double>(c.trueCount), 1e-12)
            << c.shoe << "/" << c.gone;
    }
}

TEST(CountReport, CaptionPartsAreCut) {
    Game game = keptSeedGame(416, 1);
    ShuffleShoe(game, nullptr);
    game.BaseCaption = std::string(40, 'x');
    EXPECT_EQ(CountsCaption(game),
              std::string(32, 'x') + "Cards: 1/416; Hi-Opt I: 0; Hi-Opt II: 0]");
    EXPECT_EQ(ShoePositionCaption(game), std::string(32, 'x') + "Cards: 1/416]");
    game.TotalHands = 7;
    EXPECT_EQ(HandCaption(game), std::string(38, 'x') + "7]");
    game.BaseCaption = "Table";
    EXPECT_EQ(HandCaption(game), "Table [Hand: 7]");
}

TEST(ReshuffleDue, ComesAtTheReshufflePointOfEveryShoeSize) {
    const std::vector<std::pair<int, int>> points = {
        {52, 27}, {104, 79}, {208, 166}, {312, 249}, {416, 332}};
    for (const auto& [cards, point] : points) {
        Game game = keptSeedGame(cards, 1);
        ShuffleShoe(game, nullptr);
        game.Shoe.ShoePos = point - 1;
        EXPECT_FALSE(ReshuffleDue(game)) << cards;
        game.Shoe.ShoePos = point;
        EXPECT_TRUE(ReshuffleDue(game)) << cards;
    }
}

TEST(ReshuffleDue, AShoeRefilledInTheMiddleOfADealIsReplaced) {
    Game game = keptSeedGame(208, 1);
    ShuffleShoe(game, nullptr);
    game.Shoe.Filled = 30;
    game.Shoe.ShoePos = 3;
    EXPECT_TRUE(ReshuffleDue(game));
}

TEST(PauseMilliseconds, ScalesBySpeed) {
    struct Case {
        double seconds;
        int speed;
        int ms;
    };
    const std::vector<Case> cases = {
        {1.5, 0, 375}, {1.5, 1, 750}, {1.5, 2, 1500}, {1.5, 3, 2250},
        {0.05, 1, 25}, {0.05, 3, 75}, {1, 1, 500},    {0.8, 0, 200},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PauseMilliseconds(c.seconds, static_cast<Speed>(c.speed)), c.ms)
            << c.seconds << " s at speed " << c.speed;
    }
}

TEST(ShoeInADeal, FirstDealCountsTheBurnCardInTheCaption) {
    DealTable table(1);
    table.bet(1, 10);
    table.rig(enginetest::DealOrder({{10, 8}}, 10, 9));
    table.deal();
    EXPECT_EQ(table.game.CountedCards, 5);
    EXPECT_EQ(table.host.caption.find("Cards: 5/208"), std::string("Dealmoor 97 [").size());
}

TEST(ShoeInADeal, RunningOutMidDealNeverDealsACardTwice) {
    // One deck, six seats hitting small cards from near the end of the shoe.
    DealTable table(6);
    table.game.HouseRules.Cards = 52;
    ShuffleShoe(table.game, nullptr);
    table.game.Shoe.ShoePos = 40;
    for (int s = 1; s <= 6; ++s) {
        table.bet(s, 5);
        table.answer(s, {enginetest::Answer::Hit, enginetest::Answer::Hit});
    }
    int checks = 0;
    table.host.onCardTaken = [&](int) {
        std::set<int> seen;
        for (const Hand& hand : table.game.Hands) {
            for (int i = 0; i < hand.CardCount; ++i) {
                EXPECT_TRUE(seen.insert(hand.CardIds[i]).second)
                    << "card " << hand.CardIds[i] << " twice on the table";
            }
        }
        EXPECT_LE(table.game.Shoe.ShoePos, table.game.Shoe.Filled);
        ++checks;
    };
    table.deal();
    EXPECT_GE(checks, 14);
    EXPECT_FALSE(table.game.DealInProgress);
    EXPECT_TRUE(table.host.has("shuffling")) << "a whole fresh shoe follows the deal";
    EXPECT_EQ(table.game.Shoe.Filled, 52);
    EXPECT_EQ(table.game.Shoe.ShoePos, 1);
}

// The counts and totals are kept up as cards arrive; after every card they must
// agree with a walk over the cards dealt since the shuffle and with the hand's
// cards, also across the remainder reshuffles a one-deck shoe forces mid-deal.
TEST(ShoeInADeal, KeptCountsAndTotalsAgreeWithTheCardsAfterEveryCard) {
    // Hi-Opt I and II weights by rank, written out here independently of the engine.
    constexpr std::array<int, 14> hiOpt1{0, 0, 0, 1, 1, 1, 1, 0, 0, 0, -1, -1, -1, -1};
    constexpr std::array<int, 14> hiOpt2{0, 0, 1, 1, 2, 2, 1, 1, 0, 0, -2, -2, -2, -2};
    for (int cards : {52, 104, 416}) {
        DealTable table(6, false);
        table.game.HouseRules.Cards = cards;
        for (int s = 1; s <= MaxSeats; ++s) {
            FillDefaultTable(table.game.StrategyCards[s]);
        }
        ShuffleShoe(table.game, nullptr);
        int remainderShuffles = 0;
        table.host.onCardTaken = [&](int slot) {
            const Shoe& shoe = table.game.Shoe;
            int one = 0;
            int two = 0;
            for (int entry = 2; entry <= shoe.ShoePos; ++entry) {
                one += hiOpt1[static_cast<size_t>(shoe.ShoeCards[entry].Rank)];
                two += hiOpt2[static_cast<size_t>(shoe.ShoeCards[entry].Rank)];
            }
            ASSERT_EQ(RunningHiOpt1(table.game), one) << cards << " cards, entry " << shoe.ShoePos;
            ASSERT_EQ(RunningHiOpt2(table.game), two) << cards << " cards, entry " << shoe.ShoePos;
            remainderShuffles += shoe.Filled < ShoeSize(table.game.HouseRules) ? 1 : 0;
            Hand recounted = table.game.Hands[slot];
            ComputeTotal(recounted);
            ASSERT_EQ(table.game.Hands[slot].Total, recounted.Total);
            ASSERT_EQ(table.game.Hands[slot].SoftAces, recounted.SoftAces);
        };
        for (int deal = 0; deal < 400; ++deal) {
            for (int s = 1; s <= MaxSeats; ++s) {
                table.game.Seats[s].Credits = enginetest::StartCredits;
            }
            if (cards == 52 && deal % 2 == 1) {
                table.game.Shoe.ShoePos = 40; // a dozen cards left for six seats and the dealer
            }
            table.deal();
            // The stored counts are those of the shoe as it stands (0 after a reshuffle).
            ASSERT_EQ(table.game.HiOpt1Count, RunningHiOpt1(table.game));
            ASSERT_EQ(table.game.HiOpt2Count, RunningHiOpt2(table.game));
        }
        if (cards == 52) {
            EXPECT_GT(remainderShuffles, 0) << "six seats run a single deck dry now and then";
        }
    }
}

} // namespace
} // namespace dealmoor
