#include "setup/PlayerSetup.h"

#include "engine/Characters.h"
#include "platform/FileLookup.h"
#include "platform/TextCut.h"
#include "setup/SettingsFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace dealmoor {

namespace {

const std::string NoPick;

bool isSeat(int seat) {
    return seat >= 1 && seat <= MaxSeats;
}

// A fresh game's money: everything the seat holds is borrowed from the house.
void giveStartingMoney(Seat& seat) {
    seat.Credits = StartingCredits;
    seat.Borrowed = StartingCredits;
    seat.Bet = 0;
    seat.SplitBet = 0;
}

} // namespace

PlayerSetup ReadPlayerSetup(const Game& game) {
    PlayerSetup setup;
    setup.SeatCount = std::clamp<int>(game.SeatCount, 1, MaxSeats);
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const Seat& s = game.Seats[seat];
        setup.Rows[seat] = {CharacterExists(s.Number) ? s.Number : 1, s.Human, s.Name};
    }
    return setup;
}

int NextCharacter(int number) {
    return CharacterExists(number + 1) ? number + 1 : 1;
}

void CycleCharacter(SetupRow& row) {
    row.Number = NextCharacter(row.Number);
    row.Name = CharacterName(row.Number);
}

void ToggleControl(SetupRow& row) {
    row.Human = !row.Human;
    row.Name = row.Human ? DefaultHumanName : CharacterName(row.Number);
}

void CommitPlayerSetup(Game& game, const PlayerSetup& setup) {
    game.TotalHands = 0;
    game.SeatCount = static_cast<uint8_t>(std::clamp(setup.SeatCount, 1, MaxSeats));
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        const SetupRow& row = setup.Rows[seat];
        Seat& s = game.Seats[seat];
        giveStartingMoney(s);
        s.Name = CutText(row.Name, NameMax);
        s.Number = static_cast<uint8_t>(CharacterExists(row.Number) ? row.Number : 1);
        s.About = CharacterAbout(s.Number);
        s.Human = row.Human;
    }
}

void CardPicks::Record(int seat, std::string stem) {
    if (isSeat(seat)) {
        stems_[seat] = std::move(stem);
        taken_[seat] = true;
    }
}

const std::string& CardPicks::Picked(int seat) const {
    return isSeat(seat) ? stems_[seat] : NoPick;
}

bool CardPicks::Taken(int seat) const {
    return isSeat(seat) && taken_[seat];
}

void TakePickedCard(Game& game, CardPicks& picks, int seat, const StrategyCard& card,
                    const std::string& path, const std::string& dataDir) {
    if (!isSeat(seat)) {
        return;
    }
    game.StrategyCards[EditSlot] = card;
    game.StrategyCards[seat] = card;
    picks.Record(seat, RecordedCardStem(path, dataDir));
}

void TakeSavedCard(Game& game, CardPicks& picks, int seat, const std::string& path,
                   const std::string& dataDir) {
    if (!isSeat(seat)) {
        return;
    }
    game.StrategyCards[seat] = game.StrategyCards[EditSlot];
    picks.Record(seat, RecordedCardStem(path, dataDir));
}

std::array<bool, MaxSeats + 1> CloseSetup(Game& game, const CardPicks& picks) {
    std::array<bool, MaxSeats + 1> toLoad{};
    for (int seat = 1; seat <= MaxSeats; ++seat) {
        Seat& s = game.Seats[seat];
        const std::string& picked = picks.Picked(seat);
        std::string recorded = picked.empty() ? SeatDefaultCardStem(s.Number) : picked;
        // Names are looked up without regard to case: "cplayer3" and "CPLAYER3" are one file.
        toLoad[seat] = !picks.Taken(seat) && !EqualsNoCase(recorded, s.StrategyFile);
        s.StrategyFile = std::move(recorded);
    }
    return toLoad;
}

std::string RecordedCardStem(const std::string& path, const std::string& dataDir) {
    namespace fs = std::filesystem;
    const fs::path picked(path);
    const std::string stem = picked.stem().string();
    if (!IsUsableCardStem(stem)) {
        return "";
    }
    // The next start-up looks for <stem>.stc in the data folder; it must find this file.
    const std::string found = FindFileNoCase(dataDir, stem + CardFileExtension);
    std::error_code error;
    return !found.empty() && fs::equivalent(found, picked, error) ? stem : "";
}

} // namespace dealmoor
