// The numbers library plays on the same engine as the simulator: the house
// edge it measures is the simulator's figure for the same cards.

#include "engine/Game.h"
#include "engine/HouseRules.h"
#include "sim/SimTable.h"
#include "strategy/Evaluation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

namespace dealmoor {
namespace {

TEST(NumbersAgree, TheHouseEdgeIsTheSimulatorsFigureForTheSameShoes) {
    constexpr uint32_t Seed = 424242;
    constexpr int64_t Deals = 200'000;
    HouseRules rules;
    ApplyStandardRules(rules);

    // The simulator: one human seat played by the hints, refilled as it needs.
    Game prototype;
    prototype.HouseRules = rules;
    ResetGameState(prototype);
    prototype.SeatCount = 1;
    prototype.Seats[1].Credits = 5000;
    prototype.Random.FastShuffle = true;
    sim::SimTable table(prototype, sim::TableConfig{}, Seed, "");
    ASSERT_EQ(table.start(), "");
    table.play(Deals);
    const ResultSums& simulated = table.stats().Seats[1];

    // The numbers library, in one chunk, so that it deals from the same shoes.
    SimulationPlan plan;
    plan.Deals = Deals;
    plan.ChunkDeals = Deals;
    plan.Seed = Seed;
    std::atomic<bool> stop{false};
    const HouseEdgeOutcome outcome = MeasureHouseEdge(rules, plan, 0.0, nullptr, stop);
    const ResultSums& measured = outcome.Figures.Hints;

    EXPECT_EQ(measured.Deals, simulated.Deals);
    EXPECT_EQ(measured.Bets, simulated.Bets);
    EXPECT_EQ(measured.Net, simulated.Net);
    EXPECT_EQ(measured.NetSq, simulated.NetSq);
    const RatioEstimate edge = outcome.Figures.edge();
    const RatioEstimate player = EstimatePerUnit(simulated);
    EXPECT_LE(std::abs(edge.PerUnit + player.PerUnit), edge.HalfWidth);
    EXPECT_GT(edge.HalfWidth, 0);

    // Cut into chunks of other shoes, the figure still lies within the interval of both.
    plan.ChunkDeals = 20'000;
    const RatioEstimate chunked = MeasureHouseEdge(rules, plan, 0.0, nullptr, stop).Figures.edge();
    EXPECT_LE(std::abs(chunked.PerUnit - edge.PerUnit), edge.HalfWidth + chunked.HalfWidth);
}

} // namespace
} // namespace dealmoor
