#include "engine/GameControl.h"

#include "engine/Deal.h"
#include "engine/Shoe.h"
#include "engine/TableHost.h"

namespace dealmoor {

AutoDealSwitch SwitchAutoDeal(Game& game, bool on) {
    if (!on) {
        return {StopAutoDeal(game), false};
    }
    game.AutoDealsLeft = AutoDealUnlimited;
    return {AutoDealOffCaption, !game.DealInProgress};
}

bool AutoDealStopRequested(const Game& game, std::string_view dealButtonCaption) {
    return game.DealInProgress && dealButtonCaption == AutoDealOffCaption;
}

std::string_view StopAutoDeal(Game& game) {
    game.AutoDealsLeft = 0;
    return DealCaption;
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

void ShuffleAndDeal(Game& game, TableHost& host) {
    ShuffleShoe(game, &host);
    Button6Click(game, host);
}

} // namespace dealmoor
