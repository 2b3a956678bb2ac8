#include "StrategyTestSupport.h"

#include "engine/ComputerPlayer.h"
#include "engine/Game.h"
#include "strategy/StrategyFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace dealmoor {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

// The house's default table as printed for the players, one line per hand,
// columns 2..9, X, A. Kept apart from the game's own copy on purpose.
constexpr const char* PrintedDefaultTable = R"(
| AA | P | P | P | P | P | P | P | P | P | P |
| XX | S | S | S | S | S | S | S | S | S | S |
| 99 | p | p | p | p | p | S | p | p | S | S |
| 88 | p | p | p | p | p | P | P | P | P | P |
| 77 | p | p | p | p | p | P | H | H | H | H |
| 66 | P | p | p | p | p | H | H | H | H | H |
| 55 | D | D | D | D | D | D | D | D | H | H |
| 44 | H | H | H | D | D | H | H | H | H | H |
| 33 | H | H | P | P | P | P | H | H | H | H |
| 22 | H | P | P | P | P | P | H | H | H | H |
| A9 | S | S | S | S | S | S | S | S | S | S |
| A8 | S | S | S | S | d | S | S | S | S | S |
| A7 | S | d | d | d | d | S | S | H | H | H |
| A6 | D | D | D | D | D | H | H | H | H | H |
| A5 | H | H | D | D | D | H | H | H | H | H |
| A4 | H | H | D | D | D | H | H | H | H | H |
| A3 | H | H | D | D | D | H | H | H | H | H |
| A2 | H | H | D | D | D | H | H | H | H | H |
| 20 | S | S | S | S | S | S | S | S | S | S |
| 19 | S | S | S | S | S | S | S | S | S | S |
| 18 | S | S | S | S | S | S | S | S | S | S |
| 17 | S | S | S | S | S | S | S | S | S | S |
| 16 | S | S | S | S | S | H | H | H | H | H |
| 15 | S | S | S | S | S | H | H | H | H | H |
| 14 | S | S | S | S | S | H | H | H | H | H |
| 13 | S | S | S | S | S | H | H | H | H | H |
| 12 | H | H | S | S | S | H | H | H | H | H |
| 11 | D | D | D | D | D | D | D | D | D | D |
| 10 | D | D | D | D | D | D | D | D | H | H |
| 9 | D | D | D | D | D | H | H | H | H | H |
| 8 | H | H | H | D | D | H | H | H | H | H |
| 7, 6, 5, 4 | H | H | H | H | H | H | H | H | H | H |
)";

struct PrintedRow {
    std::string hand;
    std::vector<char> codes;
};

std::vector<PrintedRow> printedRows() {
    std::vector<PrintedRow> rows;
    std::istringstream lines(PrintedDefaultTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '|')) {
            const auto first = field.find_first_not_of(' ');
            if (first != std::string::npos) {
                fields.push_back(field.substr(first, field.find_last_not_of(' ') - first + 1));
            }
        }
        if (fields.empty()) {
            continue;
        }
        PrintedRow row{fields[0], {}};
        for (size_t i = 1; i < fields.size(); ++i) {
            row.codes.push_back(fields[i].at(0));
        }
        rows.push_back(row);
    }
    return rows;
}

// Expands the printed lines to the card's 35 rows (the last line covers hard 7 down to 4).
std::vector<std::vector<char>> expectedRows() {
    std::vector<std::vector<char>> rows;
    for (const PrintedRow& printed : printedRows()) {
        const int copies = printed.hand == "7, 6, 5, 4" ? 4 : 1;
        for (int i = 0; i < copies; ++i) {
            rows.push_back(printed.codes);
        }
    }
    return rows;
}

StrategyCard oddCard() {
    StrategyCard card;
    FillDefaultTable(card);
    card.cell(3, 7) = 'x'; // no action: shows empty, plays as stand
    card.cell(10, 35) = 0xFF;
    card.cell(1, 1) = 0;
    card.setTitle("Odd card");
    card.Title[30] = '!'; // a byte after the title is kept too
    return card;
}

