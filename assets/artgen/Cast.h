#pragma once
// The nine characters of the table: their strips of four faces, their large and
// small portraits.

#include "Figure.h"

#include <QImage>

namespace dealmoor::art {

// What a frame of a character's strip is for, read from the game's mood tables.
enum class Role { Neutral, Pleased, Displeased, GestureFirst, GestureSecond, Thinking, Spare };
Role roleOf(int character, int frame);

// The strip "dmoor<n>.bmp": four frames of the character's frame width, as tall as
// the seat view above its rail minus the character's frame top.
QImage characterStrip(int character, int scale = 1);
QImage largePortraits(int scale = 1); // Heads, 178 x 1602
QImage smallPortraits(int scale = 1); // Head2, 89 x 801

class ArtWriter;
void writeCast(ArtWriter& out);

} // namespace dealmoor::art
