#include "MoneyArt.h"

#include "Art.h"

#include "table/SpriteSheets.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace dealmoor::art {

namespace {

constexpr int ChipWidth = 63, ChipHeight = 55;
constexpr int NoteWidth = 80, NoteHeight = 40;

struct ChipLook {
    const char* value;
    QColor body, stripe, inlay, text;
    qreal textSize;
};

// The bet window's chips, in the order of its buttons (and of their picture names).
const std::array<ChipLook, 5> Chips{{
    {"100", QColor(0x1C, 0x1C, 0x1C), QColor(0xEC, 0xEC, 0xEC), QColor(0x34, 0x34, 0x34),
     QColor(0xF6, 0xD3, 0x5A), 15},
    {"25", QColor(0x1B, 0x86, 0x36), QColor(0xF4, 0xF4, 0xF4), QColor(0x26, 0x9E, 0x45),
     QColor(0xFF, 0xFF, 0xFF), 17},
    {"5", QColor(0xC4, 0x22, 0x22), QColor(0xF4, 0xF4, 0xF4), QColor(0xD8, 0x38, 0x34),
     QColor(0xFF, 0xFF, 0xFF), 19},
    {"1", QColor(0xF2, 0xF2, 0xF2), QColor(0x1E, 0x4F, 0xB5), QColor(0xFF, 0xFF, 0xFF),
     QColor(0x1E, 0x4F, 0xB5), 19},
    {".50", QColor(0xE4, 0x5E, 0xA2), QColor(0x6A, 0x2C, 0x98), QColor(0xF0, 0x86, 0xBC),
     QColor(0x4A, 0x14, 0x72), 15},
}};

QImage drawChip(const ChipLook& look, int scale) {
    QImage chip = clearImage(ChipWidth, ChipHeight, scale);
    QPainter painter(&chip);
    smooth(painter);
    const QPointF centre(31.0, 27.0);
    const qreal radius = 25.0;
    // A soft shadow under the chip.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(1.6, 1.8), radius, radius);
    painter.setBrush(look.body);
    painter.drawEllipse(centre, radius, radius);
    // Edge inserts: eight blocks around the rim.
    painter.setBrush(look.stripe);
    for (int i = 0; i < 8; ++i) {
        QPainterPath block;
        const qreal start = i * 45.0 + 10.0;
        QRectF outerBox(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        const qreal innerRadius = radius - 6.5;
        QRectF innerBox(centre.x() - innerRadius, centre.y() - innerRadius, 2 * innerRadius,
                        2 * innerRadius);
        block.arcMoveTo(outerBox, start);
        block.arcTo(outerBox, start, 18);
        block.arcTo(innerBox, start + 18, -18);
        block.closeSubpath();
        painter.drawPath(block);
    }
    // The inlay with its value, ringed by a dashed line.
    const qreal inlay = 16.0;
    painter.setBrush(look.inlay);
    painter.setPen(QPen(look.body.darker(140), 1.0));
    painter.drawEllipse(centre, inlay, inlay);
    painter.setBrush(Qt::NoBrush);
    QPen dashes(look.stripe, 1.1, Qt::CustomDashLine);
    dashes.setDashPattern({2.0, 2.0});
    painter.setPen(dashes);
    painter.drawEllipse(centre, inlay - 2.5, inlay - 2.5);
    // Light from the upper left.
    QRadialGradient shine(centre + QPointF(-9, -11), radius * 1.4);
    shine.setColorAt(0, QColor(255, 255, 255, 80));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(1, QColor(0, 0, 0, 60));
    painter.setPen(QPen(look.body.darker(170), 1.0));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setFont(artFont(look.textSize, true, QString(look.value).size() > 2));
    painter.setPen(look.text);
    drawCentredText(painter, centre, look.value);
    return chip;
}

struct NoteLook {
    const char* value;
    QColor paper, ink;
    bool coin;
};

// The borrowing window's amounts, in the order of its buttons.
const std::array<NoteLook, 6> Notes{{
    {"1000", QColor(0xE9, 0xDD, 0xF4), QColor(0x5A, 0x2E, 0x8C), false},
    {"100", QColor(0xDD, 0xEF, 0xD6), QColor(0x1F, 0x6B, 0x2E), false},
    {"10", QColor(0xF7, 0xE4, 0xC6), QColor(0x9A, 0x53, 0x16), false},
    {"1", QColor(0xDB, 0xE6, 0xF3), QColor(0x28, 0x4E, 0x86), false},
    {"0.10", QColor(0xE4, 0xE6, 0xEA), QColor(0x4A, 0x50, 0x58), true},
    {"0.01", QColor(0xE8, 0x9A, 0x5E), QColor(0x6E, 0x32, 0x12), true},
}};

void drawNote(QPainter& painter, const NoteLook& look) {
    const QRectF paper(1.5, 2.5, 76, 35);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(paper.translated(1.2, 1.2), 2.5, 2.5);
    painter.setBrush(look.paper);
    painter.setPen(QPen(look.ink, 1.0));
    painter.drawRoundedRect(paper, 2.5, 2.5);
    // Fine engraved waves across the note.
    QColor wave = look.ink;
    wave.setAlpha(55);
    painter.setPen(QPen(wave, 0.6));
    painter.setBrush(Qt::NoBrush);
    for (int line = 0; line < 6; ++line) {
        QPainterPath path;
        for (qreal x = paper.left() + 3; x <= paper.right() - 3; x += 1.0) {
            const qreal y = paper.top() + 8 + line * 4.2 + 2.2 * qSin(x / 5.0 + line * 0.9);
            if (x == paper.left() + 3) {
                path.moveTo(x, y);
            } else {
                path.lineTo(x, y);
            }
        }
        painter.drawPath(path);
    }
    painter.setPen(QPen(look.ink, 0.8));
    painter.drawRoundedRect(paper.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    // A rosette in an oval on the left, the value large on the right.
    const QPointF rosette(paper.left() + 17, paper.center().y());
    painter.setBrush(look.paper.lighter(104));
    painter.drawEllipse(rosette, 11, 12);
    QColor petal = look.ink;
    petal.setAlpha(150);
    painter.setPen(QPen(petal, 0.7));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i) {
        painter.save();
        painter.translate(rosette);
        painter.rotate(i * 22.5);
        painter.drawEllipse(QPointF(0, 0), 8.5, 3.2);
        painter.restore();
    }
    painter.setPen(look.ink);
    painter.setFont(artFont(QString(look.value).size() > 3 ? 15 : 17, true, true));
    drawCentredText(painter, QPointF(paper.left() + 52, paper.center().y()), look.value);
    painter.setFont(artFont(6.5, true, true));
    drawCentredText(painter, paper.topLeft() + QPointF(64, 7), look.value);
    drawCentredText(painter, paper.topLeft() + QPointF(40, 29.5), look.value);
}

void drawCoin(QPainter& painter, const NoteLook& look) {
    const QPointF centre(40, 20);
    const qreal radius = 18.5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(centre + QPointF(1.2, 1.2), radius, radius);
    QRadialGradient metal(centre + QPointF(-6, -7), radius * 1.5);
    metal.setColorAt(0, look.paper.lighter(130));
    metal.setColorAt(0.6, look.paper);
    metal.setColorAt(1, look.paper.darker(150));
    painter.setBrush(metal);
    painter.setPen(QPen(look.ink, 1.0));
    painter.drawEllipse(centre, radius, radius);
    // The milled rim, then a raised ring inside it.
    QColor ridge = look.ink;
    ridge.setAlpha(120);
    painter.setPen(QPen(ridge, 0.7));
    for (int i = 0; i < 60; ++i) {
        const qreal angle = qDegreesToRadians(i * 6.0);
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * (radius - 2.2), centre + direction * (radius - 0.6));
    }
    painter.setPen(QPen(look.ink, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 3.6, radius - 3.6);
    painter.setPen(look.ink);
    painter.setFont(artFont(11, true, true));
    drawCentredText(painter, centre, look.value);
}

QImage drawMoney(const NoteLook& look, int scale) {
    QImage picture = clearImage(NoteWidth, NoteHeight, scale);
    QPainter painter(&picture);
    smooth(painter);
    if (look.coin) {
        drawCoin(painter, look);
    } else {
        drawNote(painter, look);
    }
    return picture;
}

} // namespace

void writeMoney(ArtWriter& out) {
    static_assert(std::size(ChipPictures) == Chips.size());
    static_assert(std::size(BorrowPictures) == Notes.size());
    for (size_t i = 0; i < Chips.size(); ++i) {
        out.png(ChipPictures[i], drawChip(Chips[i], out.scale()), ChipWidth, ChipHeight);
    }
    for (size_t i = 0; i < Notes.size(); ++i) {
        out.png(BorrowPictures[i], drawMoney(Notes[i], out.scale()), NoteWidth, NoteHeight);
    }
}

} // namespace dealmoor::art
