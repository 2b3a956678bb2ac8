#include "strategy/RatioEstimate.h"

#include <algorithm>
#include <cmath>

namespace dealmoor {

namespace {
constexpr double Z95 = 1.959963984540054; // two-sided 95% point of the normal law
}

void ResultSums::merge(const ResultSums& other) {
    Deals += other.Deals;
    Bets += other.Bets;
    Net += other.Net;
    BetSq += other.BetSq;
    NetSq += other.NetSq;
    NetBet += other.NetBet;
}

RatioEstimate EstimatePerUnit(const ResultSums& sums) {
    RatioEstimate estimate;
    if (sums.Deals == 0 || sums.Bets <= 0) {
        return estimate;
    }
    const double r = sums.Net / sums.Bets;
    estimate.PerUnit = r;
    if (sums.Deals < 2) {
        return estimate;
    }
    const double n = static_cast<double>(sums.Deals);
    // sum (x - r b)^2, expanded so that it can be taken from running sums.
    const double residualSq = std::max(0.0, sums.NetSq - 2 * r * sums.NetBet + r * r * sums.BetSq);
    const double meanBet = sums.Bets / n;
    const double standardError = std::sqrt(residualSq / (n * (n - 1))) / meanBet;
    estimate.HalfWidth = Z95 * standardError;
    return estimate;
}

} // namespace dealmoor
