#include "sim/TableSetup.h"

#include "engine/Characters.h"
#include "platform/FileLookup.h"
#include "platform/Folders.h"
#include "platform/ProfileFile.h"
#include "setup/SettingsFile.h"
#include "sim/InputFile.h"
#include "strategy/StrategyFile.h"

namespace dealmoor::sim {

namespace {

// A path no file answers to: the settings readers then give a first run's values.
const std::string NoSettingsFile;

// The seat's card from the data folder, found whatever the case of its name,
// or the default card built in memory. Returns the file used, or "".
std::string loadSeatCard(Game& game, int seat, const std::string& dir) {
    const std::string name = game.Seats[seat].StrategyFile + CardFileExtension;
    std::string path = FindFileNoCase(dir, name);
    if (!path.empty() && ReadCardFile(path, game.StrategyCards[seat])) {
        return path;
    }
    BuildDefaultCard(game, seat);
    return "";
}

} // namespace

TableSetup PrepareTable(Game& game, const std::string& settingsFile) {
    TableSetup setup;
    if (!settingsFile.empty()) {
        setup.error = CheckInputFile(settingsFile, "settings file");
        if (!setup.error.empty()) {
            return setup;
        }
    }
    const ProfileFile file(settingsFile.empty() ? NoSettingsFile : settingsFile);
    ReadHouseRules(game.HouseRules, file);
    InitCharacters(game);
    ResetGameState(game);
    // The data folder a first run chooses when the program's own folder has room.
    TableSettings settings;
    settings.ProgramDir = ProgramDir();
    settings.DataDir = settings.ProgramDir;
    ReadGameSettings(game, settings, file);
    ReadPlayers(game, file);
    for (int s = 1; s <= MaxSeats; ++s) {
        setup.cardFiles[s] = loadSeatCard(game, s, settings.DataDir);
        setup.play[s] = game.Seats[s].Human          ? "hints"
                        : setup.cardFiles[s].empty() ? "default card"
                                                     : "card file";
    }
    return setup;
}

} // namespace dealmoor::sim
