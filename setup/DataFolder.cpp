#include "setup/DataFolder.h"

#include "platform/Folders.h"

namespace dealmoor {

bool ChooseDataDir(Game& game) {
    return ChooseDataDir(game, CurrentDriveFreeBytes(game.Settings.ProgramDir));
}

bool ChooseDataDir(Game& game, int64_t freeBytes) {
    if (freeBytes > DataDirMinFreeBytes) {
        game.Settings.DataDir = game.Settings.ProgramDir;
        return false;
    }
    game.Settings.DataDir = FallbackDataDir();
    return CreateFallbackDataDir();
}

} // namespace dealmoor
