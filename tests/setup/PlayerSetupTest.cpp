// The player set-up's rules without a window: the rows it opens with, the
// character and control buttons, what OK gives every seat, and what each seat's
// strategy file records when the window closes.

#include "setup/PlayerSetup.h"
#include "engine/Characters.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using testing::TempFolder;
using testing::WriteFile;

// A table part-way through a game: money won and lost, a stake on the table,
// a card picked earlier for seat 3.
Game PlayedTable() {
    Game game;
    InitCharacters(game);
    ResetGameState(game);
    game.SeatCount = 4;
    game.TotalHands = 57;
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        Seat& s = game.Seats[seat];
        s.Credits = 1000.0 * seat + 12.5;
        s.Borrowed = 7500;
        s.Bet = 25;
        s.SplitBet = 10;
        s.LastBet = 25;
    }
    game.Seats[3].StrategyFile = "MYCARD";
    return game;
}

TEST(PlayerSetup, OpensWithTheSeatsAsTheyAre) {
    const Game game = PlayedTable();
    const PlayerSetup setup = ReadPlayerSetup(game);
    EXPECT_EQ(setup.SeatCount, 4);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(setup.Rows[seat].Number, game.Seats[seat].Number);
        EXPECT_EQ(setup.Rows[seat].Human, game.Seats[seat].Human);
        EXPECT_EQ(setup.Rows[seat].Name, game.Seats[seat].Name);
    }
}

TEST(PlayerSetup, TheCharacterButtonCyclesOneToNineAndNamesTheRow) {
    for (int number = 1; number <= MaxCharacters; ++number)
        EXPECT_EQ(NextCharacter(number), number == 9 ? 1 : number + 1);

    SetupRow human{9, true, "Human Player"};
    CycleCharacter(human);
    EXPECT_EQ(human.Number, 1);
    EXPECT_EQ(human.Name, "Dan Deerfield") << "a human row takes the character's name too";
    EXPECT_TRUE(human.Human) << "the control stays human";
}

TEST(PlayerSetup, TheControlButtonNamesTheRowByWhoPlaysIt) {
    SetupRow row{5, false, "Somebody"};
    ToggleControl(row);
    EXPECT_TRUE(row.Human);
    EXPECT_EQ(row.Name, "Human Player");
    ToggleControl(row);
    EXPECT_FALSE(row.Human);
    EXPECT_EQ(row.Name, "Eddie \"the Edge\"");
    EXPECT_EQ(row.Number, 5);
}

TEST(PlayerSetup, OkGivesEverySeatItsRowAndFreshMoney) {
    Game game = PlayedTable();
    PlayerSetup setup = ReadPlayerSetup(game);
    setup.SeatCount = 3;
    setup.Rows[2] = {4, true, "Alice"};
    // Rows 4..6 are hidden with three players, yet their choices still count.
    setup.Rows[5] = {9, false, "Rodney Roberts"};
    setup.Rows[6] = {6, false, std::string(40, 'x')};

    CommitPlayerSetup(game, setup);

    EXPECT_EQ(game.TotalHands, 0);
    EXPECT_EQ(game.SeatCount, 3);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        SCOPED_TRACE(seat);
        const Seat& s = game.Seats[seat];
        EXPECT_EQ(s.Credits, 5000.0) << "seats out of play are reset too";
        EXPECT_EQ(s.Borrowed, 5000.0);
        EXPECT_EQ(s.Bet, 0.0);
        EXPECT_EQ(s.SplitBet, 0.0);
        EXPECT_EQ(s.Number, setup.Rows[seat].Number);
        EXPECT_EQ(s.Human, setup.Rows[seat].Human);
        EXPECT_EQ(s.About, CharacterAbout(s.Number));
    }
    EXPECT_EQ(game.Seats[2].Name, "Alice");
    EXPECT_EQ(game.Seats[5].Name, "Rodney Roberts");
    EXPECT_EQ(game.Seats[6].Name, std::string(30, 'x')) << "names are cut to 30 characters";
    EXPECT_EQ(game.Seats[3].StrategyFile, "MYCARD") << "the closing decides the card files";
}

