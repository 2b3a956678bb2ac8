#include "app/Session.h"

#include "engine/Characters.h"
#include "engine/Shoe.h"
#include "platform/ProfileFile.h"
#include "setup/DataFolder.h"
#include "setup/SoundDefaults.h"
#include "strategy/StrategyFile.h"

#include <utility>

namespace dealmoor {

Session::Session(std::string programDir, std::string windowsDir) {
    settings_.ProgramDir = std::move(programDir);
    settings_.WindowsDir = std::move(windowsDir);
}

void Session::Start() {
    const ProfileFile file(settingsPath()); // the one read of the settings file

    ReadHouseRules(game_.HouseRules, file);
    ShuffleShoe(game_, nullptr); // quietly, before the window shows

    InitCharacters(game_);
    // The first seats' cards are made in the program folder before anybody is renamed.
    LoadSeatCards(game_, settings_.ProgramDir);
    ResetGameState(game_);

    settings_.SoundOn = true;
    SetDefaultSoundFiles(settings_);
    if (ChooseDataDir(settings_)) {
        CopyShippedCards(settings_.ProgramDir, settings_.DataDir);
    }
    settings_.WinSoundOn = settings_.CardSoundOn = settings_.LoseSoundOn = true;
    settings_.BlackjackSoundOn = settings_.ShuffleSoundOn = true;
    settings_.Maxed = true;
    settings_.Hints = true;

    ReadGameSettings(game_, settings_, file);
    game_.CountedCards = 0;
    game_.HiOpt1Count = 0;
    game_.HiOpt2Count = 0;

    ReadPlayers(game_, file);
    LoadSeatCards(game_, settings_.DataDir);
}

WriteResult Session::Save() const {
    return WriteSettings(game_, settings_, settingsPath());
}

} // namespace dealmoor
