#pragma once
// Editing a strategy card as the card window shows it: the headings of the
// dealer's up cards across and the player's hands down, the label of each
// action code, and the click that moves a cell on to the next action.
// A code outside the six belongs to whoever made the card: it shows an empty
// label, a click leaves it alone, and it is written back exactly as it was read.

#include "engine/StrategyCard.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dealmoor {

// The six actions a cell can hold, in the order a click steps through them,
// and None for any other code.
enum class CardAction { Hit, Stand, DoubleHit, DoubleStand, SplitHit, SplitStand, None };

CardAction ActionOf(uint8_t code);

// "Hit", "Stand", "Double/Hit", "Double/Stand", "Split/Hit", "Split/Stand";
// "" for a code outside the six.
std::string_view ActionLabel(uint8_t code);

// The code a click gives: Hit, Stand, Double/Hit, Double/Stand, Split/Hit,
// Split/Stand and round again to Hit. Any other code stays as it is.
uint8_t NextActionCode(uint8_t code);

// Heading of a column (1..10): the dealer's up card "2".."9", "X", "A".
std::string ColumnHeading(int column);
// Heading of a row (1..35): the pairs "AA".."22", the soft totals "A9".."A2",
// the hard totals "20".."4".
std::string RowHeading(int row);

// A click on the card's cell (column 1..10, row 1..35) moves it to the next
// action; a heading (column or row 0) or a place off the card changes nothing.
// Returns whether the cell changed.
bool ClickCell(StrategyCard& card, int column, int row);

// The title as the window read it, written back untouched: only a length byte
// above 40 is brought down to 40, so the bytes of an unedited title survive.
void KeepTitleAsRead(StrategyCard& card);

} // namespace dealmoor