TEST(PlayerSetup, ClosingRecordsPickedCardsAndDefaultsForTheRest) {
    Game game = PlayedTable();
    game.Seats[1].StrategyFile = "OLDCARD";
    game.Seats[2].StrategyFile = "cplayer2"; // the character's own card, spelt as first made
    game.Seats[4].Number = 9;                // character changed: its card file changes too
    CardPicks picks;
    picks.Record(1, ""); // a card from a file the next start-up would not find
    picks.Record(5, "first");
    picks.Record(5, "LONGNAME1"); // the last card taken counts
    picks.Record(7, "ignored");

    const auto toLoad = CloseSetup(game, picks);

    struct Expected {
        const char* recorded;
        bool load; // the slot must follow the recorded file
    };
    const std::vector<Expected> seats = {{},
                                         {"CPLAYER1", false}, // plays the card it took
                                         {"CPLAYER2", false},
                                         {"CPLAYER3", true},
                                         {"CPLAYER9", true},
                                         {"LONGNAME1", false},
                                         {"CPLAYER8", false}};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(game.Seats[seat].StrategyFile, seats[seat].recorded);
        EXPECT_EQ(toLoad[seat], seats[seat].load);
    }
    EXPECT_EQ(game.Seats[1].Credits, 1012.5) << "closing alone changes no money";
}

TEST(PlayerSetup, APickedCardIsEditedAndPlayedAndASavedOneReplacesIt) {
    TempFolder dir;
    const std::string data = dir / "data/";
    std::filesystem::create_directories(data);
    WriteFile(data + "picked.stc", "");
    WriteFile(data + "edited.stc", "");
    Game game;
    StrategyCard picked;
    picked.setTitle("picked");
    CardPicks picks;

    TakePickedCard(game, picks, 3, picked, data + "picked.stc", data);
    EXPECT_EQ(game.StrategyCards[EditSlot].titleText(), "picked");
    EXPECT_EQ(game.StrategyCards[3].titleText(), "picked");
    EXPECT_EQ(picks.Picked(3), "picked");

    game.StrategyCards[EditSlot].setTitle("edited");
    EXPECT_EQ(game.StrategyCards[3].titleText(), "picked") << "editing works on a copy";
    TakeSavedCard(game, picks, 3, data + "edited.stc", data);
    EXPECT_EQ(game.StrategyCards[3].titleText(), "edited");
    EXPECT_EQ(picks.Picked(3), "edited");

    TakeSavedCard(game, picks, 3, dir / "elsewhere.stc", data);
    EXPECT_EQ(picks.Picked(3), "") << "a card saved outside the data folder cannot be found there";
    EXPECT_TRUE(picks.Taken(3));
    EXPECT_FALSE(picks.Taken(2));
}

TEST(PlayerSetup, APickedCardIsRecordedOnlyWhereTheNextStartUpFindsIt) {
    TempFolder dir;
    const std::string data = dir / "data/";
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(dir / "elsewhere");
    for (const char* name : {"MYCARD.stc", "LONGNAME1.stc", "Mixed.STC", "notes.txt",
                             "my..card.stc", "a:b.stc", "two.dots.stc"})
        WriteFile(data + name, std::string(391, 'S'));
    WriteFile(dir / "elsewhere/MYCARD.stc", std::string(391, 'H'));

    struct Case {
        std::string path;
        std::string stem;
    };
    const std::vector<Case> cases = {
        {data + "MYCARD.stc", "MYCARD"},
        {data + "LONGNAME1.stc", "LONGNAME1"}, // kept whole: the lookup needs every letter
        {data + "Mixed.STC", "Mixed"},         // found whatever the case of its extension
        {data + "two.dots.stc", "two.dots"},
        {dir / "data//MYCARD.stc", "MYCARD"},
        {data + "notes.txt", ""},           // not a card file: "notes.stc" is not there
        {data + "my..card.stc", ""},        // never used as a file name
        {data + "a:b.stc", ""},             // likewise
        {dir / "elsewhere/MYCARD.stc", ""}, // the data folder's MYCARD is another card
        {data + "missing.stc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(RecordedCardStem(c.path, data), c.stem);
    }
}

} // namespace
} // namespace dealmoor
