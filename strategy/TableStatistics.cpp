#include "strategy/TableStatistics.h"

#include "engine/Deal.h"

#include <algorithm>

namespace dealmoor {

namespace {

bool isSeat(int seat) {
    return seat >= 1 && seat <= MaxSeats;
}

// The cards of a hand as ranks, 0 after the last.
std::array<uint8_t, MaxHandCards> ranksOf(const Hand& hand) {
    std::array<uint8_t, MaxHandCards> ranks{};
    const int count = std::clamp(hand.CardCount, 0, MaxHandCards);
    for (int i = 0; i < count; ++i) {
        ranks[static_cast<size_t>(i)] = static_cast<uint8_t>(hand.Ranks[static_cast<size_t>(i)]);
    }
    return ranks;
}

void addCounts(SeatTally& into, const SeatTally& deal) {
    for (const TallyField<int64_t>& count : TallyCounts) {
        into.*count.Field += deal.*count.Field;
    }
}

void addDealTo(SeatTally& into, const SeatTally& deal, double initialBet, double net) {
    ++into.Deals;
    addCounts(into, deal);
    into.InitialBets += initialBet;
    into.Net += net;
    into.LargestWin = std::max(into.LargestWin, net);
    into.LargestLoss = std::min(into.LargestLoss, net);
}

// Whether the dealer's hand, as it ended, was a blackjack.
bool dealerHadBlackjack(const DealSummary& deal) {
    Hand dealer;
    dealer.CardCount = deal.DealerCardCount;
    for (int i = 0; i < deal.DealerCardCount; ++i) {
        dealer.Ranks[static_cast<size_t>(i)] = deal.DealerRanks[static_cast<size_t>(i)];
    }
    ComputeTotal(dealer);
    return dealer.CardCount == 2 && dealer.Total == 21;
}

} // namespace

int HintMiss::cardCount() const {
    return static_cast<int>(std::find(Ranks.begin(), Ranks.end(), 0) - Ranks.begin());
}

void TableStatistics::startNewGame() {
    for (SeatStatistics& seat : seats_) {
        seat.SinceGameBegan = SeatTally{};
        seat.Credits.clear();
        seat.FirstDeal = 1;
    }
    gameDeals_ = 0;
}

void TableStatistics::reset() {
    seats_ = {};
    gameDeals_ = 0;
    hasLastDeal_ = false;
}

void TableStatistics::beginDeal(const Game& game) {
    inDeal_ = true;
    current_ = DealSummary{};
    for (int s = 1; s <= MaxSeats; ++s) {
        deal_[static_cast<size_t>(s)] = SeatDeal{};
        deal_[static_cast<size_t>(s)].creditsBefore = game.Seats[static_cast<size_t>(s)].Credits;
    }
}

void TableStatistics::abandonDeal() {
    inDeal_ = false;
}

void TableStatistics::cardTaken(const Game& game, int slot) {
    if (!inDeal_ || slot < 0 || slot >= HandSlots) {
        return;
    }
    const Hand& hand = game.Hands[static_cast<size_t>(slot)];
    if (slot == DealerSlot) {
        current_.DealerRanks = ranksOf(hand);
        current_.DealerCardCount = std::clamp(hand.CardCount, 0, MaxHandCards);
        return;
    }
    const int seat = slot > MaxSeats ? slot - SecondHandOffset : slot;
    SeatDeal& deal = deal_[static_cast<size_t>(seat)];
    const Seat& owner = game.Seats[static_cast<size_t>(seat)];
    // Kept as the cards arrive: a busted hand leaves the table before it is settled.
    SettledHand& cards = current_.Seats[static_cast<size_t>(seat)].Hands[slot == seat ? 0 : 1];
    cards.Ranks = ranksOf(hand);
    cards.CardCount = std::clamp(hand.CardCount, 0, MaxHandCards);
    if (slot == seat && hand.CardCount == 1 && !owner.HasSplit) {
        // The seat's first card: its stake is down and it plays this deal.
        deal.played = true;
        deal.initialBet = owner.Bet;
        ++deal.tally.Hands;
    }
    if (slot == seat && hand.CardCount == 2 && hand.Total == 21 && !owner.HasSplit) {
        ++deal.tally.Blackjacks;
    }
}

void TableStatistics::stakePlaced(const Game& game, int seat, BetKind kind) {
    if (!inDeal_ || !isSeat(seat) || kind != BetKind::Insurance) {
        return;
    }
    const double insurance = game.Seats[static_cast<size_t>(seat)].InsuranceBet;
    if (insurance > 0) {
        ++deal_[static_cast<size_t>(seat)].tally.InsuranceTaken;
        current_.Seats[static_cast<size_t>(seat)].Insurance = insurance;
    }
}

void TableStatistics::humanDecision(const Game& game, int seat, int slot,
                                    const DecisionOffer& offered, Decision answer) {
    if (!inDeal_ || !isSeat(seat) || slot < 1 || slot >= HandSlots) {
        return;
    }
    // The engine takes an answer the hand is not offered as a stand.
    const Decision chosen = IsOffered(offered, answer) ? answer : Decision::Stand;
    const HintAction hinted = AdvisedAction(game, slot, offered);
    SeatTally& tally = deal_[static_cast<size_t>(seat)].tally;
    ++tally.Decisions;
    if (chosen == HintDecision(hinted, offered)) {
        ++tally.FollowedHint;
        return;
    }
    HintMiss miss;
    miss.Ranks = ranksOf(game.Hands[static_cast<size_t>(slot)]);
    miss.DealerRank = static_cast<uint8_t>(game.DealerHand().Ranks[1]);
    miss.Chosen = chosen;
    miss.Hinted = hinted;
    std::deque<HintMiss>& misses = seats_[static_cast<size_t>(seat)].Misses;
    misses.push_back(miss);
    while (misses.size() > HintMissesKept) {
        misses.pop_front();
    }
}

void TableStatistics::decided(const Game& game, int slot) {
    if (!inDeal_ || slot < 1 || slot >= HandSlots) {
        return;
    }
    const int seat = slot > MaxSeats ? slot - SecondHandOffset : slot;
    SeatTally& tally = deal_[static_cast<size_t>(seat)].tally;
    if (game.SplitRequested) {
        ++tally.Splits;
        ++tally.Hands;
    } else if (game.Decision == DecisionCode::Surrender) {
        ++tally.Surrenders;
    } else if (game.Decision == DecisionCode::TakeCard &&
               game.Hands[static_cast<size_t>(slot)].DoubleRequested) {
        ++tally.Doubles;
    }
}

void TableStatistics::handSettled(int seat, int slot, double stake, double returned) {
    if (!inDeal_ || !isSeat(seat)) {
        return;
    }
    SeatTally& tally = deal_[static_cast<size_t>(seat)].tally;
    if (returned > stake) {
        ++tally.Won;
    } else if (returned < stake) {
        ++tally.Lost;
    } else {
        ++tally.Pushed;
    }
    DealSummary::SeatPart& part = current_.Seats[static_cast<size_t>(seat)];
    const int index = slot == seat ? 0 : 1;
    SettledHand& hand = part.Hands[static_cast<size_t>(index)];
    hand.Stake = stake;
    hand.Returned = returned;
    part.HandCount = std::max(part.HandCount, index + 1);
}

void TableStatistics::endDeal(const Game& game) {
    if (!inDeal_) {
        return;
    }
    inDeal_ = false;
    bool anyPlayed = false;
    for (const SeatDeal& deal : deal_) {
        anyPlayed = anyPlayed || deal.played;
    }
    if (!anyPlayed) {
        return; // the deal was taken back: nobody put up a stake
    }
    const bool insurancePays = dealerHadBlackjack(current_);
    ++gameDeals_;
    for (int s = 1; s <= MaxSeats; ++s) {
        SeatDeal& deal = deal_[static_cast<size_t>(s)];
        const double after = game.Seats[static_cast<size_t>(s)].Credits;
        DealSummary::SeatPart& part = current_.Seats[static_cast<size_t>(s)];
        if (deal.played) {
            if (deal.tally.InsuranceTaken > 0 && insurancePays) {
                ++deal.tally.InsuranceWon;
                part.InsuranceReturned = 3 * part.Insurance;
            }
            part.Played = true;
            part.Net = after - deal.creditsBefore;
        }
        addDeal(s, deal, after - deal.creditsBefore, after);
    }
    lastDeal_ = current_;
    hasLastDeal_ = true;
}

void TableStatistics::addDeal(int seat, const SeatDeal& deal, double net, double creditsAfter) {
    SeatStatistics& record = seats_[static_cast<size_t>(seat)];
    if (deal.played) {
        addDealTo(record.SinceGameBegan, deal.tally, deal.initialBet, net);
        addDealTo(record.SinceReset, deal.tally, deal.initialBet, net);
    }
    record.Credits.push_back(creditsAfter);
    if (record.Credits.size() > CreditsKept) {
        record.Credits.erase(record.Credits.begin());
        ++record.FirstDeal;
    }
}

void TableStatistics::restore(const std::array<SeatStatistics, MaxSeats + 1>& seats,
                              int64_t gameDeals) {
    seats_ = seats;
    gameDeals_ = gameDeals;
    inDeal_ = false;
    hasLastDeal_ = false;
}

Decision StatisticsHost::AskDecision(int seat, int hand, const DecisionOffer& offered) {
    const Decision answer = inner_.AskDecision(seat, hand, offered);
    statistics_.humanDecision(game_, seat, hand, offered, answer);
    return answer;
}

void StatisticsHost::CardTaken(int slot) {
    statistics_.cardTaken(game_, slot);
    inner_.CardTaken(slot);
}

void StatisticsHost::StakePlaced(int seat, BetKind kind) {
    statistics_.stakePlaced(game_, seat, kind);
    inner_.StakePlaced(seat, kind);
}

void StatisticsHost::Decided(int slot) {
    statistics_.decided(game_, slot);
    inner_.Decided(slot);
}

void StatisticsHost::HandSettled(int seat, int slot, double stake, double returned) {
    statistics_.handSettled(seat, slot, stake, returned);
    inner_.HandSettled(seat, slot, stake, returned);
}

void PlayDealWithStatistics(Game& game, TableHost& host, TableStatistics& statistics) {
    if (game.DealInProgress) {
        return; // one deal at a time: PlayDeal would refuse it, and the running deal is noted
    }
    StatisticsHost recording(game, host, statistics);
    const int32_t dealsBefore = game.TotalHands;
    statistics.beginDeal(game);
    PlayDeal(game, recording);
    // A deal called off (the program is closing) is put back as if never
    // played and counts for nothing; one still running was cut short.
    if (game.DealInProgress || game.TotalHands == dealsBefore) {
        statistics.abandonDeal();
        return;
    }
    statistics.endDeal(game);
}

} // namespace dealmoor
