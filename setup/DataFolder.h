#pragma once
// Where strategy card files live: the program folder, unless its medium is
// full or cannot be written, or it is an installed copy's shared folder, in
// which case the per-user fallback folder.

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

// Whether default strategy cards may be written into the program folder: not
// into an installed copy's shared folder, even by a user allowed to.
bool ProgramDirTakesCards(const TableSettings& settings);

} // namespace dealmoor
