#include "setup/DataFolder.h"

#include "platform/Folders.h"

namespace dealmoor {

bool ChooseDataDir(TableSettings& settings) {
    return ChooseDataDir(settings, CurrentDriveFreeBytes(settings.ProgramDir));
}

bool ChooseDataDir(TableSettings& settings, int64_t freeBytes) {
    if (freeBytes > DataDirMinFreeBytes) {
        settings.DataDir = settings.ProgramDir;
        return false;
    }
    settings.DataDir = FallbackDataDir();
    return CreateFallbackDataDir();
}

} // namespace dealmoor
