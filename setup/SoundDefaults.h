#pragma once
// The five sounds the game ships with, lying beside the program.

#include "setup/TableSettings.h"

namespace dealmoor {

// Blackjack, win, lose, card and shuffle sound files := the shipped wave files
// in the program folder (TableSettings::ProgramDir).
void SetDefaultSoundFiles(TableSettings& settings);

} // namespace dealmoor
