#include "strategy/StrategyCardEditing.h"

#include <algorithm>
#include <array>

namespace dealmoor {

namespace {

struct ActionCode {
    CardAction action;
    char code;
    std::string_view label;
};

// In click order: the last one steps round to the first.
constexpr std::array<ActionCode, 6> Actions = {{
    {CardAction::Hit, ActionHit, "Hit"},
    {CardAction::Stand, ActionStand, "Stand"},
    {CardAction::DoubleHit, ActionDoubleHit, "Double/Hit"},
    {CardAction::DoubleStand, ActionDoubleStand, "Double/Stand"},
    {CardAction::SplitHit, ActionSplitHit, "Split/Hit"},
    {CardAction::SplitStand, ActionSplitStand, "Split/Stand"},
}};

constexpr std::array<std::string_view, CardColumns> ColumnHeadings = {"2", "3", "4", "5", "6",
                                                                      "7", "8", "9", "X", "A"};

// Rows of the card: pairs by the value of one card, soft and hard by total.
constexpr int LastPairRow = 10;
constexpr int LastSoftRow = 18;
constexpr int PairRowBase = 12; // row = 12 - value of one card
constexpr int SoftRowBase = 31; // row = 31 - soft total
constexpr int HardRowBase = 39; // row = 39 - hard total
constexpr int AceValue = 11;
constexpr int TenValue = 10;

const ActionCode* find(uint8_t code) {
    const auto found = std::find_if(Actions.begin(), Actions.end(), [code](const ActionCode& a) {
        return static_cast<uint8_t>(a.code) == code;
    });
    return found == Actions.end() ? nullptr : &*found;
}

std::string cardName(int value) {
    if (value == AceValue)
        return "A";
    if (value == TenValue)
        return "X";
    return std::to_string(value);
}

bool onCard(int column, int row) {
    return column >= 1 && column <= CardColumns && row >= 1 && row <= CardRows;
}

} // namespace

CardAction ActionOf(uint8_t code) {
    const ActionCode* action = find(code);
    return action ? action->action : CardAction::None;
}

std::string_view ActionLabel(uint8_t code) {
    const ActionCode* action = find(code);
    return action ? action->label : std::string_view();
}

uint8_t NextActionCode(uint8_t code) {
    const ActionCode* action = find(code);
    if (action == nullptr)
        return code;
    const auto next = static_cast<std::size_t>(action - Actions.data() + 1) % Actions.size();
    return static_cast<uint8_t>(Actions[next].code);
}

std::string ColumnHeading(int column) {
    if (column < 1 || column > CardColumns)
        return {};
    return std::string(ColumnHeadings[static_cast<std::size_t>(column - 1)]);
}

std::string RowHeading(int row) {
    if (row < 1 || row > CardRows)
        return {};
    if (row <= LastPairRow) {
        const std::string card = cardName(PairRowBase - row);
        return card + card;
    }
    if (row <= LastSoftRow)
        return "A" + cardName(SoftRowBase - row - AceValue);
    return std::to_string(HardRowBase - row);
}

bool ClickCell(StrategyCard& card, int column, int row) {
    if (!onCard(column, row))
        return false;
    uint8_t& cell = card.cell(column, row);
    const uint8_t next = NextActionCode(cell);
    if (next == cell)
        return false;
    cell = next;
    return true;
}

void KeepTitleAsRead(StrategyCard& card) {
    card.TitleLength = static_cast<uint8_t>(std::min<int>(card.TitleLength, CardTitleMax));
}

} // namespace dealmoor
