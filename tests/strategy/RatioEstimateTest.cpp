// The result per unit of initial bet and its interval, from running sums.

#include "strategy/RatioEstimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace dealmoor {
namespace {

TEST(RatioEstimate, RatioAndIntervalMatchTheDirectFormula) {
    const std::vector<std::pair<double, double>> deals = {
        {10, 10}, {10, -10}, {5, 7.5}, {10, 0}, {20, -40}, {10, 20}, {5, -5}, {10, -10}};
    ResultSums sums;
    double sumBet = 0;
    double sumNet = 0;
    for (const auto& [bet, net] : deals) {
        sums.add(bet, net);
        sumBet += bet;
        sumNet += net;
    }
    const double n = static_cast<double>(deals.size());
    const double r = sumNet / sumBet;
    double residualSq = 0;
    for (const auto& [bet, net] : deals) {
        residualSq += (net - r * bet) * (net - r * bet);
    }
    const double se = std::sqrt(residualSq / (n * (n - 1))) / (sumBet / n);
    const RatioEstimate e = EstimatePerUnit(sums);
    EXPECT_DOUBLE_EQ(e.PerUnit, r);
    EXPECT_NEAR(e.HalfWidth, 1.959964 * se, 1e-6);
}

TEST(RatioEstimate, MergedSumsGiveTheSameEstimate) {
    ResultSums all;
    ResultSums a;
    ResultSums b;
    for (int i = 0; i < 40; ++i) {
        const double bet = 5.0 + i % 3;
        const double net = (i % 5 == 0 ? 1.5 : (i % 2 ? -1.0 : 1.0)) * bet;
        all.add(bet, net);
        (i < 17 ? a : b).add(bet, net);
    }
    a.merge(b);
    EXPECT_DOUBLE_EQ(EstimatePerUnit(a).PerUnit, EstimatePerUnit(all).PerUnit);
    EXPECT_NEAR(EstimatePerUnit(a).HalfWidth, EstimatePerUnit(all).HalfWidth, 1e-12);
}

TEST(RatioEstimate, NoDealsGiveNoEstimate) {
    const RatioEstimate e = EstimatePerUnit(ResultSums{});
    EXPECT_EQ(e.PerUnit, 0);
    EXPECT_EQ(e.HalfWidth, 0);
}

} // namespace
} // namespace dealmoor
