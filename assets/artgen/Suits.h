#pragma once
// The four suit symbols as outlines one unit wide, centred on the origin.

#include <QColor>
#include <QPainterPath>

namespace dealmoor::art {

// Rows of the card sheet, top to bottom.
enum class Suit { Clubs, Diamonds, Hearts, Spades };

QPainterPath suitShape(Suit suit);
// Hearts and diamonds are red, clubs and spades black.
QColor suitColour(Suit suit);
// The symbol scaled to a width in pixels, centred on a point, upside down if asked
// (the lower half of a card shows its pips turned round).
QPainterPath placedSuit(Suit suit, QPointF centre, qreal width, bool upsideDown = false);

} // namespace dealmoor::art