std::string bytesOf(const StrategyCard& card) {
    return std::string(reinterpret_cast<const char*>(&card), StrategyCardBytes);
}

TEST(DefaultCard, MatchesThePrintedTableCellByCell) {
    const auto rows = expectedRows();
    ASSERT_EQ(rows.size(), static_cast<size_t>(CardRows));
    StrategyCard card;
    FillDefaultTable(card);
    for (int row = 1; row <= CardRows; ++row) {
        ASSERT_EQ(rows[row - 1].size(), static_cast<size_t>(CardColumns));
        for (int column = 1; column <= CardColumns; ++column) {
            EXPECT_EQ(static_cast<char>(card.cell(column, row)), rows[row - 1][column - 1])
                << "row " << row << " column " << column;
        }
    }
}

TEST(DefaultCard, IsWrittenColumnByColumnUnderTheCharactersName) {
    TempFolder folder;
    Game game;
    game.Seats[2].Name = "Ruby";
    MakeDefaultCard(game, 2, 7, folder.dir());

    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"cplayer7.stc"});
    const std::string bytes = readBytes(folder.file("cplayer7.stc"));
    ASSERT_EQ(bytes.size(), static_cast<size_t>(StrategyCardBytes));
    const auto rows = expectedRows();
    for (int column = 1; column <= CardColumns; ++column) {
        for (int row = 1; row <= CardRows; ++row) {
            EXPECT_EQ(bytes[static_cast<size_t>((column - 1) * 35 + (row - 1))],
                      rows[row - 1][column - 1])
                << "row " << row << " column " << column;
        }
    }
    const std::string title = "Strategy Card -- Ruby";
    EXPECT_EQ(static_cast<unsigned char>(bytes[350]), title.size());
    EXPECT_EQ(bytes.substr(351, title.size()), title);
    EXPECT_EQ(game.StrategyCards[2].titleText(), title);
    EXPECT_EQ(bytesOf(game.StrategyCards[2]), bytes);
}

TEST(DefaultCard, TitleTakesTheFirst23CharactersOfALongName) {
    EXPECT_EQ(DefaultCardTitle("ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"),
              "Strategy Card -- ABCDEFGHIJKLMNOPQRSTUVW");
    EXPECT_EQ(DefaultCardTitle(""), "Strategy Card -- ");
    // A character that does not fit whole is left out rather than cut in half.
    EXPECT_EQ(DefaultCardTitle("ABCDEFGHIJKLMNOPQRSTUV\u00e9xyz"),
              "Strategy Card -- ABCDEFGHIJKLMNOPQRSTUV");
}

TEST(CardFile, RoundTripKeepsEveryByte) {
    TempFolder folder;
    const StrategyCard written = oddCard();
    ASSERT_TRUE(WriteCardFile(folder.file("odd.stc"), written));
    EXPECT_EQ(readBytes(folder.file("odd.stc")), bytesOf(written));

    StrategyCard read;
    ASSERT_TRUE(ReadCardFile(folder.file("odd.stc"), read));
    EXPECT_EQ(bytesOf(read), bytesOf(written));
    EXPECT_EQ(read.cell(3, 7), 'x');
    // Writing replaces the whole file and leaves nothing else behind.
    ASSERT_TRUE(WriteCardFile(folder.file("odd.stc"), StrategyCard{}));
    EXPECT_EQ(readBytes(folder.file("odd.stc")), bytesOf(StrategyCard{}));
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"odd.stc"});
}

