#pragma once
// The seven-segment number glyphs used by the bet and borrowing windows.

#include <QImage>

namespace dealmoor::art {

// Digits 0..9 at x = 16 d (15 wide, 20 high), the separator dot at x 176..180, in seven
// colour rows 21 apart (blue, cyan, green, magenta, red, white, yellow) on black.
QImage digitSheet(int scale = 1);

class ArtWriter;
void writeDigits(ArtWriter& out);

} // namespace dealmoor::art
