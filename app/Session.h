#pragma once
// The program's one table and the settings that travel with it: the start-up
// in its described order, built on the engine's reset, with one read of the
// settings file, and saving the whole file in one atomic write. The table
// window shows the Game and the settings record this session owns.

#include "engine/Game.h"
#include "setup/SettingsFile.h"
#include "setup/TableSettings.h"

#include <string>

namespace dealmoor {

class Session {
public:
    // programDir: the folder the pictures, sounds, help and shipped cards lie
    // in; windowsDir: the per-user settings folder. Both end with "/".
    Session(std::string programDir, std::string windowsDir);

    Game& game() { return game_; }
    const Game& game() const { return game_; }
    TableSettings& settings() { return settings_; }
    const TableSettings& settings() const { return settings_; }

    // The start-up, in its order (later steps overwrite what earlier ones set):
    // house rules read, shoe shuffled quietly, characters seated and their
    // cards made in the program folder, the table reset, default sounds, the
    // data folder chosen, the program settings read, the counts cleared, the
    // players read and their cards loaded from the data folder.
    void Start();

    std::string settingsPath() const { return SettingsPath(settings_); }

    // Writes the game settings, the house rules and the players in one atomic
    // replacement of the settings file.
    WriteResult Save() const;

private:
    Game game_;
    TableSettings settings_;
};

} // namespace dealmoor
