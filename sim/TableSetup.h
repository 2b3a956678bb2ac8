#pragma once
// The table the simulator plays: the seats, rules and strategy cards of a
// first run, or those a settings file holds. Everything is read, nothing is
// written: a seat whose card file is missing gets the default card in memory.

#include "engine/Game.h"
#include "sim/Report.h"

#include <string>

namespace dealmoor::sim {

struct TableSetup {
    std::string error;  // the settings file cannot be read
    SeatPlay play;      // how each seat plays, for the report
    SeatPlay cardFiles; // the card file each seat was given; "" for the default card
};

// settingsFile "" gives the first-run table.
TableSetup PrepareTable(Game& game, const std::string& settingsFile);

} // namespace dealmoor::sim
