#include "strategy/StrategyFile.h"

#include "engine/Game.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "platform/TextCut.h"

#include <array>
#include <cstring>

namespace dealmoor {

namespace {

constexpr const char* DefaultCardStem = "cplayer";
constexpr const char* DefaultTitlePrefix = "Strategy Card -- ";

// The default table, one string per row (pairs, soft totals, hard totals), one
// character per dealer's up card from 2 to ace.
constexpr std::array<const char*, CardRows> DefaultRows = {
    "PPPPPPPPPP", // AA
    "SSSSSSSSSS", // XX
    "pppppSppSS", // 99
    "pppppPPPPP", // 88
    "pppppPHHHH", // 77
    "PppppHHHHH", // 66
    "DDDDDDDDHH", // 55
    "HHHDDHHHHH", // 44
    "HHPPPPHHHH", // 33
    "HPPPPPHHHH", // 22
    "SSSSSSSSSS", // A9
    "SSSSdSSSSS", // A8
    "SddddSSHHH", // A7
    "DDDDDHHHHH", // A6
    "HHDDDHHHHH", // A5
    "HHDDDHHHHH", // A4
    "HHDDDHHHHH", // A3
    "HHDDDHHHHH", // A2
    "SSSSSSSSSS", // 20
    "SSSSSSSSSS", // 19
    "SSSSSSSSSS", // 18
    "SSSSSSSSSS", // 17
    "SSSSSHHHHH", // 16
    "SSSSSHHHHH", // 15
    "SSSSSHHHHH", // 14
    "SSSSSHHHHH", // 13
    "HHSSSHHHHH", // 12
    "DDDDDDDDDD", // 11
    "DDDDDDDDHH", // 10
    "DDDDDHHHHH", // 9
    "HHHDDHHHHH", // 8
    "HHHHHHHHHH", // 7
    "HHHHHHHHHH", // 6
    "HHHHHHHHHH", // 5
    "HHHHHHHHHH", // 4
};

// The path to write a card to: a file whose name differs only in case is the
// same card file and is replaced rather than joined by a second one.
std::string cardPathIn(const std::string& dir, const std::string& name) {
    const std::string existing = FindFileNoCase(dir, name);
    return existing.empty() ? dir + name : existing;
}

} // namespace

bool ReadCardFile(const std::string& path, StrategyCard& card) {
    // Only a plain file: a pipe named like a card would otherwise hold the
    // table up at start-up, and /dev/zero would pass for a card of zeros.
    const FileBytes file = ReadRegularFile(path, StrategyCardBytes);
    if (file.refusal != FileRefusal::None ||
        file.bytes.size() != static_cast<std::size_t>(StrategyCardBytes)) {
        return false;
    }
    std::memcpy(&card, file.bytes.data(), StrategyCardBytes);
    return true;
}

bool WriteCardFile(const std::string& path, const StrategyCard& card) {
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(&card), StrategyCardBytes));
}

void FillDefaultTable(StrategyCard& card) {
    for (int row = 1; row <= CardRows; ++row) {
        for (int column = 1; column <= CardColumns; ++column) {
            card.cell(column, row) = static_cast<uint8_t>(DefaultRows[row - 1][column - 1]);
        }
    }
}

std::string DefaultCardTitle(const std::string& seatName) {
    return CutText(DefaultTitlePrefix + CutText(seatName, NameMax), CardTitleMax);
}

std::string DefaultCardFileName(int number) {
    return DefaultCardStem + std::to_string(number) + CardFileExtension;
}

void BuildDefaultCard(Game& game, int seat) {
    StrategyCard& card = game.StrategyCards[seat];
    FillDefaultTable(card);
    card.setTitle(DefaultCardTitle(game.Seats[seat].Name));
}

void MakeDefaultCard(Game& game, int seat, int number, const std::string& dir) {
    BuildDefaultCard(game, seat);
    WriteCardFile(cardPathIn(dir, DefaultCardFileName(number)), game.StrategyCards[seat]);
}

void LoadSeatCard(Game& game, int seat, const std::string& dir, MissingCard missing) {
    const Seat& owner = game.Seats[seat];
    const std::string path = FindFileNoCase(dir, owner.StrategyFile + CardFileExtension);
    if (!path.empty()) {
        // A file that is there but unreadable leaves the seat's card as it was.
        ReadCardFile(path, game.StrategyCards[seat]);
    } else if (missing == MissingCard::WriteDefault) {
        MakeDefaultCard(game, seat, owner.Number, dir);
    } else {
        BuildDefaultCard(game, seat);
    }
}

void LoadSeatCards(Game& game, const std::string& dir, MissingCard missing) {
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        LoadSeatCard(game, seat, dir, missing);
    }
}

void CopyShippedCards(const std::string& from, const std::string& to) {
    for (const std::string& name : FindFilesWithExtensionNoCase(from, CardFileExtension)) {
        StrategyCard card;
        if (ReadCardFile(from + name, card)) {
            WriteCardFile(to + name, card);
        }
    }
}

} // namespace dealmoor
