#pragma once
// The 52 card faces and the card back.

#include <QImage>
#include <QPainter>

namespace dealmoor::art {

inline constexpr int CardWidth = 41;
inline constexpr int CardHeight = 54;

// 13 columns (ace .. king) by 4 rows (clubs, diamonds, hearts, spades).
QImage cardSheet(int scale = 1);
QImage cardBack(int scale = 1);
// A face-down card drawn anywhere (the deck in the dealer's hand, a card he deals),
// transparent outside its rounded corners.
void drawCardBackAt(QPainter& painter, const QRectF& card);

class ArtWriter;
void writeCards(ArtWriter& out);

} // namespace dealmoor::art
