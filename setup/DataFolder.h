#pragma once
// Where strategy card files live: the program folder, unless its medium is
// full or cannot be written, in which case the per-user fallback folder.

#include "setup/TableSettings.h"

#include <cstdint>

namespace dealmoor {

// More free bytes than this and the program folder keeps the cards.
inline constexpr int64_t DataDirMinFreeBytes = 10000;

// Sets DataDir from the free space of the current medium. Returns true only
// when the fallback folder was created now: the caller then copies the
// shipped cards into it.
bool ChooseDataDir(TableSettings& settings);
// The same with the free space given (-1 when it could not be read).
bool ChooseDataDir(TableSettings& settings, int64_t freeBytes);

} // namespace dealmoor
