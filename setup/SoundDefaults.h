#pragma once
// The five sounds the game ships with, lying beside the program, and how long
// a sound file's path may be.

#include "platform/ProfileFile.h"
#include "setup/TableSettings.h"

#include <cstddef>
#include <string>

namespace dealmoor {

// The longest sound path kept: as much as the settings file holds, so a path
// read back names the same file.
inline constexpr std::size_t SoundPathMax = ProfileValueMax;

// Blackjack, win, lose, card and shuffle sound files := the shipped wave files
// in the program folder (TableSettings::ProgramDir).
void SetDefaultSoundFiles(TableSettings& settings);

// Whether a chosen sound file's path is short enough to be kept whole.
bool FitsSoundSetting(const std::string& path);

} // namespace dealmoor
