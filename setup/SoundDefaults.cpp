#include "setup/SoundDefaults.h"

namespace dealmoor {

void SetDefaultSoundFiles(TableSettings& settings) {
    settings.BlackjackSoundFile = settings.ProgramDir + "dmoor3.wav";
    settings.WinSoundFile = settings.ProgramDir + "dmoor2.wav";
    settings.LoseSoundFile = settings.ProgramDir + "dmoor1.wav";
    settings.CardSoundFile = settings.ProgramDir + "dmoor0.wav";
    settings.ShuffleSoundFile = settings.ProgramDir + "dmoor4.wav";
}

bool FitsSoundSetting(const std::string& path) {
    return path.size() <= SoundPathMax;
}

} // namespace dealmoor
