#pragma once
// The table window's own settings, kept in the settings file's GameSettings
// section beside the game's: hints, sound switches and files, folders, the
// maximised flag, the strategy card window's last answer and the zoom; and in
// a section of their own, the count practice's choices. They are not table
// state: the application owns one record and hands it to the window.

#include "setup/CountPractice.h"
#include "setup/Zoom.h"

#include <string>

namespace dealmoor {

struct TableSettings {
    bool Hints = true;
    bool SaveStrategy = false;
    bool Maxed = true;
    bool SoundOn = true;
    bool WinSoundOn = true;
    bool CardSoundOn = true;
    bool LoseSoundOn = true;
    bool BlackjackSoundOn = true;
    bool ShuffleSoundOn = true;
    std::string WinSoundFile;
    std::string LoseSoundFile;
    std::string CardSoundFile;
    std::string BlackjackSoundFile;
    std::string ShuffleSoundFile;
    std::string ProgramDir; // folder of the executable, ends with "/"
    std::string WindowsDir; // per-user settings folder, ends with "/"
    std::string DataDir;    // where strategy card files live, ends with "/"
    int Zoom = NormalZoom;  // percent of the table's size on screen, ZoomToFit for the window's
    CountPractice Practice;
};

} // namespace dealmoor
