#pragma once
// Pieces of the table: the dealer's rail with the chip rack, the printed arc on the
// felt, the betting circle and the player's rail.

#include <QImage>

namespace dealmoor::art {

QImage railWithRack(int scale = 1);  // dtable1, 300 x 15
QImage feltArc(int scale = 1);       // dtable2, 300 x 61
QImage bettingCircle(int scale = 1); // ptable, 61 x 61
QImage playerRail(int scale = 1);    // ptable2, 250 x 8

class ArtWriter;
void writeTablePieces(ArtWriter& out);

} // namespace dealmoor::art
