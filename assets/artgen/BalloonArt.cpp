#include "BalloonArt.h"

#include "Art.h"

#include <QPainterPathStroker>

namespace dealmoor::art {

namespace {

constexpr int Width = 97;
constexpr int Height = 70;

// A rounded bubble with its tail running out to the lower left, toward the dealer.
QPainterPath bubble() {
    QPainterPath body;
    body.addRoundedRect(QRectF(9.5, 1.5, 85.5, 63.0), 24, 22);
    QPainterPath tail;
    tail.moveTo(14.0, 36.0);
    tail.quadTo(9.0, 53.0, 1.5, 64.5);
    tail.quadTo(15.0, 60.0, 27.0, 52.0);
    tail.closeSubpath();
    return body.united(tail).simplified();
}

// Renders smooth, then keeps one bit: dark where the drawing covers half a pixel.
QImage toMono(const QImage& drawn) {
    QImage mono(drawn.size(), QImage::Format_Mono);
    mono.setColorCount(2);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    // Fill first: the bits that pad each row are written to the file too.
    mono.fill(1);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            mono.setPixel(x, y, qGray(drawn.pixel(x, y)) < 128 ? 0 : 1);
        }
    }
    return mono;
}

} // namespace

QImage balloonOutline(int scale) {
    QImage drawn = opaqueImage(Width, Height, Qt::white, scale);
    QPainter painter(&drawn);
    smooth(painter);
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(bubble());
    painter.end();
    return toMono(drawn);
}

QImage balloonMask(int scale) {
    QImage drawn = opaqueImage(Width, Height, Qt::black, scale);
    QPainter painter(&drawn);
    smooth(painter);
    // The mask takes in the outline too, so no view pixel shows through the edge.
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble());
    painter.end();
    return toMono(drawn);
}

void writeBalloons(ArtWriter& out) {
    out.png("balloon.png", balloonOutline(out.scale()), Width, Height);
    out.png("balloon2.png", balloonMask(out.scale()), Width, Height);
}

} // namespace dealmoor::art
