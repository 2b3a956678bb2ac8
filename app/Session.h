#pragma once
// The program's one table and the settings that travel with it: the start-up
// in its described order, built on the engine's reset, with one read of the
// settings file; and keeping the file up to date as the game goes on. Every
// save is one atomic replacement of the whole file, and a deal half played is
// saved as the table stood before it, so a program killed at any moment loses
// at most the deal in progress. The table window shows the Game and the
// settings record this session owns.
//
// The session also keeps the table's statistics in a file of their own beside
// the settings file: read at start-up (a missing or damaged file starts the
// figures afresh), written in the background every StatisticsSaveDeals deals
// and whenever they are reset, and once more at closing.

#include "engine/Game.h"
#include "setup/SettingsFile.h"
#include "setup/SettingsStore.h"
#include "setup/TableSettings.h"
#include "strategy/StatisticsFile.h"
#include "strategy/StatisticsStore.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace dealmoor {

// Saves are numbered as they are handed over; a file is never given an older
// save than the one it holds, whichever writer reaches it last.
class SaveOrder {
public:
    // The number of a save being handed over (under the hand-over lock).
    uint64_t take() { return ++taken_; }
    // True when save number `save` may be written (under the file's lock).
    bool claim(uint64_t save) {
        if (save < written_) {
            return false; // a newer save is in the file already
        }
        written_ = save;
        return true;
    }

private:
    uint64_t taken_ = 0;
    uint64_t written_ = 0;
};

class Session : public SettingsStore, public StatisticsStore {
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
    // players read and their cards loaded from the data folder; then the
    // statistics read.
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

    // StatisticsStore.
    TableStatistics& statistics() override { return statistics_; }
    void dealPlayed() override;
    void saveStatisticsSoon() override;
    bool saveStatisticsNow() override;
    // The statistics file, beside the settings file.
    std::string statisticsPath() const;
    // How the start-up found the statistics file.
    StatisticsLoad statisticsLoad() const { return statisticsLoad_; }

private:
    // What a save writes: the table as it stood before any running deal.
    struct Snapshot {
        Game game;
        TableSettings settings;
    };
    Snapshot snapshot() const;
    // Writes save number `save`, unless a later save is in the file already.
    WriteResult write(const Snapshot& snapshot, uint64_t save);
    void writeInTheBackground();
    // Writes the figures of save number `save`, unless a later save is in the file already.
    bool writeStatistics(const TableStatistics& statistics, uint64_t save);

    Game game_;
    TableSettings settings_;
    TableStatistics statistics_;
    StatisticsLoad statisticsLoad_ = StatisticsLoad::Missing;
    int dealsSinceStatisticsSaved_ = 0;

    // The background writer: the newest snapshot waits here, one at a time.
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::unique_ptr<Snapshot> pending_;
    uint64_t pendingSave_ = 0; // the number of the table waiting
    std::unique_ptr<TableStatistics> pendingStatistics_;
    uint64_t pendingStatisticsSave_ = 0; // the number of the figures waiting
    SaveOrder settingsOrder_;            // taken under mutex_, claimed under fileMutex_
    SaveOrder statisticsOrder_;          // taken under mutex_, claimed under statisticsFileMutex_
    bool stopping_ = false;
    WriteResult lastBackground_;
    std::mutex fileMutex_;           // one writer of the settings file at a time
    std::mutex statisticsFileMutex_; // and of the statistics file
    std::thread writer_;
};

} // namespace dealmoor
