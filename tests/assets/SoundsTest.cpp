// The five sounds: plain 16-bit mono PCM at 22050 Hz that any player reads, of
// the intended length, audible, and never clipped.

#include "ShippedFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace dealmoor::test {
namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<std::int16_t> samples;
};

std::uint32_t little(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Reads the chunks of a RIFF WAVE file; fails the test on a malformed one.
Wave readWave(const QString& name) {
    Wave wave;
    QFile file(artFolder().filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    const QByteArray bytes = file.readAll();
    EXPECT_GE(bytes.size(), 44);
    if (bytes.size() < 44) {
        return wave;
    }
    EXPECT_EQ(bytes.mid(0, 4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 4), "WAVE");
    EXPECT_EQ(little(bytes, 4, 4), static_cast<std::uint32_t>(bytes.size() - 8));
    int at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const int size = static_cast<int>(little(bytes, at + 4, 4));
        const int body = at + 8;
        EXPECT_LE(body + size, bytes.size()) << qPrintable(name) << " chunk " << id.data();
        if (id == "fmt ") {
            wave.format = static_cast<int>(little(bytes, body, 2));
            wave.channels = static_cast<int>(little(bytes, body + 2, 2));
            wave.rate = static_cast<int>(little(bytes, body + 4, 4));
            wave.bits = static_cast<int>(little(bytes, body + 14, 2));
        } else if (id == "data") {
            for (int i = body; i + 1 < body + size && i + 1 < bytes.size(); i += 2) {
                wave.samples.push_back(static_cast<std::int16_t>(little(bytes, i, 2)));
            }
        }
        at = body + size + (size % 2);
    }
    return wave;
}

TEST(Sounds, FiveShortCleanPcmSounds) {
    const struct {
        const char* name;
        int shortestMs, longestMs;
    } sounds[] = {{"dmoor0.wav", 50, 150},
                  {"dmoor1.wav", 300, 550},
                  {"dmoor2.wav", 400, 650},
                  {"dmoor3.wav", 750, 1100},
                  {"dmoor4.wav", 550, 900}};
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.name);
        const Wave wave = readWave(sound.name);
        EXPECT_EQ(wave.format, 1);
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.rate, 22050);
        EXPECT_EQ(wave.bits, 16);
        ASSERT_FALSE(wave.samples.empty());
        const int ms = static_cast<int>(wave.samples.size() * 1000 / 22050);
        EXPECT_GE(ms, sound.shortestMs);
        EXPECT_LE(ms, sound.longestMs);
        int peak = 0;
        for (std::int16_t s : wave.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        // Gentle ends: no click when the sound starts or stops.
        EXPECT_LT(std::abs(static_cast<int>(wave.samples.front())), 500);
        EXPECT_LT(std::abs(static_cast<int>(wave.samples.back())), 500);
    }
}

} // namespace
} // namespace dealmoor::test
