#pragma once
// A strategy card: the decision table of one computer seat, 391 bytes laid out
// exactly as in a ".stc" file.

#include <array>
#include <cstdint>
#include <string>

namespace dealmoor {

inline constexpr int CardColumns = 10; // dealer's up card: 2..9, ten-valued, ace
inline constexpr int CardRows = 35;    // pairs, soft totals, hard totals
inline constexpr std::size_t CardCells = std::size_t{CardColumns} * std::size_t{CardRows};
inline constexpr int CardTitleMax = 40;
inline constexpr int StrategyCardBytes = 391;
inline constexpr int EditSlot = 0; // StrategyCards slot the strategy card window edits
// Strategy card files are named <stem>.stc; the stem is what a seat records.
inline constexpr const char* CardFileExtension = ".stc";

// Action codes of a cell (case matters).
inline constexpr char ActionHit = 'H';
inline constexpr char ActionStand = 'S';
inline constexpr char ActionDoubleHit = 'D';
inline constexpr char ActionDoubleStand = 'd';
inline constexpr char ActionSplitHit = 'P';
inline constexpr char ActionSplitStand = 'p';

struct StrategyCard {
    // Column i (1..10), row j (1..35) is byte (i - 1) * 35 + (j - 1).
    std::array<uint8_t, CardCells> Cells{};
    uint8_t TitleLength = 0;
    std::array<char, CardTitleMax> Title{};

    uint8_t& cell(int column, int row) { return Cells[cellIndex(column, row)]; }
    uint8_t cell(int column, int row) const { return Cells[cellIndex(column, row)]; }

    static size_t cellIndex(int column, int row) {
        return static_cast<size_t>(column - 1) * CardRows + static_cast<size_t>(row - 1);
    }

    // The title as text; a length byte above 40 reads as 40.
    std::string titleText() const;
    // Sets the title, cut to 40 characters.
    void setTitle(const std::string& title);
};

static_assert(sizeof(StrategyCard) == StrategyCardBytes, "a strategy card is 391 bytes on disk");

} // namespace dealmoor
