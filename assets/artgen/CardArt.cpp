#include "CardArt.h"

#include "Art.h"
#include "Suits.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <array>
#include <utility>
#include <vector>

namespace dealmoor::art {

namespace {

const QColor CardEdge(0x7A, 0x7A, 0x7A);
const QColor CardWhite(0xFF, 0xFF, 0xFF);
const qreal CornerRadius = 3.5;

QRectF cardOutline(const QRectF& cell) {
    return cell.adjusted(0.5, 0.5, -0.5, -0.5);
}

QPainterPath roundedCard(const QRectF& cell) {
    QPainterPath path;
    path.addRoundedRect(cardOutline(cell), CornerRadius, CornerRadius);
    return path;
}

QString rankText(int rank) {
    static const char* const Texts[] = {"A", "2", "3",  "4", "5", "6", "7",
                                        "8", "9", "10", "J", "Q", "K"};
    return Texts[rank - 1];
}

// Rank above a small suit symbol, in the top left corner; the card is turned round
// for the bottom right one.
void drawIndex(QPainter& painter, const QRectF& cell, int rank, Suit suit) {
    const QPointF anchor = cell.topLeft();
    const QString text = rankText(rank);
    painter.setPen(suitColour(suit));
    painter.setFont(artFont(10, true, text.size() > 1));
    QFontMetricsF metrics(painter.font());
    QRectF box = metrics.tightBoundingRect(text);
    qreal squeeze = text.size() > 1 ? 0.78 : 1.0;
    painter.save();
    painter.translate(anchor + QPointF(5.6, 2.2));
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(-box.width() / 2 - box.left(), -box.top()), text);
    painter.restore();
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(placedSuit(suit, anchor + QPointF(5.6, 16.8), 6.6));
}

// Pip centres of the number cards, in card pixels; true marks a pip turned round.
struct Pip {
    qreal x, y;
    bool down;
};

std::vector<Pip> pipLayout(int rank) {
    const qreal left = 14.2, mid = 20.5, right = 26.8;
    const qreal top = 9.8, bottom = 44.2, centre = (top + bottom) / 2;
    const qreal third = (bottom - top) / 3;
    auto pair = [&](qreal y, bool down) {
        return std::vector<Pip>{{left, y, down}, {right, y, down}};
    };
    std::vector<Pip> pips;
    auto add = [&](std::vector<Pip> more) { pips.insert(pips.end(), more.begin(), more.end()); };
    switch (rank) {
    case 2:
        add({{mid, top, false}, {mid, bottom, true}});
        break;
    case 3:
        add({{mid, top, false}, {mid, centre, false}, {mid, bottom, true}});
        break;
    case 4:
    case 5:
        add(pair(top, false));
        add(pair(bottom, true));
        if (rank == 5) {
            add({{mid, centre, false}});
        }
        break;
    case 6:
    case 7:
    case 8:
        add(pair(top, false));
        add(pair(centre, false));
        add(pair(bottom, true));
        if (rank >= 7) {
            add({{mid, (top + centre) / 2, false}});
        }
        if (rank == 8) {
            add({{mid, (centre + bottom) / 2, true}});
        }
        break;
    case 9:
    case 10:
        add(pair(top, false));
        add(pair(top + third, false));
        add(pair(bottom - third, true));
        add(pair(bottom, true));
        if (rank == 9) {
            add({{mid, centre, false}});
        } else {
            add({{mid, top + third / 2, false}, {mid, bottom - third / 2, true}});
        }
        break;
    default:
        break;
    }
    return pips;
}

void drawPips(QPainter& painter, const QRectF& cell, int rank, Suit suit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    if (rank == 1) {
        // The ace of spades carries the big ornate pip; the others a plain large one.
        const qreal size = suit == Suit::Spades ? 20 : 15;
        painter.drawPath(placedSuit(suit, cell.topLeft() + QPointF(20.5, 27), size));
        if (suit == Suit::Spades) {
            painter.setBrush(CardWhite);
            painter.drawPath(placedSuit(suit, cell.topLeft() + QPointF(20.5, 26.4), 7.5));
            painter.setBrush(suitColour(suit));
            painter.drawPath(placedSuit(suit, cell.topLeft() + QPointF(20.5, 26.2), 4.5));
        }
        return;
    }
    // Nine and ten pips need smaller symbols to keep apart.
    const qreal size = rank >= 9 ? 7.4 : 8.4;
    for (const Pip& pip : pipLayout(rank)) {
        painter.drawPath(placedSuit(suit, cell.topLeft() + QPointF(pip.x, pip.y), size, pip.down));
    }
}

// Colours of one court figure: robe, trim, and the hat or crown.
struct CourtColours {
    QColor robe, trim, headwear, hair;
};

CourtColours courtColours(int rank, Suit suit) {
    const QColor red(0xC8, 0x1E, 0x2A), blue(0x1D, 0x4E, 0xA8), gold(0xF2, 0xC1, 0x2E);
    const bool redSuit = suit == Suit::Hearts || suit == Suit::Diamonds;
    const QColor main = (rank == 12) == redSuit ? blue : red;
    const QColor other = main == red ? blue : red;
    const QColor hair = rank == 13 ? QColor(0xE8, 0xE4, 0xDA) : QColor(0x6B, 0x3E, 0x1F);
    return {main, rank == 11 ? gold : other, rank == 11 ? other : gold, hair};
}

// One half of a court card: the figure from the chest up. The other half is the same
// figure turned round, as on a real card.
void drawCourtHalf(QPainter& painter, const QRectF& half, int rank, Suit suit) {
    const CourtColours colours = courtColours(rank, suit);
    const QColor ink(0x1A, 0x1A, 0x1A);
    const qreal cx = half.center().x();
    const qreal y0 = half.top();
    const qreal bottom = half.bottom();
    const QColor skin(0xF8, 0xD9, 0xB5);
    painter.save();
    painter.setClipRect(half, Qt::IntersectClip);

    // Shoulders and robe, with a collar band of the trim colour.
    QPainterPath robe;
    robe.moveTo(half.left() + 0.5, bottom + 1);
    robe.cubicTo(half.left() + 1, y0 + 14.5, cx - 6, y0 + 12.5, cx, y0 + 12.5);
    robe.cubicTo(cx + 6, y0 + 12.5, half.right() - 1, y0 + 14.5, half.right() - 0.5, bottom + 1);
    robe.closeSubpath();
    fillOutlined(painter, robe, colours.robe, ink, 0.7);
    QPainterPath band;
    band.moveTo(cx - 7, y0 + 14);
    band.quadTo(cx, y0 + 18.5, cx + 7, y0 + 14);
    painter.setPen(QPen(colours.trim, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(band);
    painter.setPen(QPen(ink, 0.5));
    painter.drawPath(band.translated(0, 1.3));
    painter.fillRect(QRectF(cx - 0.7, y0 + 16.3, 1.4, bottom - y0 - 16), colours.trim);

    // Hair falls behind the face: long for the queen, a beard for the king.
    painter.setPen(QPen(ink, 0.6));
    painter.setBrush(colours.hair);
    if (rank == 12) {
        painter.drawRoundedRect(QRectF(cx - 5, y0 + 5.2, 10, 10.5), 3, 3);
    }
    fillOutlined(
        painter,
        [&] {
            QPainterPath face;
            face.addEllipse(QPointF(cx, y0 + 9.6), 3.4, 3.9);
            return face;
        }(),
        skin, ink, 0.6);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(cx - 3.4, y0 + 9.8);
        beard.quadTo(cx - 3, y0 + 15.6, cx, y0 + 15.8);
        beard.quadTo(cx + 3, y0 + 15.6, cx + 3.4, y0 + 9.8);
        beard.quadTo(cx, y0 + 12.2, cx - 3.4, y0 + 9.8);
        fillOutlined(painter, beard, colours.hair, ink, 0.5);
    }
    // Eyes and mouth: two dots and a dash are enough at this size.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(cx - 1.3, y0 + 9.2), 0.45, 0.55);
    painter.drawEllipse(QPointF(cx + 1.3, y0 + 9.2), 0.45, 0.55);
    painter.setPen(QPen(QColor(0xB0, 0x30, 0x30), 0.6));
    painter.drawLine(QPointF(cx - 0.9, y0 + 11.7), QPointF(cx + 0.9, y0 + 11.7));

    // Crown for the king and queen, a feathered cap for the jack.
    QPainterPath hat;
    if (rank == 11) {
        hat.moveTo(cx - 4.4, y0 + 7.4);
        hat.quadTo(cx - 3.5, y0 + 3.2, cx + 1, y0 + 3.4);
        hat.quadTo(cx + 5, y0 + 3.8, cx + 4.4, y0 + 7.4);
        hat.closeSubpath();
        fillOutlined(painter, hat, colours.headwear, ink, 0.6);
        QPainterPath feather;
        feather.moveTo(cx + 2, y0 + 4);
        feather.quadTo(cx + 7, y0 + 0.5, cx + 8.5, y0 + 4.5);
        painter.setPen(QPen(QColor(0xF2, 0xC1, 0x2E), 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(feather);
    } else {
        const qreal rise = rank == 13 ? 5.0 : 3.8;
        const qreal base = y0 + 6.9;
        hat.moveTo(cx - 3.8, base);
        hat.lineTo(cx - 4.2, base - rise);
        hat.lineTo(cx - 2.1, base - rise * 0.5);
        hat.lineTo(cx, base - rise - 0.3);
        hat.lineTo(cx + 2.1, base - rise * 0.5);
        hat.lineTo(cx + 4.2, base - rise);
        hat.lineTo(cx + 3.8, base);
        hat.closeSubpath();
        fillOutlined(painter, hat, colours.headwear, ink, 0.6);
    }

    // Each figure holds the sign of its rank: sword, flower or halberd.
    painter.setPen(QPen(ink, 0.8, Qt::SolidLine, Qt::RoundCap));
    const qreal sx = half.left() + 3.2;
    if (rank == 13) {
        painter.drawLine(QPointF(sx, y0 + 20), QPointF(sx, y0 + 6));
        painter.drawLine(QPointF(sx - 1.6, y0 + 16.5), QPointF(sx + 1.6, y0 + 16.5));
    } else if (rank == 12) {
        painter.drawLine(QPointF(sx + 0.5, y0 + 20), QPointF(sx + 0.5, y0 + 12));
        painter.setBrush(QColor(0xD0, 0x10, 0x1C));
        painter.setPen(QPen(ink, 0.4));
        painter.drawEllipse(QPointF(sx + 0.5, y0 + 11.2), 1.6, 1.6);
    } else {
        painter.drawLine(QPointF(sx, y0 + 21), QPointF(sx, y0 + 4));
        painter.setBrush(QColor(0xB8, 0xB8, 0xC0));
        painter.drawEllipse(QPointF(sx, y0 + 4.8), 1.4, 1.8);
    }
    // The suit of the card beside the head.
    painter.setPen(Qt::NoPen);
    painter.setBrush(suitColour(suit));
    painter.drawPath(placedSuit(suit, QPointF(half.right() - 3.4, y0 + 4.2), 4.6));
    painter.restore();
}

void drawCourt(QPainter& painter, const QRectF& cell, int rank, Suit suit) {
    const QRectF frame = QRectF(cell.left() + 10.5, cell.top() + 5.5, 20, 43);
    painter.fillRect(frame, QColor(0xFF, 0xFB, 0xEE));
    QRectF top(frame.left(), frame.top(), frame.width(), frame.height() / 2);
    drawCourtHalf(painter, top, rank, suit);
    painter.save();
    painter.translate(frame.center());
    painter.rotate(180);
    painter.translate(-frame.center());
    drawCourtHalf(painter, top, rank, suit);
    painter.restore();
    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 0.6));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitColour(suit), 0.9));
    painter.drawRect(frame);
}

