#pragma once
// A result per unit of initial bet, with its 95% confidence interval, from the
// running sums of many deals.
//
// Method: each deal gives a pair (b, x) - the initial bet and the net result
// (credits after minus credits before; doubled and split stakes are part of x,
// never of b). The estimate is the ratio R = sum x / sum b. Its standard error
// comes from the delta method for a ratio of means: with the residuals
// d = x - R b, SE(R) = sqrt(sum d^2 / (n (n - 1))) / mean(b), and the interval
// is R +- 1.96 SE. Where several seats share a deal, b and x are the sums over
// those seats of one deal, because the seats of one deal share the dealer's
// hand. A difference between two strategies played on the same cards is
// estimated the same way from the pairs (b, x1 - x2).

#include <cstdint>

namespace dealmoor {

// Running sums of the (b, x) pairs of the deals in which a stake was placed.
struct ResultSums {
    int64_t Deals = 0;
    double Bets = 0;   // sum b
    double Net = 0;    // sum x
    double BetSq = 0;  // sum b^2
    double NetSq = 0;  // sum x^2
    double NetBet = 0; // sum x b

    void add(double bet, double net) {
        ++Deals;
        Bets += bet;
        Net += net;
        BetSq += bet * bet;
        NetSq += net * net;
        NetBet += net * bet;
    }
    void merge(const ResultSums& other);
};

struct RatioEstimate {
    double PerUnit = 0;   // net per unit of initial bet
    double HalfWidth = 0; // of the 95% interval; 0 when fewer than two deals
};

RatioEstimate EstimatePerUnit(const ResultSums& sums);

} // namespace dealmoor
