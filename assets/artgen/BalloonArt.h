#pragma once
// The dealer's speech balloon: its outline and its mask, one bit per pixel.

#include <QImage>

namespace dealmoor::art {

// The view is drawn as (view OR mask) AND outline: the mask is white inside the
// balloon and black outside; the outline picture is black on its edge and white
// everywhere else.
QImage balloonOutline(int scale = 1); // balloon, 97 x 70
QImage balloonMask(int scale = 1);    // balloon2, 97 x 70

class ArtWriter;
void writeBalloons(ArtWriter& out);

} // namespace dealmoor::art