void drawFace(QPainter& painter, const QRectF& cell, int rank, Suit suit) {
    painter.fillRect(cell, Felt);
    fillOutlined(painter, roundedCard(cell), CardWhite, CardEdge, 1.0);
    if (rank >= 11) {
        drawCourt(painter, cell, rank, suit);
    } else {
        drawPips(painter, cell, rank, suit);
    }
    drawIndex(painter, cell, rank, suit);
    painter.save();
    painter.translate(cell.center());
    painter.rotate(180);
    painter.translate(-cell.center());
    drawIndex(painter, cell, rank, suit);
    painter.restore();
}

} // namespace

void drawCardBackAt(QPainter& painter, const QRectF& card) {
    const QColor blue(0x1C, 0x47, 0x9C), light(0x5C, 0x8A, 0xDB);
    QPainterPath outline;
    outline.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), CornerRadius, CornerRadius);
    fillOutlined(painter, outline, CardWhite, CardEdge, 1.0);
    const QRectF field = card.adjusted(3.5, 3.5, -3.5, -3.5);
    painter.save();
    QPainterPath fieldPath;
    fieldPath.addRoundedRect(field, 1.5, 1.5);
    painter.setClipPath(fieldPath, Qt::IntersectClip);
    painter.fillRect(field, blue);
    // A lattice of fine diagonal lines with small diamonds where they cross.
    painter.setPen(QPen(light, 0.8));
    const qreal step = 5.0;
    for (qreal d = -field.height(); d < field.width() + field.height(); d += step) {
        painter.drawLine(QPointF(field.left() + d, field.top()),
                         QPointF(field.left() + d - field.height(), field.bottom()));
        painter.drawLine(QPointF(field.left() + d - field.height(), field.top()),
                         QPointF(field.left() + d, field.bottom()));
    }
    painter.setPen(QPen(QColor(0xE8, 0xEF, 0xFF), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 1.2, 1.2);
    // A medallion in the middle.
    painter.setBrush(blue);
    painter.drawEllipse(field.center(), 7.5, 9.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE8, 0xEF, 0xFF));
    painter.drawPath(placedSuit(Suit::Spades, field.center() + QPointF(0, -0.3), 7.5));
    painter.restore();
}

QImage cardSheet(int scale) {
    QImage sheet = opaqueImage(13 * CardWidth, 4 * CardHeight, Felt, scale);
    QPainter painter(&sheet);
    smooth(painter);
    for (int row = 0; row < 4; ++row) {
        for (int rank = 1; rank <= 13; ++rank) {
            const QRectF cell((rank - 1) * CardWidth, row * CardHeight, CardWidth, CardHeight);
            drawFace(painter, cell, rank, static_cast<Suit>(row));
        }
    }
    return sheet;
}

QImage cardBack(int scale) {
    QImage back = opaqueImage(CardWidth, CardHeight, Felt, scale);
    QPainter painter(&back);
    smooth(painter);
    drawCardBackAt(painter, QRectF(0, 0, CardWidth, CardHeight));
    return back;
}

void writeCards(ArtWriter& out) {
    out.png("Cards.png", cardSheet(out.scale()), 533, 216);
    out.png("CardBack.png", cardBack(out.scale()), CardWidth, CardHeight);
}

} // namespace dealmoor::art
