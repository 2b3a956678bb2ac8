#include "DealFixture.h"
#include "RecordingHost.h"

#include "engine/Deal.h"
#include "engine/GameControl.h"

#include <gtest/gtest.h>

#include <string>

namespace dealmoor {
namespace {

using enginetest::DealTable;

TEST(AutoDeal, SwitchingOnArmsTheTimerOnlyBetweenDeals) {
    for (bool dealRunning : {false, true}) {
        Game game;
        game.DealInProgress = dealRunning;
        EXPECT_EQ(SwitchAutoDeal(game, true), !dealRunning);
        EXPECT_EQ(game.AutoDealsLeft, AutoDealUnlimited);
        EXPECT_TRUE(AutoDealOn(game));

        EXPECT_FALSE(SwitchAutoDeal(game, false));
        EXPECT_EQ(game.AutoDealsLeft, 0);
        EXPECT_FALSE(AutoDealOn(game));
    }
}

TEST(AutoDeal, PressingDealDuringAnAutomaticDealAsksToStop) {
    Game game;
    game.AutoDealsLeft = AutoDealUnlimited;
    EXPECT_FALSE(AutoDealStopRequested(game)) << "between deals Deal deals";
    game.DealInProgress = true;
    EXPECT_TRUE(AutoDealStopRequested(game));
    StopAutoDeal(game);
    EXPECT_EQ(game.AutoDealsLeft, 0);
    EXPECT_FALSE(AutoDealStopRequested(game)) << "a deal by hand is not stopped";
}

TEST(AutoDeal, AnAutomaticDealThatNobodyBetsOnStopsTheChain) {
    DealTable table(1);
    SwitchAutoDeal(table.game, true);
    ASSERT_TRUE(CanStartDeal(table.game));
    PlayDeal(table.game, table.host);
    EXPECT_FALSE(table.host.has("arm"));
    EXPECT_EQ(table.game.AutoDealsLeft, AutoDealUnlimited) << "still on: the next Deal resumes";

    table.bet(1, 10);
    PlayDeal(table.game, table.host);
    EXPECT_TRUE(table.host.has("arm"));
}

TEST(NewGame, RefusedWhileADealRuns) {
    Game game;
    EXPECT_TRUE(CanStartNewGame(game));
    game.DealInProgress = true;
    EXPECT_FALSE(CanStartNewGame(game));
    EXPECT_FALSE(CanStartDeal(game));
}

TEST(NewGame, ConfirmedSetUpShufflesVisiblyAndDealsAtOnce) {
    DealTable table(1);
    table.game.Shoe.ShoePos = 90;
    table.game.HiOpt1Count = 4;
    table.game.TotalHands = 0; // the set-up window's OK
    table.game.CurrentSeat = 4;
    table.bet(1, 10);

    ResetForNewGame(table.game, table.host);
    EXPECT_EQ(table.host.caption, "Dealmoor 97");
    EXPECT_EQ(table.game.CurrentSeat, 1);
    ASSERT_TRUE(NewGameDealsAtOnce(table.game));
    ShuffleAndDeal(table.game, table.host);

    EXPECT_LT(table.host.find("shuffling"), table.host.find("bet 1"));
    EXPECT_EQ(table.game.TotalHands, 1);
    EXPECT_LT(table.game.Shoe.ShoePos, 20) << "dealt from the fresh shoe";
}

TEST(NewGame, ClosingDuringTheShuffleDealsNothing) {
    DealTable table(1);
    table.bet(1, 10);
    table.game.Shoe.ShoePos = 90;
    table.host.callOffAt = "shuffling";
    ShuffleAndDeal(table.game, table.host);
    EXPECT_FALSE(table.host.has("bet 1"));
    EXPECT_EQ(table.game.TotalHands, 0);
    EXPECT_EQ(table.game.Shoe.ShoePos, 1) << "the shoe is fresh all the same";
}

TEST(NewGame, CancelledSetUpAfterSomeDealsDealsNothing) {
    Game game;
    game.TotalHands = 6;
    EXPECT_FALSE(NewGameDealsAtOnce(game));
}

} // namespace
} // namespace dealmoor
