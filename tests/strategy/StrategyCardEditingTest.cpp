#include "strategy/StrategyCardEditing.h"
#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

bool sameBytes(const StrategyCard& a, const StrategyCard& b) {
    return std::memcmp(&a, &b, sizeof(StrategyCard)) == 0;
}

struct Step {
    char code;
    const char* label;
    char next;
};

// The click cycle as the players see it: each label and the one a click gives.
const std::vector<Step> Cycle = {
    {'H', "Hit", 'S'},          {'S', "Stand", 'D'},     {'D', "Double/Hit", 'd'},
    {'d', "Double/Stand", 'P'}, {'P', "Split/Hit", 'p'}, {'p', "Split/Stand", 'H'},
};

TEST(CardActions, EachCodeShowsItsLabelAndAClickGivesTheNextAction) {
    for (const Step& step : Cycle) {
        SCOPED_TRACE(step.code);
        EXPECT_EQ(ActionLabel(static_cast<uint8_t>(step.code)), step.label);
        EXPECT_EQ(NextActionCode(static_cast<uint8_t>(step.code)), static_cast<uint8_t>(step.next));
        EXPECT_NE(ActionOf(static_cast<uint8_t>(step.code)), CardAction::None);
    }
}

TEST(CardActions, SixClicksBringEveryCellBackWhereItStarted) {
    for (const Step& step : Cycle) {
        StrategyCard card;
        card.cell(4, 20) = static_cast<uint8_t>(step.code);
        std::vector<uint8_t> seen;
        for (int click = 0; click < 6; ++click) {
            EXPECT_TRUE(ClickCell(card, 4, 20));
            seen.push_back(card.cell(4, 20));
        }
        EXPECT_EQ(card.cell(4, 20), static_cast<uint8_t>(step.code));
        // Every action came round exactly once on the way.
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::string(seen.begin(), seen.end()), "DHPSdp");
    }
}

TEST(CardActions, AnyOtherCodeShowsEmptyAndNoClickChangesIt) {
    for (const uint8_t code : {uint8_t{0}, uint8_t{'h'}, uint8_t{'s'}, uint8_t{'x'}, uint8_t{' '},
                               uint8_t{0xFF}, uint8_t{0x80}}) {
        SCOPED_TRACE(static_cast<int>(code));
        EXPECT_EQ(ActionOf(code), CardAction::None);
        EXPECT_EQ(ActionLabel(code), "");
        StrategyCard card;
        FillDefaultTable(card);
        card.cell(7, 3) = code;
        const StrategyCard before = card;
        EXPECT_FALSE(ClickCell(card, 7, 3));
        EXPECT_TRUE(sameBytes(card, before));
    }
}

TEST(CardActions, ClicksOnTheHeadingsOrOffTheCardChangeNothing) {
    struct Place {
        int column;
        int row;
    };
    for (const Place place : {Place{0, 0}, Place{0, 5}, Place{3, 0}, Place{11, 1}, Place{1, 36},
                              Place{-1, 2}, Place{2, -1}}) {
        SCOPED_TRACE(testing::Message() << place.column << "," << place.row);
        StrategyCard card;
        FillDefaultTable(card);
        const StrategyCard before = card;
        EXPECT_FALSE(ClickCell(card, place.column, place.row));
        EXPECT_TRUE(sameBytes(card, before));
    }
}

TEST(CardActions, AClickChangesOnlyItsOwnCell) {
    StrategyCard card;
    FillDefaultTable(card);
    card.setTitle("Mine");
    StrategyCard expected = card;
    // Column 10 (the ace), row 35 (hard 4): the last byte of the table.
    ASSERT_EQ(card.cell(10, 35), 'H');
    expected.Cells[CardCells - 1] = 'S';
    EXPECT_TRUE(ClickCell(card, 10, 35));
    EXPECT_TRUE(sameBytes(card, expected));
}

TEST(CardHeadings, DealersUpCardsAcrossAndPlayersHandsDown) {
    std::string across;
    for (int column = 1; column <= CardColumns; ++column)
        across += ColumnHeading(column) + " ";
    EXPECT_EQ(across, "2 3 4 5 6 7 8 9 X A ");

    std::string down;
    for (int row = 1; row <= CardRows; ++row)
        down += RowHeading(row) + " ";
    EXPECT_EQ(down, "AA XX 99 88 77 66 55 44 33 22 A9 A8 A7 A6 A5 A4 A3 A2 "
                    "20 19 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 ");

    EXPECT_EQ(ColumnHeading(0), "");
    EXPECT_EQ(ColumnHeading(11), "");
    EXPECT_EQ(RowHeading(0), "");
    EXPECT_EQ(RowHeading(36), "");
}

TEST(CardTitle, AnEditedTitleIsCutTo40AndAnUneditedOneKeepsItsBytes) {
    StrategyCard card;
    card.setTitle(std::string(50, 'a') + "tail");
    EXPECT_EQ(card.titleText(), std::string(40, 'a'));

    // A title written elsewhere, with a length byte past the field and a byte
    // behind the text: only the length is brought within the field.
    StrategyCard odd;
    std::memset(odd.Title.data(), 'z', odd.Title.size());
    odd.Title[5] = '\xE9';
    odd.TitleLength = 200;
    StrategyCard expected = odd;
    expected.TitleLength = 40;
    KeepTitleAsRead(odd);
    EXPECT_TRUE(sameBytes(odd, expected));

    StrategyCard shortTitle;
    shortTitle.setTitle("Short");
    shortTitle.Title[20] = '!';
    const StrategyCard before = shortTitle;
    KeepTitleAsRead(shortTitle);
    EXPECT_TRUE(sameBytes(shortTitle, before));
}

} // namespace
} // namespace dealmoor
