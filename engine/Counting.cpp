#include "engine/Counting.h"

namespace dealmoor {

long double DecksRemaining(int shoeCards, int cardsGone) {
    return (shoeCards - cardsGone) * (1.0L / CardsPerDeck);
}

long double TrueCount(int runningCount, int shoeCards, int cardsGone) {
    if (cardsGone == 0 || shoeCards - cardsGone <= 0) {
        return 0.0L;
    }
    return runningCount / DecksRemaining(shoeCards, cardsGone);
}

StoredCounts StoredCountsOf(const Game& game) {
    return {game.CountedCards, game.HiOpt1Count, game.HiOpt2Count, game.HouseRules.Cards};
}

} // namespace dealmoor
