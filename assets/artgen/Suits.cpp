#include "Suits.h"

#include <QTransform>

namespace dealmoor::art {

namespace {

// One outline of overlapping parts. Merging flattens the curves into straight
// pieces sized for the coordinates they are in, so it is done on a large copy:
// merged at one unit, a spade turns polygonal as soon as it is drawn big.
QPainterPath merged(const QPainterPath& parts) {
    constexpr qreal Large = 256;
    return QTransform::fromScale(1 / Large, 1 / Large)
        .map(QTransform::fromScale(Large, Large).map(parts).simplified());
}

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0, 0.47);
    path.cubicTo(-0.06, 0.36, -0.5, 0.08, -0.5, -0.19);
    path.cubicTo(-0.5, -0.4, -0.37, -0.5, -0.25, -0.5);
    path.cubicTo(-0.1, -0.5, -0.02, -0.41, 0, -0.3);
    path.cubicTo(0.02, -0.41, 0.1, -0.5, 0.25, -0.5);
    path.cubicTo(0.37, -0.5, 0.5, -0.4, 0.5, -0.19);
    path.cubicTo(0.5, 0.08, 0.06, 0.36, 0, 0.47);
    path.closeSubpath();
    return path;
}

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0, -0.52);
    path.quadTo(0.16, -0.2, 0.4, 0);
    path.quadTo(0.16, 0.2, 0, 0.52);
    path.quadTo(-0.16, 0.2, -0.4, 0);
    path.quadTo(-0.16, -0.2, 0, -0.52);
    path.closeSubpath();
    return path;
}

// The flared foot shared by clubs and spades.
void addStem(QPainterPath& path) {
    path.moveTo(-0.05, 0.1);
    path.lineTo(0.05, 0.1);
    path.quadTo(0.06, 0.38, 0.22, 0.5);
    path.lineTo(-0.22, 0.5);
    path.quadTo(-0.06, 0.38, -0.05, 0.1);
    path.closeSubpath();
}

QPainterPath spade() {
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.cubicTo(0.07, -0.36, 0.5, -0.12, 0.5, 0.12);
    path.cubicTo(0.5, 0.3, 0.38, 0.38, 0.26, 0.38);
    path.cubicTo(0.13, 0.38, 0.05, 0.31, 0.02, 0.22);
    path.lineTo(-0.02, 0.22);
    path.cubicTo(-0.05, 0.31, -0.13, 0.38, -0.26, 0.38);
    path.cubicTo(-0.38, 0.38, -0.5, 0.3, -0.5, 0.12);
    path.cubicTo(-0.5, -0.12, -0.07, -0.36, 0, -0.5);
    path.closeSubpath();
    addStem(path);
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath club() {
    QPainterPath path;
    const qreal r = 0.225;
    path.addEllipse(QPointF(0, -0.265), r, r);
    path.addEllipse(QPointF(-0.265, 0.085), r, r);
    path.addEllipse(QPointF(0.265, 0.085), r, r);
    path.addEllipse(QPointF(0, 0.0), 0.14, 0.14);
    addStem(path);
    path.setFillRule(Qt::WindingFill);
    return merged(path);
}

} // namespace

QPainterPath suitShape(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return club();
    case Suit::Diamonds:
        return diamond();
    case Suit::Hearts:
        return heart();
    case Suit::Spades:
        return merged(spade());
    }
    return {};
}

QColor suitColour(Suit suit) {
    const bool red = suit == Suit::Hearts || suit == Suit::Diamonds;
    return red ? QColor(0xD0, 0x10, 0x1C) : QColor(0x12, 0x12, 0x12);
}

QPainterPath placedSuit(Suit suit, QPointF centre, qreal width, bool upsideDown) {
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(width, width);
    if (upsideDown) {
        place.rotate(180);
    }
    return place.map(suitShape(suit));
}

} // namespace dealmoor::art
