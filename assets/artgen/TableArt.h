#pragma once
// Pieces of the table: the dealer's rail with the chip rack, the printed arc on the
// felt, the betting circle and the player's rail.

#include <QImage>

namespace dealmoor::art {

QImage railWithRack();  // dtable1, 300 x 15
QImage feltArc();       // dtable2, 300 x 61
QImage bettingCircle(); // ptable, 61 x 61
QImage playerRail();    // ptable2, 250 x 8

class ArtWriter;
void writeTablePieces(ArtWriter& out);

} // namespace dealmoor::art
