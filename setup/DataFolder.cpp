#include "setup/DataFolder.h"

#include "platform/Folders.h"

namespace dealmoor {

bool ChooseDataDir(TableSettings& settings) {
    return ChooseDataDir(settings, CurrentDriveFreeBytes(settings.ProgramDir));
}

bool ProgramDirTakesCards(const TableSettings& settings) {
    return !IsInstalledProgramDir(settings.ProgramDir);
}

bool ChooseDataDir(TableSettings& settings, int64_t freeBytes) {
    if (freeBytes > DataDirMinFreeBytes && ProgramDirTakesCards(settings)) {
        settings.DataDir = settings.ProgramDir;
        return false;
    }
    settings.DataDir = FallbackDataDir();
    return CreateFallbackDataDir();
}

} // namespace dealmoor
