#include "strategy/Evaluation.h"

#include "engine/Betting.h"
#include "engine/ComputerPlayer.h"
#include "engine/Deal.h"
#include "engine/Game.h"
#include "engine/Shoe.h"
#include "strategy/HintAdvice.h"
#include "strategy/QuietHost.h"

#include <optional>

namespace dealmoor {

namespace {

constexpr int PlayingSeat = 1;
// Credits the seat holds at the start of every deal: far beyond what one deal
// can stake, and small enough that every amount stays exact.
constexpr double SeatCredits = 1'000'000;
// A chunk looks at the stop flag this often (a few hundred microseconds of play).
constexpr int64_t StopCheckDeals = 512;

enum class Player { Card, Hints };

// The table of a simulation: nothing is shown, the seat's bet is the flat
// stake, insurance is always declined, and the seat decides by its card or by
// the hints. The engine judges and applies every answer as at the real table.
class EvaluationHost final : public QuietHost {
public:
    EvaluationHost(const Game& game, Player player, double stake)
        : game_(game), player_(player), stake_(stake) {}

    double AskBet(int, BetKind kind) override { return kind == BetKind::Stake ? stake_ : 0.0; }
    Decision AskDecision(int, int, const DecisionOffer& offered) override {
        return player_ == Player::Card ? DecideByCard(game_, offered)
                                       : DecideByHint(game_, offered);
    }

private:
    const Game& game_;
    Player player_;
    double stake_;
};

// The stake the seat puts down every deal: the table minimum (one credit when
// the rules name none).
double flatStake(const HouseRules& rules) {
    return rules.TableMin > 0 ? rules.TableMin : 1.0;
}

// The one seat, answered by the host (the engine asks a human seat), with its
// card in its slot and a shoe mixed from `seed`.
Game tableFor(const HouseRules& rules, const StrategyCard& card, uint32_t seed, bool fastShuffle) {
    Game game;
    game.HouseRules = rules;
    ResetGameState(game);
    game.SeatCount = PlayingSeat;
    Seat& seat = game.Seats[PlayingSeat];
    seat.Number = 1;
    seat.Human = true;
    seat.Credits = SeatCredits;
    game.StrategyCards[PlayingSeat] = card;
    game.Random = RandomSource{seed, SeedSource::Kept, fastShuffle};
    ShuffleShoe(game, nullptr);
    return game;
}

bool stakeAccepted(const HouseRules& rules) {
    Game game;
    game.HouseRules = rules;
    game.Seats[PlayingSeat].Credits = SeatCredits;
    return JudgeBet(game, PlayingSeat, flatStake(rules)) == BetVerdict::Placed;
}

struct Table {
    Game game;
    EvaluationHost host;

