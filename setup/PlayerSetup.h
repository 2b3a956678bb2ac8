#pragma once
// The player set-up of a new game: how many seats play and, for each of the six
// seats, its character, whether the player or the house plays it, and its name.
// The set-up window shows rows read from the seats when it opens and keeps the
// changes in them; only OK copies them back, every seat with fresh money. What
// each seat's strategy file records when the window closes is decided here too.

#include "engine/Game.h"

#include <array>
#include <string>

namespace dealmoor {

// One seat row of the set-up window.
struct SetupRow {
    int Number = 1; // character 1..9
    bool Human = false;
    std::string Name;
};

struct PlayerSetup {
    int SeatCount = MaxSeats;
    std::array<SetupRow, MaxSeats + 1> Rows{}; // 1..6
};

// The rows as the window opens: the seats as they are now.
PlayerSetup ReadPlayerSetup(const Game& game);

// The character after `number` on a row's character button: 1 follows 9.
int NextCharacter(int number);
// A row's character button: the next character, whose name the row takes,
// a human row too.
void CycleCharacter(SetupRow& row);
// A row's control button: a computer row becomes human, named "Human Player";
// a human row becomes a computer row named after its character.
void ToggleControl(SetupRow& row);

// OK: the deal counter starts again, the seat count and every row, hidden rows
// included, go into the seats, and every seat, in play or not, gets 5000 credits
// all borrowed and no stake.
void CommitPlayerSetup(Game& game, const PlayerSetup& setup);

// The strategy cards taken for seats during one visit of the set-up window.
class CardPicks {
public:
    // Seat `seat` took a card from a file recorded as `stem` ("" when the file
    // cannot be recorded: the seat plays the card, but records its default).
    void Record(int seat, std::string stem);
    // The stem recorded for the seat during this visit; "" when none was.
    const std::string& Picked(int seat) const;
    // Whether the seat took a card during this visit.
    bool Taken(int seat) const;

private:
    std::array<std::string, MaxSeats + 1> stems_{};
    std::array<bool, MaxSeats + 1> taken_{};
};

// A card read from a picked file becomes the card shown for editing and the
// seat's card, and the seat records the file when the next start-up finds it.
void TakePickedCard(Game& game, CardPicks& picks, int seat, const StrategyCard& card,
                    const std::string& path, const std::string& dataDir);
// The card edited in the edit slot, saved to `path`, becomes the seat's card
// again, and the seat records the saved file in the same way.
void TakeSavedCard(Game& game, CardPicks& picks, int seat, const std::string& path,
                   const std::string& dataDir);

// Closing the set-up window, by OK or its close box: a seat with a card picked
// during the visit records that card; every other seat records its character's
// default card. Returns the seats that took no card and now record another
// file than before: their slots are to be loaded from it, so that they play
// the card their recorded file holds.
std::array<bool, MaxSeats + 1> CloseSetup(Game& game, const CardPicks& picks);

// The stem a picked card file is recorded under: its name without folder and
// extension, as it is, so the next start-up finds it in the data folder. ""
// when that lookup could not find this file: a file outside the data folder,
// one without the card files' extension, or a name the settings never use as
// a file name.
std::string RecordedCardStem(const std::string& path, const std::string& dataDir);

} // namespace dealmoor
