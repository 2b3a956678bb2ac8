#include "IconArt.h"

#include "Art.h"
#include "Suits.h"

#include <QDir>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace dealmoor::art {

namespace {

// The colours of the table the icon is cut from.
const QColor Wood(0x5C, 0x3A, 0x24);
const QColor DarkWood(0x2A, 0x1A, 0x10);
const QColor FeltLight(0x1F, 0xA8, 0x3C);
const QColor FeltDeep(0x00, 0x5C, 0x00);
const QColor Chalk(0xF4, 0xF4, 0xEC);
const QColor CardEdge(0x7A, 0x7A, 0x7A);
const QColor Ink(0x14, 0x14, 0x14);
const QColor ChipRed(0xC4, 0x22, 0x22);
const QColor ChipStripe(0xF4, 0xF4, 0xF4);
const QColor ChipInlay(0xD8, 0x38, 0x34);
const QColor Gold(0xE2, 0xB4, 0x3A);

QRadialGradient feltLight(QPointF centre, qreal radius) {
    QRadialGradient light(centre, radius);
    light.setColorAt(0, FeltLight);
    light.setColorAt(0.6, Felt);
    light.setColorAt(1, FeltDeep);
    return light;
}

// Letters as outlines, so they look the same in a picture and in a scalable file.
QPainterPath letters(const QString& text, qreal pixelSize, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, artFont(pixelSize, true), text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

// ---- The detailed icon, in a square of 256 units.

void drawTile(QPainter& p) {
    // The wooden rail round a square of felt.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    QLinearGradient wood(0, 8, 0, 248);
    wood.setColorAt(0, Wood.lighter(125));
    wood.setColorAt(1, Wood.darker(130));
    fillOutlined(p, tile, wood, DarkWood, 3);
    QPainterPath felt;
    felt.addRoundedRect(QRectF(22, 22, 212, 212), 32, 32);
    fillOutlined(p, felt, feltLight(QPointF(112, 96), 190), DarkWood, 2);
}

void drawAce(QPainter& p, bool index, bool ornate) {
    p.save();
    p.translate(100, 122);
    p.rotate(-12);
    const QRectF card(-50, -66, 100, 132);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(card.translated(5, 6), 10, 10);
    QPainterPath face;
    face.addRoundedRect(card, 10, 10);
    fillOutlined(p, face, Qt::white, CardEdge, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    if (ornate) {
        // The ace of spades carries the big ornate pip, as on the table's cards.
        p.drawPath(placedSuit(Suit::Spades, QPointF(0, 4), 56));
        p.setBrush(Qt::white);
        p.drawPath(placedSuit(Suit::Spades, QPointF(0, 2.3), 21));
        p.setBrush(Ink);
        p.drawPath(placedSuit(Suit::Spades, QPointF(0, 1.8), 12.6));
    } else {
        p.drawPath(placedSuit(Suit::Spades, QPointF(0, 4), 60));
    }
    if (index) {
        // The top corner only: the chip lies over the other one.
        p.drawPath(letters("A", 30, card.topLeft() + QPointF(16, 20)));
        p.drawPath(placedSuit(Suit::Spades, card.topLeft() + QPointF(16, 45), 16));
    }
    p.restore();
}

void drawChip(QPainter& p, bool fine) {
    const QPointF centre(178, 180);
    const qreal radius = 54;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(centre + QPointF(4, 5), radius, radius);
    p.setBrush(ChipRed);
    p.drawEllipse(centre, radius, radius);
    // Edge inserts: eight blocks around the rim.
    p.setBrush(ChipStripe);
    const QRectF outer(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const qreal innerRadius = radius - 14;
    const QRectF inner(centre.x() - innerRadius, centre.y() - innerRadius, 2 * innerRadius,
                       2 * innerRadius);
    for (int i = 0; i < 8; ++i) {
        const qreal start = i * 45.0 + 10.0;
        QPainterPath block;
        block.arcMoveTo(outer, start);
        block.arcTo(outer, start, 18);
        block.arcTo(inner, start + 18, -18);
        block.closeSubpath();
        p.drawPath(block);
    }
    p.setBrush(ChipInlay);
    p.setPen(QPen(ChipRed.darker(140), 2.5));
    p.drawEllipse(centre, 34, 34);
    if (fine) {
        QPen dashes(ChipStripe, 2.5, Qt::CustomDashLine);
        dashes.setDashPattern({2.0, 2.0});
        p.setPen(dashes);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 28, 28);
    }
    // Light from the upper left, and the chip's own edge.
    QRadialGradient shine(centre + QPointF(-20, -24), radius * 1.4);
    shine.setColorAt(0, QColor(255, 255, 255, 80));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(1, QColor(0, 0, 0, 60));
    p.setPen(QPen(ChipRed.darker(170), 2.5));
    p.setBrush(shine);
    p.drawEllipse(centre, radius, radius);
}

void drawDetailedIcon(QPainter& p, int size) {
    p.save();
    p.scale(size / 256.0, size / 256.0);
    drawTile(p);
    drawAce(p, size >= 48, size >= 64);
    drawChip(p, size >= 64);
    p.restore();
}

// ---- The small icon: the same picture in a few shapes, edges on whole pixels.

void drawSmallIcon(QPainter& p, int size) {
    const qreal u = size / 16.0;
    auto px = [u](qreal units) { return qRound(units * u); };
    // Felt with a one-pixel wooden edge.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 2.5 * u, 2.5 * u);
    fillOutlined(p, tile, feltLight(QPointF(size * 0.4, size * 0.35), size * 0.8), Wood, 1.0);
    // An upright card, white with a grey edge and one big spade, kept clear of the chip.
    const QRectF card(px(2) + 0.5, px(2) + 0.5, px(8), px(11));
    QPainterPath face;
    face.addRoundedRect(card, 1.2 * u, 1.2 * u);
    fillOutlined(p, face, Qt::white, CardEdge, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(placedSuit(Suit::Spades, QPointF(card.center().x(), px(7.5)), 5.6 * u));
    // A red chip with a white ring over the card's lower corner.
    const QPointF centre(11.5 * u, 11.5 * u);
    const qreal radius = 3.5 * u;
    p.setBrush(ChipRed);
    p.setPen(QPen(ChipRed.darker(170), 1.0));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ChipStripe, u));
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
}

} // namespace

void drawIcon(QPainter& painter, int size) {
    smooth(painter);
    if (size < 32) {
        drawSmallIcon(painter, size);
    } else {
        drawDetailedIcon(painter, size);
    }
}

QImage iconPicture(int size) {
    QImage picture = clearImage(size, size);
    QPainter painter(&picture);
    drawIcon(painter, size);
    return picture;
}

QImage helpGlyph(int scale) {
    const qreal size = HelpGlyphSize;
    QImage glyph = clearImage(HelpGlyphSize, HelpGlyphSize, scale);
    QPainter p(&glyph);
    smooth(p);
    const QPointF centre(size / 2, size / 2);
    // A round badge of felt with a gold rim, and a chalk-white question mark.
    p.setPen(QPen(Gold.darker(115), 1.0));
    p.setBrush(feltLight(centre - QPointF(2, 2.5), size * 0.6));
    p.drawEllipse(centre, size / 2 - 0.5, size / 2 - 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Chalk);
    p.drawPath(letters("?", 12.5, centre + QPointF(0, 0.1)));
    return glyph;
}

void writeHelpGlyph(ArtWriter& out) {
    out.png("help.png", helpGlyph(out.scale()), HelpGlyphSize, HelpGlyphSize);
}

QStringList writeIcons(const QString& folder, const QString& name) {
    QStringList errors;
    for (int size : IconSizes) {
        const QString dir = QString("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        const QString path = dir + "/" + name + ".png";
        if (!QDir().mkpath(dir) || !iconPicture(size).save(path, "PNG")) {
            errors << "cannot write " + path;
        }
    }
    return errors;
}

} // namespace dealmoor::art
