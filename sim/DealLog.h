#pragma once
// The --log lines: every card, decision, hint, balloon, table text and
// settlement of a deal, one item a line, in the order they happen.

#include "engine/TableHost.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace dealmoor {
struct Game;
}

namespace dealmoor::sim {

class DealLog {
public:
    DealLog(const Game& game, std::FILE* out) : game_(game), out_(out) {}

    // Called from the host's calls of every deal: kept out of line, so that a
    // run without a log does not carry their weight on every card.
    [[gnu::noinline]] void card(int slot);
    [[gnu::noinline]] void decision(int slot);
    [[gnu::noinline]] void hint(int slot);
    [[gnu::noinline]] void balloon(std::string_view first, std::string_view second);
    [[gnu::noinline]] void tableText(TableText text, bool secondHand);
    [[gnu::noinline]] void settled(int seat);
    [[gnu::noinline]] void shuffle();
    void topUp(int seat, double credits);
    // "deal N credits C1 C2 ... Cn" for the seats in play.
    void dealCredits(int64_t deal);

private:
    void line(const std::string& text);

    const Game& game_;
    std::FILE* out_;
};

// The word the log gives a decision just taken for a hand slot.
std::string_view DecisionWord(const Game& game, int slot);

// "1" for a seat's first hand, "2" for its second hand after a split.
int HandNumber(int slot);

} // namespace dealmoor::sim
