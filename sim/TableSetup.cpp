#include "sim/TableSetup.h"

#include "platform/FileLookup.h"
#include "platform/Folders.h"
#include "setup/Characters.h"
#include "setup/SettingsFile.h"
#include "sim/InputFile.h"
#include "strategy/StrategyFile.h"

namespace dealmoor::sim {

namespace {

// A path no file answers to: the settings readers then give a first run's values.
const std::string NoSettingsFile;

// The seat's card from the data folder, found whatever the case of its name,
// or the default card built in memory. Returns the file used, or "".
std::string loadSeatCard(Game& game, int seat) {
    const std::string& dir = game.Settings.DataDir;
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
    const std::string& path = settingsFile.empty() ? NoSettingsFile : settingsFile;
    ReadHouseRules(game, path);
    InitCharacters(game);
    ResetGameState(game);
    // The data folder a first run chooses when the program's own folder has room.
    game.Settings.ProgramDir = ProgramDir();
    game.Settings.DataDir = game.Settings.ProgramDir;
    ReadGameSettings(game, path);
    ReadPlayers(game, path);
    for (int s = 1; s <= MaxSeats; ++s) {
        setup.cardFiles[s] = loadSeatCard(game, s);
        setup.play[s] = game.Seats[s].Human          ? "hints"
                        : setup.cardFiles[s].empty() ? "default card"
                                                     : "card file";
    }
    return setup;
}

} // namespace dealmoor::sim