TEST(CardFile, ShortOrMissingFileIsRejectedAndTheCardKept) {
    TempFolder folder;
    const std::string full = bytesOf(oddCard());
    writeBytes(folder.file("short.stc"), full.substr(0, 390));
    writeBytes(folder.file("empty.stc"), "");

    for (const char* name : {"short.stc", "empty.stc", "missing.stc"}) {
        StrategyCard card;
        FillDefaultTable(card);
        card.setTitle("Kept");
        const std::string before = bytesOf(card);
        EXPECT_FALSE(ReadCardFile(folder.file(name), card)) << name;
        EXPECT_EQ(bytesOf(card), before) << name;
    }
    StrategyCard card;
    EXPECT_FALSE(ReadCardFile(folder.dir(), card)) << "a folder is not a card";
}

TEST(CardFile, OnlyTheFirst391BytesOfALongerFileCount) {
    TempFolder folder;
    const std::string full = bytesOf(oddCard());
    writeBytes(folder.file("long.stc"), full + "trailing rubbish");
    StrategyCard card;
    ASSERT_TRUE(ReadCardFile(folder.file("long.stc"), card));
    EXPECT_EQ(bytesOf(card), full);
}

TEST(CardFile, OverlongTitleReadsAs40AndIsWrittenBackUnchanged) {
    TempFolder folder;
    std::string bytes = bytesOf(oddCard());
    bytes[350] = static_cast<char>(200);
    for (int i = 0; i < CardTitleMax; ++i) {
        bytes[static_cast<size_t>(351 + i)] = static_cast<char>('a' + i % 26);
    }
    writeBytes(folder.file("title.stc"), bytes);

    StrategyCard card;
    ASSERT_TRUE(ReadCardFile(folder.file("title.stc"), card));
    EXPECT_EQ(card.titleText(), "abcdefghijklmnopqrstuvwxyzabcdefghijklmn");
    ASSERT_TRUE(WriteCardFile(folder.file("again.stc"), card));
    EXPECT_EQ(static_cast<unsigned char>(readBytes(folder.file("again.stc"))[350]), 200);
    EXPECT_EQ(readBytes(folder.file("again.stc")), bytes);
}

TEST(CardFile, FailedWriteLeavesNoFileAndReportsIt) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("taken.stc"));
    EXPECT_FALSE(WriteCardFile(folder.file("taken.stc"), oddCard()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.stc")));
    EXPECT_FALSE(WriteCardFile(folder.file("no-such-folder/card.stc"), oddCard()));
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"taken.stc"});
}

// Six seats as a first run seats them: seat s holds character s, except that
// seats 5 and 6 hold characters 1 and 3 under card names that are not on disk.
Game firstRunSeats() {
    Game game;
    const std::vector<std::string> names = {
        "", "Human Player", "Ann", "Bo", "Cy", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd", "Eve"};
    const std::vector<int> numbers = {0, 1, 2, 3, 4, 1, 3};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        game.Seats[seat].Name = names[seat];
        game.Seats[seat].Number = static_cast<uint8_t>(numbers[seat]);
        game.Seats[seat].StrategyFile = seat <= 4 ? "CPLAYER" + std::to_string(seat) : "MINE";
    }
    return game;
}

TEST(LoadSeatCards, EmptyFolderGetsTheDefaultCardsOfTheSeatedCharacters) {
    TempFolder folder;
    Game game = firstRunSeats();
    LoadSeatCards(game, folder.dir());

    EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"cplayer1.stc", "cplayer2.stc",
                                                            "cplayer3.stc", "cplayer4.stc"}));
    StrategyCard table;
    FillDefaultTable(table);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        EXPECT_EQ(game.StrategyCards[seat].Cells, table.Cells) << "seat " << seat;
    }
    for (const std::string& name : folder.fileNames()) {
        EXPECT_EQ(readBytes(folder.file(name)).size(), static_cast<size_t>(StrategyCardBytes));
    }
    // Seats 5 and 6 made their defaults last: their titles are in the shared files.
    StrategyCard shared;
    ASSERT_TRUE(ReadCardFile(folder.file("cplayer1.stc"), shared));
    EXPECT_EQ(shared.titleText(), "Strategy Card -- ABCDEFGHIJKLMNOPQRSTUVW");
    ASSERT_TRUE(ReadCardFile(folder.file("cplayer3.stc"), shared));
    EXPECT_EQ(shared.titleText(), "Strategy Card -- Eve");
    EXPECT_EQ(game.StrategyCards[1].titleText(), "Strategy Card -- Human Player");
    EXPECT_EQ(game.StrategyCards[5].titleText(), "Strategy Card -- ABCDEFGHIJKLMNOPQRSTUVW");
    // Loading never renames a seat's card.
    EXPECT_EQ(game.Seats[5].StrategyFile, "MINE");
    EXPECT_EQ(game.Seats[2].StrategyFile, "CPLAYER2");
}

