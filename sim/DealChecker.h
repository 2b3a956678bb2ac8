#pragma once
// --check: watches a deal through the host's calls and, when it ends, verifies
// that the table is tidy and that every seat's credits moved by exactly what
// the payout table gives for the events the deal showed. The expected change
// is rebuilt from the stakes seen placed (first card, split, double) and the
// balloons and table texts that settle them, never from the engine's own sums.

#include "engine/Game.h"
#include "engine/TableHost.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace dealmoor::sim {

class DealChecker {
public:
    // label names the table in messages ("" for a single table).
    DealChecker(const Game& game, std::string label) : game_(game), label_(std::move(label)) {}

    void beginDeal(int64_t deal);
    // Called from the host's calls of every deal: kept out of line, so that a
    // run without a check does not carry their weight on every card.
    [[gnu::noinline]] void cardTaken(int slot);
    [[gnu::noinline]] void insurancePlaced(int seat, double stake);
    [[gnu::noinline]] void decided(int slot);
    [[gnu::noinline]] void balloon(std::string_view first, std::string_view second);
    [[gnu::noinline]] void tableText(TableText text, bool secondHand);
    // False at the first break; failure() then says what broke.
    bool endDeal();

    bool ok() const { return failure_.empty(); }
    const std::string& failure() const { return failure_; }

private:
    // What the checker knows of one seat's money in the current deal.
    struct SeatBook {
        double before = 0; // credits when the deal started
        double placed = 0; // every stake that left the credits
        double paid = 0;   // everything settlement gave back
        double insurance = 0;
        std::array<double, 2> stake{}; // first and second hand
        std::array<bool, 2> live{};    // the hand's stake is still on the table
        std::array<bool, 2> doubled{};
        bool split = false;
    };

    void fail(int seat, const std::string& what);
    void settleHand(int seat, int hand, std::string_view word);
    void settleSplitWords(int seat, std::string_view words);
    void pay(int seat, int hand, double times);
    void checkTable();
    void checkSeat(int seat);

    const Game& game_;
    std::string label_;
    int64_t deal_ = 0;
    bool dealerBlackjack_ = false;
    std::array<SeatBook, MaxSeats + 1> books_{};
    std::string failure_;
};

} // namespace dealmoor::sim
