#include "TableArt.h"

#include "Art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace dealmoor::art {

namespace {

// One groove of the rack: chips lying on their edges, seen from the front as a
// rounded bar ribbed by the chip edges, lit from above.
void drawChipRoll(QPainter& painter, const QRectF& groove, const QColor& chip,
                  const QColor& stripe) {
    QLinearGradient shade(groove.topLeft(), groove.bottomLeft());
    shade.setColorAt(0.0, chip.lighter(150));
    shade.setColorAt(0.35, chip);
    shade.setColorAt(1.0, chip.darker(190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(groove, 2.5, 2.5);
    painter.setPen(QPen(chip.darker(230), 0.7));
    for (qreal x = groove.left() + 1.8; x < groove.right() - 1; x += 2.2) {
        painter.drawLine(QPointF(x, groove.top() + 1), QPointF(x, groove.bottom() - 1));
    }
    // The edge spots of the chips line up into a band along the roll.
    painter.setPen(Qt::NoPen);
    QColor band = stripe;
    band.setAlpha(170);
    painter.setBrush(band);
    painter.drawRect(QRectF(groove.left() + 1, groove.center().y() - 0.8, groove.width() - 2, 1.6));
}

} // namespace

QImage railWithRack(int scale) {
    const int width = 300;
    QImage rail = opaqueImage(width, 15, QColor(0x4A, 0x2C, 0x18), scale);
    QPainter painter(&rail);
    smooth(painter);
    // The padded edge at the top, then the wooden tray.
    QLinearGradient pad(0, 0, 0, 4);
    pad.setColorAt(0, QColor(0x2A, 0x1A, 0x10));
    pad.setColorAt(0.5, QColor(0x5C, 0x3A, 0x24));
    pad.setColorAt(1, QColor(0x24, 0x16, 0x0C));
    painter.fillRect(QRectF(0, 0, width, 4), pad);
    QLinearGradient tray(0, 4, 0, 13);
    tray.setColorAt(0, QColor(0x3A, 0x22, 0x12));
    tray.setColorAt(1, QColor(0x6E, 0x46, 0x28));
    painter.fillRect(QRectF(0, 4, width, 9), tray);

    struct Roll {
        QColor chip, stripe;
    };
    const std::array<Roll, 6> rolls{{{QColor(0x1E, 0x1E, 0x1E), QColor(0xF0, 0xF0, 0xF0)},
                                     {QColor(0x1F, 0x8F, 0x3A), QColor(0xF4, 0xF4, 0xF4)},
                                     {QColor(0xC6, 0x28, 0x28), QColor(0xF4, 0xF4, 0xF4)},
                                     {QColor(0xF2, 0xF2, 0xF2), QColor(0x1E, 0x4F, 0xB5)},
                                     {QColor(0xE0, 0x5A, 0x9E), QColor(0x7B, 0x3F, 0xA0)},
                                     {QColor(0xC6, 0x28, 0x28), QColor(0xF4, 0xF4, 0xF4)}}};
    // Grooves centred on the part of the rail the dealer view shows.
    const qreal pitch = 16.5, grooveWidth = 14.0;
    const qreal centre = 144.5;
    const int count = 18;
    const qreal first = centre - pitch * (count - 1) / 2 - grooveWidth / 2;
    for (int i = 0; i < count; ++i) {
        const Roll& roll = rolls[static_cast<size_t>(i) % rolls.size()];
        drawChipRoll(painter, QRectF(first + i * pitch, 5.2, grooveWidth, 7.0), roll.chip,
                     roll.stripe);
    }
    // The front lip of the tray and its shadow on the felt.
    painter.fillRect(QRectF(0, 12.6, width, 1.2), QColor(0x8A, 0x5E, 0x38));
    painter.fillRect(QRectF(0, 13.8, width, 1.2), QColor(0x00, 0x5A, 0x00));
    return rail;
}

QImage feltArc(int scale) {
    QImage felt = opaqueImage(300, 61, Felt, scale);
    QPainter painter(&felt);
    smooth(painter);
    // The arc is centred on the part the dealer view shows (x 24 .. 249) and bends
    // toward the players, as the table's rounded edge does.
    const qreal cx = 136.5;
    const qreal sag = 19.0, halfChord = 112.5;
    const qreal outer = (halfChord * halfChord + sag * sag) / (2 * sag);
    const QPointF centre(cx, 27.0 - outer);
    const qreal inner = outer - 13.0;
    const QColor chalk(0xF4, 0xF4, 0xEC);
    painter.setPen(QPen(chalk, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, outer, outer);
    painter.drawEllipse(centre, inner, inner);
    painter.setPen(QPen(chalk, 0.9));
    painter.drawEllipse(centre, outer + 24, outer + 24);

    // The lettering runs along the band, each letter upright toward the arc's centre.
    const QString text = "INSURANCE  PAYS  2  TO  1";
    painter.setFont(artFont(7.5, true));
    const QFontMetricsF metrics(painter.font());
    const qreal radius = outer - 3.4;
    const qreal total = metrics.horizontalAdvance(text) * 1.12;
    qreal along = -total / 2;
    painter.setPen(chalk);
    for (const QChar letter : text) {
        const qreal advance = metrics.horizontalAdvance(letter) * 1.12;
        const qreal angle = (along + advance / 2) / radius;
        painter.save();
        painter.translate(centre + QPointF(radius * qSin(angle), radius * qCos(angle)));
        painter.rotate(-qRadiansToDegrees(angle));
        painter.drawText(QPointF(-metrics.horizontalAdvance(letter) / 2, 0), QString(letter));
        painter.restore();
        along += advance;
    }
    return felt;
}

QImage bettingCircle(int scale) {
    QImage circle = opaqueImage(61, 61, Felt, scale);
    QPainter painter(&circle);
    smooth(painter);
    const QPointF centre(30.5, 30.5);
    QRadialGradient glow(centre, 26);
    glow.setColorAt(0, QColor(0x12, 0x96, 0x12));
    glow.setColorAt(1, QColor(0x04, 0x86, 0x04));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 26, 26);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xF6, 0xF6, 0xEE), 2.4));
    painter.drawEllipse(centre, 26, 26);
    painter.setPen(QPen(QColor(0xF6, 0xF6, 0xEE, 120), 0.9));
    painter.drawEllipse(centre, 21.5, 21.5);
    return circle;
}

QImage playerRail(int scale) {
    QImage rail = opaqueImage(250, 8, Qt::gray, scale);
    QPainter painter(&rail);
    QLinearGradient metal(0, 0, 0, 8);
    metal.setColorAt(0.0, QColor(0x5A, 0x5A, 0x5A));
    metal.setColorAt(0.15, QColor(0xE0, 0xE0, 0xE0));
    metal.setColorAt(0.5, QColor(0xA8, 0xA8, 0xA8));
    metal.setColorAt(1.0, QColor(0x60, 0x60, 0x60));
    painter.fillRect(rail.rect(), metal);
    return rail;
}

void writeTablePieces(ArtWriter& out) {
    out.png("dtable1.png", railWithRack(out.scale()), 300, 15);
    out.png("dtable2.png", feltArc(out.scale()), 300, 61);
    out.png("ptable.png", bettingCircle(out.scale()), 61, 61);
    out.png("ptable2.png", playerRail(out.scale()), 250, 8);
}

} // namespace dealmoor::art
