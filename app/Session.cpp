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

WriteResult Session::write(const Snapshot& snapshot) {
    const std::lock_guard lock(fileMutex_);
    return WriteSettings(snapshot.game, snapshot.settings, SettingsPath(snapshot.settings));
}

void Session::saveSoon() {
    auto next = std::make_unique<Snapshot>(snapshot());
    {
        const std::lock_guard lock(mutex_);
        pending_ = std::move(next); // a newer table replaces one not yet written
    }
    wake_.notify_one();
}

WriteResult Session::saveNow() {
    {
        // What waits in the background is older than what is written now.
        const std::lock_guard lock(mutex_);
        pending_.reset();
    }
    return write(snapshot());
}

WriteResult Session::lastBackgroundSave() const {
    const std::lock_guard lock(mutex_);
    return lastBackground_;
}

void Session::writeInTheBackground() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || pending_ != nullptr; });
        if (pending_ == nullptr) {
            return; // stopping, nothing left to write
        }
        const std::unique_ptr<Snapshot> next = std::move(pending_);
        lock.unlock();
        const WriteResult result = write(*next);
        lock.lock();
        lastBackground_ = result;
    }
}

} // namespace dealmoor
