#include "DigitArt.h"

#include "Art.h"

#include <array>

namespace dealmoor::art {

namespace {

constexpr int GlyphWidth = 15;
constexpr int GlyphHeight = 20;
constexpr int RowPitch = 21;
constexpr int SeparatorLeft = 176;

const std::array<QColor, 7> RowColours{QColor(0x3A, 0x78, 0xFF), QColor(0x10, 0xE4, 0xF4),
                                       QColor(0x2C, 0xEE, 0x44), QColor(0xF4, 0x3C, 0xE4),
                                       QColor(0xFF, 0x30, 0x2C), QColor(0xF2, 0xF2, 0xF2),
                                       QColor(0xFF, 0xE6, 0x22)};

// Segments a (top), b, c (right, top to bottom), d (bottom), e, f (left, bottom to top),
// g (middle), lit for each digit.
const std::array<const char*, 10> Lit{"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                      "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

// One segment: a long hexagon from one end point to the other.
QPolygonF segment(QPointF from, QPointF to, qreal thickness) {
    const bool across = from.y() == to.y();
    const qreal h = thickness / 2;
    if (across) {
        return QPolygonF({from, from + QPointF(h, -h), to + QPointF(-h, -h), to,
                          to + QPointF(-h, h), from + QPointF(h, h)});
    }
    return QPolygonF({from, from + QPointF(h, h), to + QPointF(h, -h), to, to + QPointF(-h, -h),
                      from + QPointF(-h, h)});
}

void drawGlyph(QPainter& painter, QPointF origin, int digit, const QColor& colour) {
    const qreal left = 2.4, right = 12.6, top = 2.2, middle = 10.0, bottom = 17.8;
    const qreal thickness = 2.5, gap = 0.7;
    auto at = [&](qreal x, qreal y) { return origin + QPointF(x, y); };
    auto polygonOf = [&](char name) {
        switch (name) {
        case 'a':
            return segment(at(left + gap, top), at(right - gap, top), thickness);
        case 'b':
            return segment(at(right, top + gap), at(right, middle - gap), thickness);
        case 'c':
            return segment(at(right, middle + gap), at(right, bottom - gap), thickness);
        case 'd':
            return segment(at(left + gap, bottom), at(right - gap, bottom), thickness);
        case 'e':
            return segment(at(left, middle + gap), at(left, bottom - gap), thickness);
        case 'f':
            return segment(at(left, top + gap), at(left, middle - gap), thickness);
        default:
            return segment(at(left + gap, middle), at(right - gap, middle), thickness);
        }
    };
    for (const char* name = Lit[digit]; *name; ++name) {
        const QPolygonF shape = polygonOf(*name);
        // A faint halo first, so the lit segments glow a little on the black.
        QColor halo = colour;
        halo.setAlpha(70);
        painter.setPen(QPen(halo, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPolygon(shape);
    }
}

void drawSeparator(QPainter& painter, QPointF origin, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(origin + QPointF(2.0, 16.8), 1.6, 1.6);
}

} // namespace

QImage digitSheet(int scale) {
    QImage sheet = opaqueImage(188, 7 * RowPitch, Qt::black, scale);
    QPainter painter(&sheet);
    smooth(painter);
    for (int row = 0; row < 7; ++row) {
        const QColor colour = RowColours[row];
        for (int digit = 0; digit <= 9; ++digit) {
            drawGlyph(painter, QPointF(16 * digit, row * RowPitch), digit, colour);
        }
        drawSeparator(painter, QPointF(SeparatorLeft, row * RowPitch), colour);
    }
    // Each glyph keeps to its own 15 x 20 cell; the blank cell stays black.
    static_assert(9 * 16 + GlyphWidth <= 160 && GlyphHeight < RowPitch);
    return sheet;
}

void writeDigits(ArtWriter& out) {
    out.png("Digits.png", digitSheet(out.scale()), 188, 147);
}

} // namespace dealmoor::art
