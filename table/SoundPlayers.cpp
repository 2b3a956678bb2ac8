#include "table/SoundPlayers.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "table/FilePaths.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace dealmoor {

namespace {

// A shuffle never holds the table longer than this, whatever a header claims.
constexpr int LongestSyncSoundMs = 10000;
// How long a first play waits for its file to be decoded before giving up.
constexpr int LoadWaitMs = 1000;

uint32_t LittleEndian(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

} // namespace

std::optional<int> WaveDurationMs(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<unsigned char, 12> riff{};
    if (!in.read(reinterpret_cast<char*>(riff.data()), riff.size()))
        return std::nullopt;
    if (std::string(riff.begin(), riff.begin() + 4) != "RIFF" ||
        std::string(riff.begin() + 8, riff.end()) != "WAVE")
        return std::nullopt;

    uint32_t byteRate = 0;
    std::array<unsigned char, 8> chunk{};
    while (in.read(reinterpret_cast<char*>(chunk.data()), chunk.size())) {
        const std::string id(chunk.begin(), chunk.begin() + 4);
        const uint32_t size = LittleEndian(chunk.data() + 4, 4);
        if (id == "fmt ") {
            std::array<unsigned char, 16> fmt{};
            if (size < fmt.size() || !in.read(reinterpret_cast<char*>(fmt.data()), fmt.size()))
                return std::nullopt;
            byteRate = LittleEndian(fmt.data() + 8, 4);
            in.seekg(size - fmt.size() + (size & 1), std::ios::cur);
        } else if (id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            return static_cast<int>(uint64_t{size} * 1000 / byteRate);
        } else {
            in.seekg(size + (size & 1), std::ios::cur); // chunks are padded to even sizes
        }
    }
    return std::nullopt;
}

std::string ResolveSoundFile(const std::string& path) {
    if (path.empty())
        return {};
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        return path;
    const std::filesystem::path p(path);
    std::string dir = p.parent_path().string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return FindFileNoCase(dir, p.filename().string());
}

bool AudioOutputAvailable() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

SoundPlayers::SoundPlayers(const TableSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings) {}

SoundPlayers::~SoundPlayers() = default;

void SoundPlayers::PlayCardSound() {
    playAsync(settings_.CardSoundOn, settings_.CardSoundFile);
}
void SoundPlayers::PlayWinSound() {
    playAsync(settings_.WinSoundOn, settings_.WinSoundFile);
}
void SoundPlayers::PlayLoseSound() {
    playAsync(settings_.LoseSoundOn, settings_.LoseSoundFile);
}
void SoundPlayers::PlayBlackjackSound() {
    playAsync(settings_.BlackjackSoundOn, settings_.BlackjackSoundFile);
}

bool SoundPlayers::PlayShuffleSound() {
    if (!settings_.SoundOn || !settings_.ShuffleSoundOn)
        return false;
    return playSync(settings_.ShuffleSoundFile);
}

void SoundPlayers::Preview(const std::string& path) {
    playSync(path);
}

QSoundEffect* SoundPlayers::effectFor(const std::string& resolvedPath) {
    auto found = effects_.find(resolvedPath);
    if (found != effects_.end())
        return found->second;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(playablePath(resolvedPath)));
    effects_.emplace(resolvedPath, effect);
    return effect;
}

QString SoundPlayers::playablePath(const std::string& resolvedPath) {
    if (QtCanOpen(resolvedPath) || !copies_.isValid())
        return QtPath(resolvedPath);
    constexpr std::size_t SoundMax = 64 * 1024 * 1024;
    const FileBytes sound = ReadRegularFile(resolvedPath, SoundMax);
    const QString copy = copies_.filePath(QStringLiteral("sound%1.wav").arg(effects_.size()));
    QFile out(copy);
    if (sound.refusal != FileRefusal::None || sound.cut || !out.open(QIODevice::WriteOnly) ||
        out.write(sound.bytes.data(), static_cast<qint64>(sound.bytes.size())) !=
            static_cast<qint64>(sound.bytes.size()))
        return QtPath(resolvedPath); // silent, as a missing file is
    return copy;
}

bool SoundPlayers::waitUntilLoaded(QSoundEffect* effect) {
    if (effect->status() == QSoundEffect::Loading || effect->status() == QSoundEffect::Null) {
        QEventLoop loop;
        connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect->status() != QSoundEffect::Loading)
                loop.quit();
        });
        QTimer::singleShot(LoadWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return effect->status() == QSoundEffect::Ready;
}

void SoundPlayers::playAsync(bool eventOn, const std::string& path) {
    if (!settings_.SoundOn || !eventOn || !AudioOutputAvailable())
        return;
    const std::string file = ResolveSoundFile(path);
    if (file.empty())
        return;
    // A new sound cuts off whatever is still sounding.
    if (playing_ != nullptr)
        playing_->stop();
    playing_ = effectFor(file);
    playing_->play();
}

bool SoundPlayers::playSync(const std::string& path) {
    // Without an audio device Qt would report the sound as playing forever.
    if (!AudioOutputAvailable())
        return false;
    const std::string file = ResolveSoundFile(path);
    const std::optional<int> length = file.empty() ? std::nullopt : WaveDurationMs(file);
    if (!length)
        return false;
    if (playing_ != nullptr)
        playing_->stop();
    QSoundEffect* effect = effectFor(file);
    playing_ = effect;
    if (!waitUntilLoaded(effect))
        return false;

    QEventLoop loop;
    connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect->isPlaying())
            loop.quit();
    });
    QTimer::singleShot(std::min(*length, LongestSyncSoundMs), &loop, &QEventLoop::quit);
    effect->play();
    loop.exec();
    effect->stop();
    return true;
}

} // namespace dealmoor
