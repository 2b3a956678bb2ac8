#include "app/Session.h"

#include "engine/Characters.h"
#include "engine/Deal.h"
#include "engine/Shoe.h"
#include "platform/Folders.h"
#include "platform/ProfileFile.h"
#include "setup/DataFolder.h"
#include "setup/SoundDefaults.h"
#include "strategy/StrategyFile.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace dealmoor {

Session::Session(std::string programDir, std::string windowsDir) {
    settings_.ProgramDir = std::move(programDir);
    settings_.WindowsDir = std::move(windowsDir);
    writer_ = std::thread([this] { writeInTheBackground(); });
}

Session::~Session() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    writer_.join(); // a save already handed over is finished first
}

void Session::Start() {
    const ProfileFile file(settingsPath()); // the one read of the settings file

    ReadHouseRules(game_.HouseRules, file);
    ShuffleShoe(game_, nullptr); // quietly, before the window shows

    InitCharacters(game_);
    // The first seats' cards are made in the program folder before anybody is
    // renamed; an installed copy's shared folder is left as the package laid it out.
    LoadSeatCards(game_, settings_.ProgramDir,
                  ProgramDirTakesCards(settings_) ? MissingCard::WriteDefault
                                                  : MissingCard::DefaultInSlotOnly);
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

    // A missing or damaged file leaves the figures fresh; the game goes on either way.
    statisticsLoad_ = LoadStatistics(statisticsPath(), statistics_);
}

std::optional<std::string> Session::SettingsProblem() const {
    namespace fs = std::filesystem;
    std::error_code ec;
    const std::string& folder = settings_.WindowsDir;
    if (!fs::is_directory(folder, ec)) {
        return "the folder " + folder + " does not exist and cannot be made";
    }
    const std::string path = settingsPath();
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
        return path + " is not a file";
    }
    if (!IsWritableDir(folder)) {
        return "the folder " + folder + " cannot be written";
    }
    return std::nullopt;
}

Session::Snapshot Session::snapshot() const {
    return {TableBeforeDeal(game_), settings_};
}

WriteResult Session::write(const Snapshot& snapshot, uint64_t save) {
    const std::lock_guard lock(fileMutex_);
    if (!settingsOrder_.claim(save)) {
        return {}; // the newer table is in the file already
    }
    return WriteSettings(snapshot.game, snapshot.settings, SettingsPath(snapshot.settings));
}

void Session::saveSoon() {
    auto next = std::make_unique<Snapshot>(snapshot());
    {
        const std::lock_guard lock(mutex_);
        pending_ = std::move(next); // a newer table replaces one not yet written
        pendingSave_ = settingsOrder_.take();
    }
    wake_.notify_one();
}

WriteResult Session::saveNow() {
    uint64_t save = 0;
    {
        // What waits in the background is older than what is written now.
        const std::lock_guard lock(mutex_);
        pending_.reset();
        save = settingsOrder_.take();
    }
    return write(snapshot(), save);
}

WriteResult Session::lastBackgroundSave() const {
    const std::lock_guard lock(mutex_);
    return lastBackground_;
}

void Session::writeInTheBackground() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] {
            return stopping_ || pending_ != nullptr || pendingStatistics_ != nullptr;
        });
        if (pending_ == nullptr && pendingStatistics_ == nullptr) {
            return; // stopping, nothing left to write
        }
        const std::unique_ptr<Snapshot> next = std::move(pending_);
        const uint64_t save = pendingSave_;
        const std::unique_ptr<TableStatistics> figures = std::move(pendingStatistics_);
        const uint64_t statisticsSave = pendingStatisticsSave_;
        lock.unlock();
        if (figures != nullptr) {
            writeStatistics(*figures, statisticsSave); // a failure waits for the next try
        }
        if (next != nullptr) {
            const WriteResult result = write(*next, save);
            lock.lock();
            lastBackground_ = result;
            lock.unlock();
        }
        lock.lock();
    }
}

std::string Session::statisticsPath() const {
    return settings_.WindowsDir + StatisticsFileName;
}

bool Session::writeStatistics(const TableStatistics& statistics, uint64_t save) {
    const std::lock_guard lock(statisticsFileMutex_);
    if (!statisticsOrder_.claim(save)) {
        return true; // newer figures are in the file already
    }
    return SaveStatistics(statisticsPath(), statistics);
}

void Session::dealPlayed() {
    if (++dealsSinceStatisticsSaved_ >= StatisticsSaveDeals) {
        saveStatisticsSoon();
    }
}

void Session::saveStatisticsSoon() {
    dealsSinceStatisticsSaved_ = 0;
    auto figures = std::make_unique<TableStatistics>(statistics_);
    {
        const std::lock_guard lock(mutex_);
        pendingStatistics_ = std::move(figures); // newer figures replace ones not yet written
        pendingStatisticsSave_ = statisticsOrder_.take();
    }
    wake_.notify_one();
}

bool Session::saveStatisticsNow() {
    uint64_t save = 0;
    {
        // What waits in the background is older than what is written now.
        const std::lock_guard lock(mutex_);
        pendingStatistics_.reset();
        save = statisticsOrder_.take();
    }
    dealsSinceStatisticsSaved_ = 0;
    return writeStatistics(statistics_, save);
}

} // namespace dealmoor
