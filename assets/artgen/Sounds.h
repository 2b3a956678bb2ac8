#pragma once
// The table's five sounds, synthesised: card flick, lose, win, blackjack fanfare
// and the riffle of a shuffle. 16-bit PCM, mono, 22050 samples a second.

#include <cstdint>
#include <string>
#include <vector>

namespace dealmoor::art {

inline constexpr int SampleRate = 22050;

// Samples in -1 .. 1.
using Samples = std::vector<double>;

Samples cardFlick();        // dmoor0.wav
Samples loseTones();        // dmoor1.wav
Samples winArpeggio();      // dmoor2.wav
Samples blackjackFanfare(); // dmoor3.wav
Samples shuffleRiffle();    // dmoor4.wav

// The bytes of a WAV file holding the samples, scaled so the loudest one reaches
// the given share of full scale.
std::vector<std::uint8_t> waveFile(const Samples& samples, double peak = 0.7);

// Writes dmoor0.wav .. dmoor4.wav into a folder; returns the names it could not write.
std::vector<std::string> writeSounds(const std::string& folder);

} // namespace dealmoor::art
