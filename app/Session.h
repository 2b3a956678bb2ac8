#pragma once
// The program's one table and the settings that travel with it: the start-up
// in its described order, built on the engine's reset, with one read of the
// settings file; and keeping the file up to date as the game goes on. Every
// save is one atomic replacement of the whole file, and a deal half played is
// saved as the table stood before it, so a program killed at any moment loses
// at most the deal in progress. The table window shows the Game and the
// settings record this session owns.

#include "engine/Game.h"
#include "setup/SettingsFile.h"
#include "setup/SettingsStore.h"
#include "setup/TableSettings.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace dealmoor {

class Session : public SettingsStore {
public:
    // programDir: the folder the pictures, sounds, help and shipped cards lie
    // in; windowsDir: the per-user settings folder. Both end with "/".
    Session(std::string programDir, std::string windowsDir);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

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

    // Why nothing can be kept in the settings folder (it cannot be made or
    // written, or DMOOR.INI is not a file); nothing when all is well.
    std::optional<std::string> SettingsProblem() const;

    // SettingsStore. Both write the game settings, the house rules and the
    // players in one atomic replacement of the settings file.
    void saveSoon() override;
    WriteResult saveNow() override;
    std::string settingsPath() const override { return SettingsPath(settings_); }

    // The last background save's outcome (ok until one fails).
    WriteResult lastBackgroundSave() const;

private:
    // What a save writes: the table as it stood before any running deal.
    struct Snapshot {
        Game game;
        TableSettings settings;
    };
    Snapshot snapshot() const;
    WriteResult write(const Snapshot& snapshot);
    void writeInTheBackground();

    Game game_;
    TableSettings settings_;

    // The background writer: the newest snapshot waits here, one at a time.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::unique_ptr<Snapshot> pending_;
    bool stopping_ = false;
    WriteResult lastBackground_;
    std::mutex fileMutex_; // one writer of the file at a time
    std::thread writer_;
};

} // namespace dealmoor