TEST(LoadSeatCards, FindsTheSeatsFileWhateverTheCaseAndPlaysIt) {
    TempFolder folder;
    StrategyCard custom;
    custom.Cells.fill('H');
    custom.setTitle("Someone else's card");
    ASSERT_TRUE(WriteCardFile(folder.file("cplayer1.stc"), custom));
    ASSERT_TRUE(WriteCardFile(folder.file("Mine.STC"), custom));

    Game game = firstRunSeats();
    LoadSeatCards(game, folder.dir());
    EXPECT_EQ(bytesOf(game.StrategyCards[1]), bytesOf(custom));
    EXPECT_EQ(bytesOf(game.StrategyCards[5]), bytesOf(custom));
    EXPECT_EQ(bytesOf(game.StrategyCards[6]), bytesOf(custom));
    // The seat plays the file's table: hard 20 against a 6 hits on this card.
    test::putHand(game, 1, {10, 13});
    test::putHand(game, DealerSlot, {2, 6});
    game.CurrentSeat = 1;
    game.HouseRules.SplitAnyFaceCard = false;
    EXPECT_EQ(DecideByCard(game), Decision::Hit);
}

TEST(LoadSeatCards, UnreadableSeatFileLeavesTheSlotAsItWas) {
    TempFolder folder;
    writeBytes(folder.file("CPLAYER2.STC"), std::string(100, 'H'));
    Game game = firstRunSeats();
    game.StrategyCards[2] = oddCard();
    LoadSeatCards(game, folder.dir());
    EXPECT_EQ(bytesOf(game.StrategyCards[2]), bytesOf(oddCard()));
    // The short file is the seat's file: it is neither replaced nor joined by a default.
    EXPECT_EQ(readBytes(folder.file("CPLAYER2.STC")), std::string(100, 'H'));
    EXPECT_FALSE(std::filesystem::exists(folder.file("cplayer2.stc")));
}

TEST(MakeDefaultCard, ReplacesAFileWhoseNameDiffersOnlyInCase) {
    TempFolder folder;
    writeBytes(folder.file("CPLAYER2.STC"), "old");
    Game game;
    game.Seats[4].Name = "Dee";
    MakeDefaultCard(game, 4, 2, folder.dir());
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{"CPLAYER2.STC"});
    EXPECT_EQ(readBytes(folder.file("CPLAYER2.STC")), bytesOf(game.StrategyCards[4]));
}

TEST(CopyShippedCards, CopiesEveryCardFileWhateverTheCase) {
    TempFolder program;
    TempFolder data;
    const std::string card = bytesOf(oddCard());
    writeBytes(program.file("cplayer1.stc"), card);
    writeBytes(program.file("PRO.STC"), card + "extra");
    writeBytes(program.file("broken.stc"), card.substr(0, 10));
    writeBytes(program.file("readme.txt"), card);

    CopyShippedCards(program.dir(), data.dir());

    EXPECT_EQ(data.fileNames(), (std::vector<std::string>{"PRO.STC", "cplayer1.stc"}));
    EXPECT_EQ(readBytes(data.file("PRO.STC")), card);
    EXPECT_EQ(readBytes(data.file("cplayer1.stc")), card);
}

} // namespace
} // namespace dealmoor
