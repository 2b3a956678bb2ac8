// A whole settings file, whatever it holds, loaded as the table loads it and
// then played: every value comes into the range where the rules hold (shoe
// size, seats, characters, table limits, payoff, money), and twenty checked
// deals keep every stake above nothing and every seat's money to the cent.

#include "engine/Money.h"
#include "fuzz/FuzzSupport.h"
#include "sim/SimTable.h"
#include "sim/TableSetup.h"

#include <cmath>
#include <string>

using namespace dealmoor;
using namespace dealmoor::sim;

namespace {

constexpr int Deals = 20;

void checkRanges(const Game& game) {
    const HouseRules& r = game.HouseRules;
    FUZZ_CHECK(r.Cards >= CardsPerDeck && r.Cards <= MaxShoeCards,
               "a shoe of " + std::to_string(r.Cards) + " cards");
    FUZZ_CHECK(game.SeatCount >= 1 && game.SeatCount <= MaxSeats,
               std::to_string(game.SeatCount) + " seats in play");
    FUZZ_CHECK(r.TableMin >= LowestTableMin && r.TableMin <= r.TableMax && r.TableMax <= MoneyLimit,
               "table limits " + FormatFileMoney(r.TableMin) + ".." + FormatFileMoney(r.TableMax));
    FUZZ_CHECK(r.BlackjackPays >= LowestBlackjackPays && r.BlackjackPays <= HighestBlackjackPays,
               "a blackjack paying " + FormatFilePayoff(r.BlackjackPays));
    for (int s = 1; s <= MaxSeats; ++s) {
        const Seat& seat = game.Seats[s];
        FUZZ_CHECK(CharacterExists(seat.Number),
                   "seat " + std::to_string(s) + " holds character " + std::to_string(seat.Number));
        FUZZ_CHECK(std::isfinite(seat.Credits) && std::abs(seat.Credits) <= MoneyLimit &&
                       std::isfinite(seat.Borrowed) && std::abs(seat.Borrowed) <= MoneyLimit,
                   "seat " + std::to_string(s) + " holds money beyond the limit");
        FUZZ_CHECK(seat.LastBet >= 0 && seat.LastBet <= MoneyLimit,
                   "seat " + std::to_string(s) + " last bet " + FormatFileMoney(seat.LastBet));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteScratchFile(
        "DMOOR.INI", std::string_view(reinterpret_cast<const char*>(data), size));
    Game table;
    const TableSetup setup = PrepareTable(table, path);
    FUZZ_CHECK(setup.error.empty(), "a settings file was refused: " + setup.error);
    checkRanges(table);

    TableConfig config;
    config.Check = true;
    config.TopUp = false;
    SimTable play(table, config, 1, "");
    FUZZ_CHECK(play.start().empty(), "the table could not start");
    play.play(Deals);
    FUZZ_CHECK(play.failure().empty(), "a checked deal broke: " + play.failure());
    return 0;
}
