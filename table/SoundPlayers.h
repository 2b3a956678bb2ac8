#pragma once
// The five event sounds of the table. Each plays only while its own switch and
// the master switch are on; an asynchronous sound replaces the one playing, the
// shuffle sound holds the game until it has ended. A file that is missing or
// cannot be played is simply silent.

#include "setup/TableSettings.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <string>

class QSoundEffect;

namespace dealmoor {

// Length of a PCM wave file read from its header; nothing when it is not one.
std::optional<int> WaveDurationMs(const std::string& path);

// The file a sound setting names, found whatever the case of its file name; "" when missing.
std::string ResolveSoundFile(const std::string& path);

// Whether the machine has any audio output at all.
bool AudioOutputAvailable();

class SoundPlayers : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayers(const TableSettings& settings, QObject* parent = nullptr);
    ~SoundPlayers() override;

    void PlayCardSound();
    void PlayWinSound();
    void PlayLoseSound();
    void PlayBlackjackSound();
    // Returns when the shuffle sound has ended (or at once when it cannot sound);
    // false when it did not sound: switched off, no audio device, a file that
    // is missing, unreadable or no wave file. The shuffle then pauses instead.
    bool PlayShuffleSound();

    // Plays a file to its end whatever the switches say (the sound window's Preview).
    void Preview(const std::string& path);

    // A name Qt can open a sound file by: its own, or that of a copy when its
    // folder's name is not valid in the platform's encoding.
    QString playablePath(const std::string& resolvedPath);

private:
    void playAsync(bool eventOn, const std::string& path);
    // Plays a file to its end; false when it could not sound at all.
    bool playSync(const std::string& path);
    QSoundEffect* effectFor(const std::string& resolvedPath);
    bool waitUntilLoaded(QSoundEffect* effect);

    const TableSettings& settings_;
    std::map<std::string, QSoundEffect*> effects_; // loaded once per file
    QSoundEffect* playing_ = nullptr;
    QTemporaryDir copies_; // sounds Qt could not open where they lie
};

} // namespace dealmoor
