#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace dealmoor::art {

namespace {

constexpr double Pi = std::numbers::pi;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(seconds * SampleRate + 0.5);
}

double timeOf(std::size_t sample) {
    return static_cast<double>(sample) / SampleRate;
}

// A fixed noise source, so every build makes the same sounds.
class Noise {
public:
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state_ = 0x9E3779B9u;
};

// A two-pole band-pass filter (constant peak gain).
class BandPass {
public:
    BandPass(double centre, double q) {
        const double w = 2 * Pi * centre / SampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        b2_ = -alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Quick rise, exponential fall: the shape of a struck or plucked sound.
double strike(double t, double attack, double decay) {
    if (t < 0) {
        return 0;
    }
    return std::min(1.0, t / attack) * std::exp(-t / decay);
}

// Smooth ends, so no sound starts or stops with a click.
void fadeEnds(Samples& s, double seconds) {
    const std::size_t n = std::min(samplesFor(seconds), s.size() / 2);
    for (std::size_t i = 0; i < n; ++i) {
        const double g = 0.5 - 0.5 * std::cos(Pi * static_cast<double>(i) / static_cast<double>(n));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

// A mellow tone: a few harmonics, the higher ones dying away sooner.
void addBell(Samples& s, double start, double length, double frequency, double loudness,
             double decay) {
    const double harmonics[][2] = {{1, 1.0}, {2, 0.35}, {3, 0.12}, {4.2, 0.05}};
    const std::size_t from = samplesFor(start);
    const std::size_t count = samplesFor(length);
    for (std::size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double t = timeOf(i);
        double v = 0;
        for (const auto& [multiple, share] : harmonics) {
            v += share * strike(t, 0.004, decay / multiple) *
                 std::sin(2 * Pi * frequency * multiple * t);
        }
        s[from + i] += loudness * v;
    }
}

// A brass-like note: many harmonics whose brightness swells in with the attack.
void addBrass(Samples& s, double start, double length, double frequency, double loudness) {
    const std::size_t from = samplesFor(start);
    const std::size_t count = samplesFor(length);
    for (std::size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double t = timeOf(i);
        const double rise = std::min(1.0, t / 0.025);
        const double fall = std::min(1.0, (length - t) / 0.06);
        const double vibrato = 1 + 0.004 * std::sin(2 * Pi * 5.5 * t) * std::min(1.0, t / 0.25);
        double v = 0;
        for (int n = 1; n <= 8; ++n) {
            const double brightness = std::pow(0.55 + 0.3 * rise, n - 1);
            v += brightness / n * std::sin(2 * Pi * frequency * vibrato * n * t);
        }
        s[from + i] += loudness * rise * std::max(0.0, fall) * v;
    }
}

// A short burst of filtered noise: one card edge snapping past another.
void addClick(Samples& s, double start, double loudness, double centre, Noise& noise) {
    BandPass band(centre, 1.4);
    const std::size_t from = samplesFor(start);
    const std::size_t count = samplesFor(0.006);
    for (std::size_t i = 0; i < count && from + i < s.size(); ++i) {
        s[from + i] += loudness * strike(timeOf(i), 0.0004, 0.0012) * band(noise.next());
    }
}

void write16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void write32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    write16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    write16(out, static_cast<std::uint16_t>(v >> 16));
}

void writeTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

Samples cardFlick() {
    Samples s(samplesFor(0.08));
    Noise noise;
    BandPass crisp(3200, 1.1), body(900, 0.9);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = timeOf(i);
        const double n = noise.next();
        s[i] = strike(t, 0.0015, 0.012) * (crisp(n) + 0.5 * body(n)) +
               0.25 * strike(t, 0.001, 0.008) * std::sin(2 * Pi * 190 * t);
    }
    fadeEnds(s, 0.002);
    return s;
}

Samples loseTones() {
    Samples s(samplesFor(0.42));
    addBell(s, 0.0, 0.2, 329.63, 0.8, 0.25);
    addBell(s, 0.17, 0.25, 261.63, 0.9, 0.22);
    fadeEnds(s, 0.006);
    return s;
}

Samples winArpeggio() {
    Samples s(samplesFor(0.5));
    const double notes[] = {523.25, 659.26, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        addBell(s, 0.085 * i, 0.5 - 0.085 * i, notes[i], i == 3 ? 0.8 : 0.6, 0.16);
    }
    fadeEnds(s, 0.01);
    return s;
}

Samples blackjackFanfare() {
    Samples s(samplesFor(0.9));
    // Three quick pick-up notes, then the held chord.
    addBrass(s, 0.0, 0.11, 392.0, 0.5);
    addBrass(s, 0.12, 0.11, 523.25, 0.5);
    addBrass(s, 0.24, 0.11, 659.26, 0.5);
    addBrass(s, 0.36, 0.54, 783.99, 0.55);
    addBrass(s, 0.36, 0.54, 523.25, 0.3);
    addBrass(s, 0.36, 0.54, 659.26, 0.3);
    fadeEnds(s, 0.01);
    return s;
}

Samples shuffleRiffle() {
    Samples s(samplesFor(0.7));
    Noise noise;
    // The cards of the two halves fall in turn, faster in the middle of the riffle.
    double t = 0.02;
    int card = 0;
    while (t < 0.58) {
        const double progress = t / 0.58;
        const double swell = std::sin(Pi * progress);
        const double loudness = (0.45 + 0.55 * swell) * (0.8 + 0.2 * std::abs(noise.next()));
        addClick(s, t, loudness, card % 2 ? 2600 : 3400, noise);
        t += 0.0105 - 0.0045 * swell + 0.0015 * noise.next();
        ++card;
    }
    // The two halves pushed together at the end.
    BandPass thud(700, 0.8);
    const std::size_t from = samplesFor(0.6);
    for (std::size_t i = from; i < s.size(); ++i) {
        s[i] += 0.7 * strike(timeOf(i - from), 0.004, 0.02) * thud(noise.next());
    }
    fadeEnds(s, 0.005);
    return s;
}

std::vector<std::uint8_t> waveFile(const Samples& samples, double peak) {
    double loudest = 0;
    for (double v : samples) {
        loudest = std::max(loudest, std::abs(v));
    }
    const double gain = loudest > 0 ? peak * 32767.0 / loudest : 0;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    writeTag(out, "RIFF");
    write32(out, 36 + dataBytes);
    writeTag(out, "WAVE");
    writeTag(out, "fmt ");
    write32(out, 16);
    write16(out, 1); // PCM
    write16(out, 1); // mono
    write32(out, SampleRate);
    write32(out, SampleRate * 2);
    write16(out, 2);
    write16(out, 16);
    writeTag(out, "data");
    write32(out, dataBytes);
    for (double v : samples) {
        const long level = std::lround(std::clamp(v * gain, -32767.0, 32767.0));
        write16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(level)));
    }
    return out;
}

std::vector<std::string> writeSounds(const std::string& folder) {
    // Noisy sounds carry further than tones of the same peak: they are kept softer.
    const struct {
        const char* name;
        Samples (*make)();
        double peak;
    } sounds[] = {{"dmoor0.wav", cardFlick, 0.5},
                  {"dmoor1.wav", loseTones, 0.7},
                  {"dmoor2.wav", winArpeggio, 0.7},
                  {"dmoor3.wav", blackjackFanfare, 0.7},
                  {"dmoor4.wav", shuffleRiffle, 0.5}};
    std::vector<std::string> failed;
    for (const auto& sound : sounds) {
        const std::vector<std::uint8_t> bytes = waveFile(sound.make(), sound.peak);
        std::ofstream file(folder + "/" + sound.name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            failed.emplace_back(sound.name);
        }
    }
    return failed;
}

} // namespace dealmoor::art
