#include "engine/Characters.h"
#include "engine/Game.h"
#include "engine/SeatDisplay.h"

#include <gtest/gtest.h>

#include <vector>

namespace dealmoor {
namespace {

Hand handOf(const std::vector<int>& ranks) {
    Hand hand;
    for (int rank : ranks) {
        hand.Ranks[hand.CardCount] = rank;
        hand.CardIds[hand.CardCount] = rank;
        ++hand.CardCount;
    }
    ComputeTotal(hand);
    return hand;
}

struct TotalCase {
    std::vector<int> ranks;
    int total;
    int softAces;
};

TEST(ComputeTotal, CountsAcesAsElevenUntilTheHandWouldBust) {
    const std::vector<TotalCase> cases = {
        {{1, 1, 9}, 21, 1},  // ace, ace, nine
        {{1, 6, 10}, 17, 0}, // ace, six, ten
        {{1, 1, 1, 1, 1}, 15, 1},
        {{1, 6}, 17, 1},       // soft 17
        {{1, 13}, 21, 1},      // blackjack
        {{11, 12, 13}, 30, 0}, // bust stays above 21
        {{}, 0, 0},
        {{0, 0}, 0, 0}, // empty entries add nothing
        {{1, 1, 1, 1, 1, 1, 1}, 17, 1},
    };
    for (const auto& c : cases) {
        const Hand hand = handOf(c.ranks);
        EXPECT_EQ(hand.Total, c.total) << ::testing::PrintToString(c.ranks);
        EXPECT_EQ(hand.SoftAces, c.softAces) << ::testing::PrintToString(c.ranks);
    }
}

TEST(ClearHand, EmptiesEveryFieldIncludingFinished) {
    Game game;
    game.Hands[3] = handOf({10, 9});
    game.Hands[3].Finished = true;
    game.Hands[3].DoubleRequested = true;
    game.Hands[3].Outcome = Outcome::Busted;
    game.Hands[3].Shown[0] = true;
    ClearHand(game, 3);
    const Hand& hand = game.Hands[3];
    EXPECT_EQ(hand.CardCount, 0);
    EXPECT_EQ(hand.Total, 0);
    EXPECT_FALSE(hand.Finished);
    EXPECT_FALSE(hand.DoubleRequested);
    EXPECT_EQ(hand.Outcome, Outcome::None);
    for (int i = 0; i < MaxHandCards; ++i) {
        EXPECT_EQ(hand.Ranks[i], 0);
        EXPECT_EQ(hand.CardIds[i], 0);
        EXPECT_FALSE(hand.Shown[i]);
    }
}

// Turning up shows the first cards of the hand and never hides one already shown.
TEST(TurnUp, ShowsTheFirstCardsAndLeavesTheRestAsTheyLay) {
    struct Case {
        int cards;
        int count;
        std::vector<bool> shown; // after turning up; the hand's last place was shown before
    };
    const std::vector<Case> cases = {
        {3, 2, {true, true, false, false, false, false, true}},
        {3, MaxHandCards, {true, true, true, false, false, false, true}},
        {2, 0, {false, false, false, false, false, false, true}},
        {7, 99, {true, true, true, true, true, true, true}},
        {4, -1, {false, false, false, false, false, false, true}},
    };
    for (const Case& c : cases) {
        Hand hand = handOf(std::vector<int>(static_cast<size_t>(c.cards), 2));
        hand.Shown[MaxHandCards - 1] = true;
        TurnUp(hand, c.count);
        for (int i = 0; i < MaxHandCards; ++i) {
            EXPECT_EQ(hand.Shown[i], c.shown[static_cast<size_t>(i)])
                << c.cards << " cards, count " << c.count << ", place " << i;
        }
    }
}

TEST(Faces, MoodFramesFollowTheCharacterTable) {
    const int neutral[] = {2, 1, 1, 2, 4, 2, 1, 3, 2};
    const int pleased[] = {1, 4, 1, 1, 1, 1, 3, 1, 1};
    const int displeased[] = {3, 3, 4, 3, 3, 2, 2, 4, 3};
    const int thinkingOn[] = {2, 1, 1, 2, 2, 1, 1, 1, 2};
    const int thinkingOff[] = {3, 3, 4, 3, 4, 2, 3, 3, 3};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(NeutralFrame(n), neutral[n - 1]) << n;
        EXPECT_EQ(PleasedFrame(n), pleased[n - 1]) << n;
        EXPECT_EQ(DispleasedFrame(n), displeased[n - 1]) << n;
        EXPECT_EQ(ThinkingFace(n, true), thinkingOn[n - 1]) << n;
        EXPECT_EQ(ThinkingFace(n, false), thinkingOff[n - 1]) << n;
    }
    EXPECT_EQ(HitGestureFrames(6).first, 1);
    EXPECT_EQ(HitGestureFrames(6).second, 4);
    EXPECT_EQ(HitGestureFrames(5).first, HitGestureFrames(5).second);
}

TEST(Faces, ThinkingTicksAlternateTheWaitingSeatsFrames) {
    Game game;
    game.Seats[2].Number = 6;
    game.CurrentSeat = 2;
    game.ThinkingFrame = true;
    EXPECT_EQ(NextThinkingFace(game), 1);
    EXPECT_EQ(NextThinkingFace(game), 2);
    EXPECT_EQ(NextThinkingFace(game), 1);
    game.CurrentSeat = 0;
    EXPECT_EQ(NextThinkingFace(game), 0) << "nobody is waiting";
}

} // namespace
} // namespace dealmoor
