#include "engine/GameControl.h"

#include "engine/Deal.h"
#include "engine/Shoe.h"
#include "engine/TableHost.h"

namespace dealmoor {

bool AutoDealOn(const Game& game) {
    return game.AutoDealsLeft > 0;
}

bool SwitchAutoDeal(Game& game, bool on) {
    if (!on) {
        StopAutoDeal(game);
        return false;
    }
    game.AutoDealsLeft = AutoDealUnlimited;
    return !game.DealInProgress;
}

bool AutoDealStopRequested(const Game& game) {
    return game.DealInProgress && AutoDealOn(game);
}

void StopAutoDeal(Game& game) {
    game.AutoDealsLeft = 0;
}

bool CanStartDeal(const Game& game) {
    return !game.DealInProgress;
}

bool CanStartNewGame(const Game& game) {
    return !game.DealInProgress;
}

void ResetForNewGame(Game& game, TableHost& host) {
    host.SetCaption(game.BaseCaption);
    game.CurrentSeat = 1;
}

bool NewGameDealsAtOnce(const Game& game) {
    return game.TotalHands == 0;
}

bool ShuffleInView(Game& game, TableHost& host) {
    try {
        ShuffleShoe(game, &host);
    } catch (const DealCalledOff&) {
        // The program is closing in the middle of the show: the shoe is mixed
        // quietly and nothing is dealt.
        ShuffleShoe(game, nullptr);
        return false;
    }
    return true;
}

void ShuffleAndDeal(Game& game, TableHost& host) {
    if (ShuffleInView(game, host)) {
        PlayDeal(game, host);
    }
}

} // namespace dealmoor