    Table(const HouseRules& rules, const StrategyCard& card, Player player, uint32_t seed,
          bool fastShuffle)
        : game(tableFor(rules, card, seed, fastShuffle)), host(game, player, flatStake(rules)) {}
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // One deal from the shoe as it stands; the seat's net.
    double playDeal() {
        Seat& seat = game.Seats[PlayingSeat];
        seat.Credits = SeatCredits;
        game.TotalHands = 0; // read only by the caption; kept from growing
        PlayDeal(game, host);
        return seat.Credits - SeatCredits;
    }
    // The next deal comes from the same shoe, at the same place, as `other`'s.
    void dealFromShoeOf(const Table& other) {
        game.Shoe = other.game.Shoe;
        game.Random = other.game.Random;
    }
};

std::optional<CardTest> playCardChunk(const HouseRules& rules, const StrategyCard& card,
                                      const SimulationPlan& plan, int64_t chunk, int64_t deals,
                                      const StopSignal& stop) {
    const uint32_t seed = SeedForPart(plan.Seed, static_cast<uint64_t>(chunk));
    Table hints(rules, card, Player::Hints, seed, plan.FastShuffle);
    Table byCard(rules, card, Player::Card, seed, plan.FastShuffle);
    const double stake = flatStake(rules);
    CardTest tally;
    for (int64_t deal = 0; deal < deals; ++deal) {
        if (deal % StopCheckDeals == 0 && stop.raised()) {
            return std::nullopt;
        }
        byCard.dealFromShoeOf(hints);
        const double cardNet = byCard.playDeal();
        const double hintsNet = hints.playDeal();
        tally.Card.add(stake, cardNet);
        tally.Hints.add(stake, hintsNet);
        tally.Difference.add(stake, cardNet - hintsNet);
    }
    return tally;
}

std::optional<HouseEdge> playHintsChunk(const HouseRules& rules, const SimulationPlan& plan,
                                        int64_t chunk, int64_t deals, const StopSignal& stop) {
    const uint32_t seed = SeedForPart(plan.Seed, static_cast<uint64_t>(chunk));
    Table hints(rules, StrategyCard{}, Player::Hints, seed, plan.FastShuffle);
    const double stake = flatStake(rules);
    HouseEdge tally;
    for (int64_t deal = 0; deal < deals; ++deal) {
        if (deal % StopCheckDeals == 0 && stop.raised()) {
            return std::nullopt;
        }
        tally.Hints.add(stake, hints.playDeal());
    }
    return tally;
}

// A run of the one seat: nothing at all when the rules take no stake.
template <typename Tally, typename Play, typename Settled>
RunOutcome<Tally> runOneSeat(const HouseRules& rules, const SimulationPlan& plan, Play play,
                             const std::function<void(const Tally&)>& progress, Settled settled,
                             const std::atomic<bool>& stop) {
    RunOutcome<Tally> outcome;
    if (!stakeAccepted(rules)) {
        outcome.Playable = false;
        return outcome;
    }
    outcome.End = RunInChunks(
        plan, play,
        [&](const Tally& soFar) {
            if (progress) {
                progress(soFar);
            }
            return settled(soFar);
        },
        stop, outcome.Figures);
    return outcome;
}

// ---- Cells --------------------------------------------------------------------

// The dealer's up card for a column: 2..9, a ten, an ace.
int upCardRank(int column) {
    const int value = column + 1;
    return value == 11 ? 1 : value;
}

struct RowHand {
    int first = 0;
    int second = 0;
    bool pair = false;
};

// The hand that stands for a row (see CellAdvice).
RowHand handForRow(int row) {
    constexpr int LastPairRow = 10;
    constexpr int LastSoftRow = 18;
    if (row <= LastPairRow) {
        const int value = 12 - row;
        const int rank = value == 11 ? 1 : value;
        return {rank, rank, true};
    }
    if (row <= LastSoftRow) {
        return {1, 31 - row - 11, false};
    }
    const int total = 39 - row;
    if (total >= 12) {
        return {10, total - 10, false};
    }
    if (total == 4) {
        return {2, 2, false};
    }
    const int high = total / 2 + 1;
    return {high, total - high, false};
}

Game gameWithHand(const HouseRules& rules, const RowHand& cards, int upRank) {
    Game game;
    game.HouseRules = rules;
    game.CurrentSeat = PlayingSeat;
    Hand& hand = game.Hands[PlayingSeat];
    hand.CardCount = 2;
    hand.Ranks[0] = cards.first;
    hand.Ranks[1] = cards.second;
    ComputeTotal(hand);
    Hand& dealer = game.DealerHand();
    dealer.CardCount = 2;
    dealer.Ranks[0] = 10; // the hole card, unseen
    dealer.Ranks[1] = upRank;
    ComputeTotal(dealer);
    return game;
}

Decision hintDecision(const Game& game, const DecisionOffer& offer) {
    return HintDecision(AdvisedAction(game, PlayingSeat, offer), offer);
}

uint8_t codeFor(Decision first, Decision later) {
    const bool hits = later == Decision::Hit;
    switch (first) {
    case Decision::Split:
        return hits ? ActionSplitHit : ActionSplitStand;
    case Decision::Double:
        return hits ? ActionDoubleHit : ActionDoubleStand;
    case Decision::Hit:
        return ActionHit;
    default:
        return ActionStand;
    }
}

CellAdvice adviceForCell(const HouseRules& rules, uint8_t code, int column, int row) {
    const RowHand cards = handForRow(row);
    const Game game = gameWithHand(rules, cards, upCardRank(column));
    const DecisionOffer first{CanDouble(game), cards.pair, false};
    const DecisionOffer later{};
    const Decision hintFirst = hintDecision(game, first);
    const Decision hintLater = hintDecision(game, later);
    CellAdvice advice;
    advice.HintCode = codeFor(hintFirst, hintLater);
    advice.Differs = DecisionForCode(code, first) != hintFirst;
    if (!cards.pair) {
        advice.Differs = advice.Differs || DecisionForCode(code, later) != hintLater;
    }
    return advice;
}

} // namespace

void CardTest::merge(const CardTest& other) {
    Card.merge(other.Card);
    Hints.merge(other.Hints);
    Difference.merge(other.Difference);
}

CardTestOutcome TestStrategyCard(const HouseRules& rules, const StrategyCard& card,
                                 const SimulationPlan& plan, const CardTestProgress& progress,
                                 const std::atomic<bool>& stop) {
    return runOneSeat<CardTest>(
        rules, plan,
        [&](int64_t chunk, int64_t deals, const StopSignal& signal) {
            return playCardChunk(rules, card, plan, chunk, deals, signal);
        },
        progress, [](const CardTest&) { return false; }, stop);
}

RatioEstimate HouseEdge::edge() const {
    RatioEstimate player = EstimatePerUnit(Hints);
    player.PerUnit = -player.PerUnit;
    return player;
}

void HouseEdge::merge(const HouseEdge& other) {
    Hints.merge(other.Hints);
}

HouseEdgeOutcome MeasureHouseEdge(const HouseRules& rules, const SimulationPlan& plan,
                                  double precision, const HouseEdgeProgress& progress,
                                  const std::atomic<bool>& stop) {
    return runOneSeat<HouseEdge>(
        rules, plan,
        [&](int64_t chunk, int64_t deals, const StopSignal& signal) {
            return playHintsChunk(rules, plan, chunk, deals, signal);
        },
        progress,
        [precision](const HouseEdge& soFar) {
            return soFar.deals() >= 2 && soFar.edge().HalfWidth <= precision;
        },
        stop);
}

CardAdvice CompareWithHints(const HouseRules& rules, const StrategyCard& card) {
    CardAdvice advice;
    for (int column = 1; column <= CardColumns; ++column) {
        for (int row = 1; row <= CardRows; ++row) {
            advice[StrategyCard::cellIndex(column, row)] =
                adviceForCell(rules, card.cell(column, row), column, row);
        }
    }
    return advice;
}

} // namespace dealmoor
