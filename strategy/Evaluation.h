#pragma once
// What a strategy card and a set of house rules are worth, worked out by
// playing them on the engine without a window.
//
// One seat plays alone at the table, with a flat stake of the table minimum
// every deal; it never insures and never surrenders. It plays either a given
// strategy card or the hints' strategy (the basic strategy the decision
// window's hints give). Runs are cut into chunks and played on worker threads
// (strategy/Simulation.h): the figures depend only on the rules, the card and
// the plan, never on the number of threads.

#include "engine/HouseRules.h"
#include "engine/StrategyCard.h"
#include "strategy/RatioEstimate.h"
#include "strategy/Simulation.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>

namespace dealmoor {

// ---- A strategy card against the hints -----------------------------------------

// A card played side by side with the hints' strategy on the same shoes: before
// every deal the card's table takes a copy of the hints' table's shoe, so both
// see the same cards from the same place and the difference between them is
// measured far more tightly than either result alone.
struct CardTest {
    ResultSums Card;       // per deal: the initial bet and the card's net
    ResultSums Hints;      // per deal: the initial bet and the hints' net
    ResultSums Difference; // per deal: the initial bet and the card's net minus the hints'

    int64_t deals() const { return Card.Deals; }
    void merge(const CardTest& other);
};

// How a run went and what it found.
template <typename Tally> struct RunOutcome {
    Tally Figures;
    RunEnd End = RunEnd::Complete;
    bool Playable = true; // false: the rules let no stake be placed, nothing was played
};

using CardTestOutcome = RunOutcome<CardTest>;

// Called on the calling thread after every chunk with the figures so far.
using CardTestProgress = std::function<void(const CardTest&)>;

// Plays `card` and the hints' strategy under `rules` for plan.Deals deals each.
CardTestOutcome TestStrategyCard(const HouseRules& rules, const StrategyCard& card,
                                 const SimulationPlan& plan, const CardTestProgress& progress,
                                 const std::atomic<bool>& stop);

// ---- The house edge of a set of rules ------------------------------------------

// The hints' strategy played alone.
struct HouseEdge {
    ResultSums Hints;

    int64_t deals() const { return Hints.Deals; }
    // What the house keeps per unit of initial bet (positive when the house
    // wins), with the half-width of its 95% interval.
    RatioEstimate edge() const;
    void merge(const HouseEdge& other);
};

// A house edge is settled once its interval is this narrow on either side.
inline constexpr double HouseEdgePrecision = 0.0005;

using HouseEdgeOutcome = RunOutcome<HouseEdge>;

// Called on the calling thread after every chunk, each time with a narrower interval.
using HouseEdgeProgress = std::function<void(const HouseEdge&)>;

// Plays the hints' strategy under `rules` until the interval's half-width is at
// most `precision`, plan.Deals deals at the most.
HouseEdgeOutcome MeasureHouseEdge(const HouseRules& rules, const SimulationPlan& plan,
                                  double precision, const HouseEdgeProgress& progress,
                                  const std::atomic<bool>& stop);

// ---- Where a card parts from the hints -----------------------------------------

// One cell of a card compared with the hints under some rules.
//
// Each row is represented by one hand of two cards: the pair itself (two aces,
// two tens, ...), an ace with the other card for a soft total, and for a hard
// total a ten with the rest from 12 up, the two most even cards below (6-5 for
// 11, 6-4 for 10, ..., 2-2 for 4). The hand is looked at as the first decision
// of a seat (doubling offered when the rules allow it for that total, splitting
// on a pair row) and, on soft and hard rows, as a later decision with nothing
// but a hit or a stand offered. The cell differs when the card's code plays
// either of them otherwise than the hints advise.
//
// The hints' action is written as a card code: 'P' or 'p' when they split
// ('P' when the hand would be hit if it could not split), 'D' or 'd' when they
// double ('D' when they would hit if doubling were not allowed), otherwise
// 'H' or 'S'.
struct CellAdvice {
    bool Differs = false;
    uint8_t HintCode = ActionStand;
};

// Indexed like StrategyCard::Cells (StrategyCard::cellIndex).
using CardAdvice = std::array<CellAdvice, CardCells>;

CardAdvice CompareWithHints(const HouseRules& rules, const StrategyCard& card);

} // namespace dealmoor
