#include "Figure.h"

#include "Art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdint>

namespace dealmoor::art {

namespace {

constexpr qreal FaceHalfWidth = 30;
constexpr qreal FaceHalfHeight = 36;
constexpr qreal Line = 1.5; // outline width of the figures

QPen inkPen(const QColor& fill, qreal width = Line) {
    return QPen(inkOf(fill), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& base,
              qreal width = Line) {
    fillOutlined(p, path, fill, inkOf(base), width);
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// Fill lit from the upper left, as every figure on the table is.
QBrush litFill(const QColor& base, QPointF from, QPointF to) {
    QLinearGradient shade(from, to);
    shade.setColorAt(0, base.lighter(112));
    shade.setColorAt(1, base.darker(112));
    return shade;
}

// A small fixed sequence for stubble and freckles, the same on every build.
class Scatter {
public:
    qreal next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<qreal>(state_ >> 8) / static_cast<qreal>(1u << 24);
    }

private:
    std::uint32_t state_ = 12345u;
};

QPainterPath facePath(qreal a, qreal b, Jaw jaw) {
    const qreal jawWidth = jaw == Jaw::Square   ? 0.84
                           : jaw == Jaw::Narrow ? 0.42
                           : jaw == Jaw::Full   ? 0.78
                                                : 0.6;
    const qreal cheek = jaw == Jaw::Full ? 0.55 : 0.42;
    QPainterPath face;
    face.moveTo(0, -b);
    face.cubicTo(a * 0.58, -b, a, -b * 0.62, a, -b * 0.06);
    face.cubicTo(a, b * cheek, a * jawWidth, b * 0.93, 0, b);
    face.cubicTo(-a * jawWidth, b * 0.93, -a, b * cheek, -a, -b * 0.06);
    face.cubicTo(-a, -b * 0.62, -a * 0.58, -b, 0, -b);
    face.closeSubpath();
    return face;
}

void drawEars(QPainter& p, const HeadLook& look, qreal a) {
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.addEllipse(QPointF(side * a * 0.97, 3), 6.2, 9.0);
        outlined(p, ear, look.skin, look.skin);
        p.setPen(QPen(inkOf(look.skin), 1.0));
        p.drawArc(QRectF(side * a * 0.97 - 3.2, -2, 6.4, 10), side > 0 ? -90 * 16 : 90 * 16,
                  180 * 16);
    }
}

void drawEarrings(QPainter& p, const HeadLook& look, qreal a) {
    if (!look.earrings.isValid()) {
        return;
    }
    for (int side : {-1, 1}) {
        const QPointF lobe(side * a * 0.98, 11.5);
        p.setPen(QPen(inkOf(look.earrings), 0.8));
        p.setBrush(look.earrings);
        if (look.dropEarrings) {
            p.drawLine(lobe, lobe + QPointF(0, 6));
            p.drawEllipse(lobe + QPointF(0, 9.5), 2.6, 3.4);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawEllipse(lobe + QPointF(-0.8, 8.5), 0.9, 1.1);
        } else {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(look.earrings, 1.6));
            p.drawEllipse(lobe + QPointF(0, 4.5), 3.6, 4.6);
        }
    }
}

void drawEye(QPainter& p, const HeadLook& look, const Expression& face, QPointF c, bool onLeft) {
    const QColor ink(0x2A, 0x1C, 0x14);
    Eyes eyes = face.eyes;
    if (eyes == Eyes::Wink) {
        eyes = onLeft ? Eyes::Happy : Eyes::Open;
    }
    if (eyes == Eyes::Happy || eyes == Eyes::Shut) {
        p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath line;
        if (eyes == Eyes::Happy) {
            line.moveTo(c + QPointF(-5.5, 1.5));
            line.quadTo(c + QPointF(0, -5.5), c + QPointF(5.5, 1.5));
        } else {
            line.moveTo(c + QPointF(-5.5, 0));
            line.quadTo(c + QPointF(0, 2.5), c + QPointF(5.5, 0));
        }
        p.drawPath(line);
        return;
    }
    const qreal rx = eyes == Eyes::Wide ? 6.6 : 6.0;
    const qreal ry = eyes == Eyes::Wide ? 7.8 : 7.0;
    QPainterPath white;
    white.addEllipse(c, rx, ry);
    fillOutlined(p, white, Qt::white, ink, 1.2);
    p.save();
    p.setClipPath(white, Qt::IntersectClip);
    const QPointF iris = c + QPointF(face.gaze.x() * 2.6, face.gaze.y() * 2.2 + 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(look.eyeColour);
    const qreal irisRadius = eyes == Eyes::Wide ? 3.5 : 4.0;
    p.drawEllipse(iris, irisRadius, irisRadius);
    p.setBrush(QColor(0x10, 0x0A, 0x08));
    p.drawEllipse(iris, irisRadius * 0.52, irisRadius * 0.52);
    p.setBrush(Qt::white);
    p.drawEllipse(iris + QPointF(-1.3, -1.5), 1.2, 1.2);
    if (eyes == Eyes::Half) {
        // The upper lid drops: tired, bored or unimpressed.
        p.setBrush(look.skin.darker(106));
        p.drawRect(QRectF(c.x() - rx - 1, c.y() - ry - 1, 2 * rx + 2, ry + 0.6));
    }
    p.restore();
    // The upper lid line, heavier with lashes.
    p.setPen(QPen(ink, look.lashes ? 2.2 : 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal lid = eyes == Eyes::Half ? c.y() + 0.4 : c.y() - ry * 0.55;
    QPainterPath upper;
    upper.moveTo(c.x() - rx - 0.5, eyes == Eyes::Half ? lid : c.y() - 1);
    upper.quadTo(QPointF(c.x(), lid - (eyes == Eyes::Half ? 1 : ry * 0.75)),
                 QPointF(c.x() + rx + 0.5, eyes == Eyes::Half ? lid : c.y() - 1));
    p.drawPath(upper);
    if (look.lashes) {
        const qreal out = onLeft ? -1 : 1;
        p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(out * (rx - 0.5), -2.5), c + QPointF(out * (rx + 3), -5));
        p.drawLine(c + QPointF(out * (rx - 2.5), -5), c + QPointF(out * (rx + 0.5), -8));
    }
}

void drawBrows(QPainter& p, const HeadLook& look, const Expression& face, qreal ex) {
    const QColor colour = look.brows.isValid() ? look.brows : look.hair.darker(135);
    p.setPen(QPen(colour, 3.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int side : {-1, 1}) {
        Brows shape = face.brows;
        if (shape == Brows::Skeptic) {
            shape = side < 0 ? Brows::Raised : Brows::Knit;
        }
        qreal inner = -13.5, outer = -14.5, arch = -2.5;
        switch (shape) {
        case Brows::Raised:
            inner = -19;
            outer = -18;
            arch = -4;
            break;
        case Brows::Knit:
            inner = -10;
            outer = -17;
            arch = 0;
            break;
        case Brows::Worried:
            inner = -19;
            outer = -13;
            arch = -1;
            break;
        default:
            break;
        }
        const QPointF from(side * (ex - 7), inner), to(side * (ex + 8), outer);
        QPainterPath brow;
        brow.moveTo(from);
        brow.quadTo((from + to) / 2 + QPointF(0, arch), to);
        p.drawPath(brow);
    }
}

void drawNose(QPainter& p, const HeadLook& look) {
    const QColor line = inkOf(look.skin);
    if (look.nose == Nose::Bulb) {
        QRadialGradient red(QPointF(-2, 7), 9);
        red.setColorAt(0, QColor(0xF2, 0x6A, 0x5E));
        red.setColorAt(1, QColor(0xC8, 0x38, 0x30));
        QPainterPath bulb;
        bulb.addEllipse(QPointF(0, 9), 7.2, 6.4);
        fillOutlined(p, bulb, red, QColor(0x8A, 0x24, 0x20), 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QPointF(-2.5, 6.5), 1.8, 1.3);
        return;
    }
    p.setPen(QPen(line, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    if (look.nose == Nose::Long) {
        nose.moveTo(1.5, -4);
        nose.quadTo(4.5, 6, 4, 12);
        nose.quadTo(1, 14.5, -3, 12.5);
    } else {
        nose.moveTo(2.5, 2);
        nose.quadTo(4.5, 9, 3.5, 11);
        nose.quadTo(0.5, 13.5, -3.5, 11);
    }
    p.drawPath(nose);
}

void drawMouth(QPainter& p, const HeadLook& look, const Mouth mouth, qreal b) {
    const qreal y = b * 0.58;
    const QColor ink(0x5A, 0x20, 0x1C);
    const QColor line = look.lips.isValid() ? look.lips.darker(115) : ink;
    const qreal weight = look.lips.isValid() ? 2.8 : 2.1;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    switch (mouth) {
    case Mouth::Smile:
        path.moveTo(-10, y - 2);
        path.quadTo(0, y + 7, 10, y - 2);
        p.drawPath(path);
        p.setPen(QPen(inkOf(look.skin), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-11.5, y - 3.5), QPointF(-10.5, y - 1));
        p.drawLine(QPointF(11.5, y - 3.5), QPointF(10.5, y - 1));
        break;
    case Mouth::Grin: {
        path.moveTo(-12, y - 3);
        path.quadTo(0, y - 1, 12, y - 3);
        path.quadTo(10, y + 11, 0, y + 11);
        path.quadTo(-10, y + 11, -12, y - 3);
        path.closeSubpath();
        fillOutlined(p, path, QColor(0x6A, 0x1A, 0x1A), line, 1.6);
        p.save();
        p.setClipPath(path, Qt::IntersectClip);
        p.fillRect(QRectF(-13, y - 4, 26, 5.5), Qt::white);
        p.setBrush(QColor(0xE2, 0x6A, 0x6A));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(0, y + 11), 7, 4.5);
        p.restore();
        break;
    }
    case Mouth::Flat:
        p.drawLine(QPointF(-8, y + 1), QPointF(8, y + 1));
        break;
    case Mouth::Frown:
        path.moveTo(-9, y + 4);
        path.quadTo(0, y - 4, 9, y + 4);
        p.drawPath(path);
        break;
    case Mouth::Open: {
        QPainterPath o;
        o.addEllipse(QPointF(0, y + 2), 4.6, 5.8);
        fillOutlined(p, o, QColor(0x6A, 0x1A, 0x1A), line, 1.6);
        break;
    }
    case Mouth::Smirk:
        path.moveTo(-8, y + 1.5);
        path.quadTo(2, y + 3, 11, y - 3.5);
        p.drawPath(path);
        break;
    case Mouth::Pout:
        path.moveTo(-6, y + 2.5);
        path.quadTo(0, y - 1.5, 6, y + 2.5);
        p.drawPath(path);
        p.setPen(QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-2.5, y + 5), QPointF(2.5, y + 5));
        break;
    case Mouth::Wavy:
        path.moveTo(-9, y + 2);
        path.quadTo(-6.5, y - 1.5, -4, y + 1);
        path.quadTo(-1, y + 3.5, 1.5, y + 1);
        path.quadTo(4.5, y - 1.5, 9, y + 1.5);
        p.drawPath(path);
        break;
    case Mouth::Hidden:
        break;
    }
}

void drawFacialHair(QPainter& p, const HeadLook& look, const QPainterPath& face, qreal a, qreal b,
                    bool before) {
    const QColor hair = look.hair.darker(110);
    if (before && look.facialHair == FacialHair::Stubble) {
        p.save();
        p.setClipPath(face, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(hair, 110));
        Scatter scatter;
        for (int i = 0; i < 160; ++i) {
            const QPointF dot((scatter.next() * 2 - 1) * a, b * (0.22 + 0.8 * scatter.next()));
            const bool mouthArea = qAbs(dot.x()) < 12 && qAbs(dot.y() - b * 0.6) < 5;
            if (!mouthArea) {
                p.drawEllipse(dot, 0.7, 0.7);
            }
        }
        p.restore();
        return;
    }
    if (before) {
        return;
    }
    p.setBrush(hair);
    p.setPen(inkPen(hair, 1.0));
    QPainterPath shape;
    switch (look.facialHair) {
    case FacialHair::Goatee:
        shape.moveTo(-11, b * 0.5);
        shape.quadTo(0, b * 0.36, 11, b * 0.5);
        shape.quadTo(0, b * 0.44, -11, b * 0.5);
        shape.moveTo(-6, b * 0.8);
        shape.quadTo(0, b * 0.74, 6, b * 0.8);
        shape.quadTo(5, b + 4, 0, b + 5);
        shape.quadTo(-5, b + 4, -6, b * 0.8);
        p.drawPath(shape);
        break;
    case FacialHair::Moustache:
        shape.moveTo(-13, b * 0.52);
        shape.cubicTo(-11, b * 0.3, -3, b * 0.32, 0, b * 0.4);
        shape.cubicTo(3, b * 0.32, 11, b * 0.3, 13, b * 0.52);
        shape.cubicTo(8, b * 0.45, 3, b * 0.5, 0, b * 0.47);
        shape.cubicTo(-3, b * 0.5, -8, b * 0.45, -13, b * 0.52);
        p.drawPath(shape);
        break;
    case FacialHair::Pencil:
        p.setPen(QPen(hair, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-9, b * 0.45), QPointF(-1.5, b * 0.42));
        p.drawLine(QPointF(1.5, b * 0.42), QPointF(9, b * 0.45));
        break;
    default:
        break;
    }
}

// The hair that lies behind the head and shoulders.
QPainterPath hairBack(Hair style, qreal a, qreal b) {
    QPainterPath back;
    switch (style) {
    case Hair::Bob:
        back.moveTo(-a * 1.26, b * 0.72);
        back.cubicTo(-a * 1.45, -b * 0.4, -a * 1.05, -b - 12, 0, -b - 12);
        back.cubicTo(a * 1.05, -b - 12, a * 1.45, -b * 0.4, a * 1.26, b * 0.72);
        back.quadTo(a * 1.1, b * 0.98, a * 0.7, b * 0.82);
        back.lineTo(-a * 0.7, b * 0.82);
        back.quadTo(-a * 1.1, b * 0.98, -a * 1.26, b * 0.72);
        back.closeSubpath();
        break;
    case Hair::Ponytail:
        back.moveTo(a * 0.5, -b * 0.8);
        back.cubicTo(a * 1.55, -b * 1.05, a * 1.95, -b * 0.2, a * 1.6, b * 0.6);
        back.cubicTo(a * 1.5, b * 1.1, a * 1.3, b * 1.45, a * 1.1, b * 1.65);
        back.cubicTo(a * 1.22, b * 1.0, a * 1.2, b * 0.25, a * 0.72, -b * 0.3);
        back.closeSubpath();
        break;
    case Hair::Bald:
        back.addEllipse(QPointF(0, -b * 0.14), a + 3.5, b * 0.4);
        break;
    case Hair::Updo:
        back.addEllipse(QPointF(0, -b - 13), a * 0.72, 15);
        back.addEllipse(QPointF(0, -b * 0.3), a * 1.12, b * 0.86);
        break;
    default:
        break;
    }
    back.setFillRule(Qt::WindingFill);
    return back;
}

// The hair over the top of the head and the forehead.
QPainterPath hairFront(Hair style, qreal a, qreal b) {
    QPainterPath hair;
    switch (style) {
    case Hair::ShortSide:
    case Hair::Neat:
        hair.moveTo(-a - 1, -b * 0.08);
        hair.cubicTo(-a - 3, -b * 0.82, -a * 0.6, -b - 8, -a * 0.05, -b - 7);
        hair.cubicTo(a * 0.55, -b - 7, a + 3, -b * 0.75, a + 1, -b * 0.08);
        hair.lineTo(a * 0.9, -b * 0.1);
        hair.cubicTo(a * 0.88, -b * 0.44, a * 0.6, -b * 0.6, a * 0.22, -b * 0.62);
        if (style == Hair::ShortSide) {
            hair.cubicTo(-a * 0.05, -b * 0.63, -a * 0.22, -b * 0.48, -a * 0.42, -b * 0.66);
            hair.cubicTo(-a * 0.62, -b * 0.6, -a * 0.86, -b * 0.44, -a * 0.9, -b * 0.1);
        } else {
            hair.cubicTo(-a * 0.2, -b * 0.64, -a * 0.7, -b * 0.6, -a * 0.9, -b * 0.1);
        }
        hair.closeSubpath();
        break;
    case Hair::SlickBack:
        hair.moveTo(-a - 0.5, -b * 0.05);
        hair.cubicTo(-a - 2, -b * 0.85, -a * 0.5, -b - 5, 0, -b - 5);
        hair.cubicTo(a * 0.5, -b - 5, a + 2, -b * 0.85, a + 0.5, -b * 0.05);
        hair.lineTo(a * 0.9, -b * 0.05);
        hair.cubicTo(a * 0.88, -b * 0.42, a * 0.6, -b * 0.5, a * 0.36, -b * 0.66);
        hair.lineTo(0, -b * 0.56);
        hair.lineTo(-a * 0.36, -b * 0.66);
        hair.cubicTo(-a * 0.6, -b * 0.5, -a * 0.88, -b * 0.42, -a * 0.9, -b * 0.05);
        hair.closeSubpath();
        break;
    case Hair::Messy: {
        // Tufts sticking out all round the top, and a ragged fringe.
        const int tufts = 11;
        hair.moveTo(-a - 1, -b * 0.02);
        for (int i = 0; i <= tufts; ++i) {
            const qreal t = static_cast<qreal>(i) / tufts;
            const qreal angle = M_PI * (1 - t);
            const qreal reach = (i % 2 ? 13 : 5) + (i % 3) * 2;
            const QPointF base(qCos(angle) * (a + 2), -qSin(angle) * (b + 4) - b * 0.1);
            const QPointF tip(qCos(angle) * (a + 2 + reach * 0.7),
                              -qSin(angle) * (b + 4 + reach) - b * 0.1);
            hair.quadTo(base, tip);
        }
        hair.lineTo(a + 1, -b * 0.02);
        hair.lineTo(a * 0.88, -b * 0.08);
        const qreal fringe[][2] = {{0.7, -0.42},   {0.5, -0.22},  {0.3, -0.5},   {0.1, -0.28},
                                   {-0.15, -0.52}, {-0.35, -0.3}, {-0.55, -0.5}, {-0.75, -0.3}};
        for (const auto& point : fringe) {
            hair.lineTo(a * point[0], b * point[1]);
        }
        hair.lineTo(-a * 0.88, -b * 0.08);
        hair.closeSubpath();
        break;
    }
    case Hair::Bob:
        hair.moveTo(-a * 1.06, b * 0.25);
        hair.cubicTo(-a * 1.22, -b * 0.9, -a * 0.5, -b - 11, 0, -b - 11);
        hair.cubicTo(a * 0.5, -b - 11, a * 1.22, -b * 0.9, a * 1.06, b * 0.25);
        hair.lineTo(a * 0.9, b * 0.12);
        hair.cubicTo(a * 0.94, -b * 0.28, a * 0.8, -b * 0.4, a * 0.62, -b * 0.42);
        hair.quadTo(a * 0.48, -b * 0.3, a * 0.3, -b * 0.38);
        hair.quadTo(a * 0.12, -b * 0.28, -a * 0.05, -b * 0.37);
        hair.quadTo(-a * 0.24, -b * 0.27, -a * 0.42, -b * 0.37);
        hair.quadTo(-a * 0.6, -b * 0.28, -a * 0.76, -b * 0.38);
        hair.cubicTo(-a * 0.92, -b * 0.3, -a * 0.94, -b * 0.1, -a * 0.9, b * 0.12);
        hair.closeSubpath();
        break;
    case Hair::UnderHat:
        for (int side : {-1, 1}) {
            QPainterPath patch;
            patch.moveTo(side * (a + 1.5), -b * 0.55);
            patch.lineTo(side * (a + 1.5), -b * 0.05);
            patch.lineTo(side * (a - 4), b * 0.02);
            patch.lineTo(side * (a - 5), -b * 0.5);
            patch.closeSubpath();
            hair.addPath(patch);
        }
        break;
    case Hair::Ponytail:
        hair.moveTo(-a - 1, -b * 0.02);
        hair.cubicTo(-a - 3, -b * 0.85, -a * 0.5, -b - 9, a * 0.1, -b - 8);
        hair.cubicTo(a * 0.6, -b - 8, a + 3, -b * 0.8, a + 1, -b * 0.1);
        hair.lineTo(a * 0.9, -b * 0.15);
        hair.cubicTo(a * 0.85, -b * 0.5, a * 0.5, -b * 0.64, a * 0.1, -b * 0.66);
        hair.cubicTo(-a * 0.3, -b * 0.6, -a * 0.55, -b * 0.3, -a * 0.75, -b * 0.22);
        hair.quadTo(-a * 0.88, -b * 0.2, -a * 0.9, -b * 0.02);
        hair.closeSubpath();
        break;
    case Hair::Updo:
        hair.moveTo(-a - 2, 0);
        hair.cubicTo(-a - 4, -b * 0.9, -a * 0.55, -b - 8, 0, -b - 8);
        hair.cubicTo(a * 0.55, -b - 8, a + 4, -b * 0.9, a + 2, 0);
        hair.lineTo(a * 0.92, -b * 0.05);
        hair.cubicTo(a * 0.9, -b * 0.5, a * 0.5, -b * 0.7, 0, -b * 0.66);
        hair.cubicTo(-a * 0.5, -b * 0.7, -a * 0.9, -b * 0.5, -a * 0.92, -b * 0.05);
        hair.closeSubpath();
        break;
    case Hair::Bald:
        // What is left: a neat fringe over the ears.
        for (int side : {-1, 1}) {
            QPainterPath patch;
            patch.moveTo(side * (a - 0.5), -b * 0.42);
            patch.cubicTo(side * (a + 3.5), -b * 0.36, side * (a + 3.5), -b * 0.05,
                          side * (a + 0.5), b * 0.02);
            patch.lineTo(side * a * 0.9, -b * 0.06);
            patch.cubicTo(side * a * 0.88, -b * 0.22, side * a * 0.9, -b * 0.36, side * (a - 0.5),
                          -b * 0.42);
            patch.closeSubpath();
            hair.addPath(patch);
        }
        break;
    case Hair::Pompadour:
        hair.moveTo(-a - 1, -b * 0.08);
        hair.cubicTo(-a - 4, -b * 0.7, -a * 0.95, -b - 8, -a * 0.5, -b - 16);
        hair.cubicTo(-a * 0.1, -b - 28, a * 0.8, -b - 27, a * 1.02, -b - 10);
        hair.cubicTo(a * 1.12, -b * 0.8, a + 2, -b * 0.5, a + 1, -b * 0.08);
        hair.lineTo(a * 0.9, -b * 0.12);
        hair.cubicTo(a * 0.88, -b * 0.48, a * 0.62, -b * 0.64, a * 0.4, -b * 0.62);
        hair.cubicTo(a * 0.3, -b * 0.86, -a * 0.05, -b * 0.9, -a * 0.25, -b * 0.7);
        hair.cubicTo(-a * 0.55, -b * 0.66, -a * 0.86, -b * 0.44, -a * 0.9, -b * 0.12);
        hair.closeSubpath();
        break;
    }
    hair.setFillRule(Qt::WindingFill);
    return hair;
}

// Strands and shine that keep a hair shape from looking like a helmet.
void drawHairDetail(QPainter& p, const HeadLook& look, qreal a, qreal b) {
    const QColor strand = withAlpha(look.hair.lighter(150), 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(strand, 1.0, Qt::SolidLine, Qt::RoundCap));
    switch (look.hairStyle) {
    case Hair::ShortSide:
        p.setPen(QPen(inkOf(look.hair), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-a * 0.38, -b - 5), QPointF(-a * 0.42, -b * 0.7));
        p.setPen(QPen(strand, 1.0));
        for (int i = 0; i < 3; ++i) {
            QPainterPath s;
            s.moveTo(-a * 0.3 + i * 9, -b - 4);
            s.quadTo(a * 0.3 + i * 6, -b * 0.9, a * 0.6 + i * 3, -b * 0.55);
            p.drawPath(s);
        }
        break;
    case Hair::SlickBack:
    case Hair::Neat:
        for (int i = -2; i <= 2; ++i) {
            QPainterPath s;
            s.moveTo(i * 7, -b * 0.62);
            s.quadTo(i * 9, -b - 3, i * 12, -b - 1);
            p.drawPath(s);
        }
        break;
    case Hair::Updo:
    case Hair::Bob:
    case Hair::Ponytail:
        for (int i = -3; i <= 3; ++i) {
            QPainterPath s;
            s.moveTo(i * 6, -b * 0.68);
            s.quadTo(i * 8.5, -b - 2, i * 4, -b - 7);
            p.drawPath(s);
        }
        break;
    case Hair::Pompadour:
        p.setPen(QPen(withAlpha(Qt::white, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            QPainterPath s;
            s.moveTo(-a * 0.5 + i * 5, -b - 10 - i * 2);
            s.quadTo(a * 0.1, -b - 24 + i * 3, a * 0.8 - i * 4, -b - 11 + i * 2);
            p.drawPath(s);
        }
        break;
    case Hair::Bald:
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::white, 110));
        p.drawEllipse(QPointF(-a * 0.32, -b * 0.75), 8, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(look.hair, 1.2, Qt::SolidLine, Qt::RoundCap));
        {
            QPainterPath wisp;
            wisp.moveTo(-a * 0.2, -b * 0.92);
            wisp.cubicTo(-a * 0.1, -b - 7, a * 0.25, -b - 4, a * 0.1, -b - 1);
            p.drawPath(wisp);
        }
        break;
    default:
        break;
    }
}

void drawGlasses(QPainter& p, const HeadLook& look, const Expression& face, qreal a, qreal ex) {
    if (look.glasses == Glasses::None) {
        return;
    }
    const qreal drop = face.glassesDown ? 9.5 : 0;
    if (look.glasses == Glasses::Sunglasses) {
        const QColor frame(0x18, 0x18, 0x1C);
        p.setPen(QPen(frame, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-ex - 10, -3 + drop), QPointF(-a, -1));
        p.drawLine(QPointF(ex + 10, -3 + drop), QPointF(a, -1));
        p.drawLine(QPointF(-ex + 9, -4 + drop), QPointF(ex - 9, -4 + drop));
        for (int side : {-1, 1}) {
            const QRectF lens(side * ex - 10, -9 + drop, 20, 13.5);
            QLinearGradient gloss(lens.topLeft(), lens.bottomRight());
            gloss.setColorAt(0, QColor(0x46, 0x4C, 0x5A));
            gloss.setColorAt(0.45, QColor(0x14, 0x16, 0x1C));
            gloss.setColorAt(1, QColor(0x22, 0x26, 0x30));
            QPainterPath shape;
            shape.addRoundedRect(lens, 5, 6);
            fillOutlined(p, shape, gloss, frame, 1.4);
            p.setPen(QPen(withAlpha(Qt::white, 140), 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(lens.topLeft() + QPointF(4, 3.5), lens.topLeft() + QPointF(8, 2.5));
        }
        return;
    }
    const QColor frame(0x5A, 0x3A, 0x26);
    p.setPen(QPen(frame, 1.7));
    p.setBrush(QColor(0xD8, 0xEC, 0xFF, 60));
    p.drawEllipse(QPointF(-ex, -1.5), 9.2, 8.6);
    p.drawEllipse(QPointF(ex, -1.5), 9.2, 8.6);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-ex + 9, -2.5), QPointF(ex - 9, -2.5));
    p.drawLine(QPointF(-ex - 9, -3), QPointF(-a, -1));
    p.drawLine(QPointF(ex + 9, -3), QPointF(a, -1));
}

void drawHat(QPainter& p, const HeadLook& look, qreal a, qreal b) {
    if (look.hat != Hat::Fedora) {
        return;
    }
    const QColor felt = look.hatColour;
    // The brim's shadow on the forehead.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Qt::black, 45));
    p.drawEllipse(QPointF(0, -b * 0.5), a * 0.95, 8);
    QPainterPath crown;
    crown.moveTo(-a * 0.86, -b * 0.52);
    crown.cubicTo(-a * 0.98, -b - 12, -a * 0.55, -b - 22, -a * 0.05, -b - 16);
    crown.cubicTo(a * 0.5, -b - 22, a * 0.98, -b - 12, a * 0.86, -b * 0.52);
    crown.closeSubpath();
    outlined(p, crown, litFill(felt, QPointF(-a, -b - 20), QPointF(a, -b * 0.5)), felt);
    p.setPen(QPen(inkOf(felt), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-a * 0.15, -b - 14), QPointF(-a * 0.05, -b * 0.85));
    // The band.
    QPainterPath band;
    band.moveTo(-a * 0.9, -b * 0.58);
    band.quadTo(0, -b * 0.5, a * 0.9, -b * 0.58);
    band.lineTo(a * 0.92, -b * 0.78);
    band.quadTo(0, -b * 0.7, -a * 0.92, -b * 0.78);
    band.closeSubpath();
    outlined(p, band, QColor(0x1A, 0x1A, 0x1A), QColor(0x40, 0x40, 0x40), 0.8);
    QPainterPath brim;
    brim.moveTo(-a * 1.55, -b * 0.68);
    brim.cubicTo(-a * 0.8, -b * 0.46, a * 0.8, -b * 0.46, a * 1.55, -b * 0.68);
    brim.cubicTo(a * 1.4, -b * 0.34, -a * 1.4, -b * 0.34, -a * 1.55, -b * 0.68);
    brim.closeSubpath();
    outlined(p, brim, litFill(felt.darker(110), QPointF(0, -b * 0.7), QPointF(0, -b * 0.35)), felt);
}

} // namespace

QColor inkOf(const QColor& fill) {
    // Light colours get a clearly darker line; dark ones a softer near-black.
    return fill.lightness() > 60 ? fill.darker(230) : QColor(0x0E, 0x0E, 0x10);
}

void drawHeadBack(QPainter& p, const HeadLook& look, QPointF centre) {
    const qreal a = FaceHalfWidth * look.width, b = FaceHalfHeight * look.height;
    const QPainterPath back = hairBack(look.hairStyle, a, b).translated(centre);
    if (!back.isEmpty()) {
        outlined(p, back, litFill(look.hair, centre - QPointF(a, b), centre + QPointF(a, b)),
                 look.hair);
    }
}

void drawHead(QPainter& p, const HeadLook& look, const Expression& face, QPointF centre) {
    const qreal a = FaceHalfWidth * look.width, b = FaceHalfHeight * look.height;
    const qreal ex = a * 0.4;
    p.save();
    p.translate(centre);
    p.rotate(face.tilt);
    drawEars(p, look, a);
    const QPainterPath shape = facePath(a, b, look.jaw);
    QRadialGradient skin(QPointF(-a * 0.3, -b * 0.35), a * 1.9);
    skin.setColorAt(0, look.skin.lighter(108));
    skin.setColorAt(1, look.skin.darker(108));
    outlined(p, shape, skin, look.skin);
    drawFacialHair(p, look, shape, a, b, true);
    if (face.blush || look.rosyCheeks) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0x50, 0x50, look.rosyCheeks ? 95 : 60));
        p.drawEllipse(QPointF(-a * 0.58, b * 0.32), 7.5, 4.8);
        p.drawEllipse(QPointF(a * 0.58, b * 0.32), 7.5, 4.8);
    }
    if (look.freckles) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(look.skin.darker(150), 160));
        for (int side : {-1, 1}) {
            for (int i = 0; i < 4; ++i) {
                p.drawEllipse(QPointF(side * (9 + i * 3.2), b * 0.2 + (i % 2) * 2.6), 0.9, 0.9);
            }
        }
    }
    if (look.eyeBags) {
        p.setPen(QPen(QColor(0x8A, 0x5A, 0x7A, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            p.drawArc(QRectF(side * ex - 5.5, 2.5, 11, 7), 200 * 16, 140 * 16);
        }
    }
    const bool eyesHidden = look.glasses == Glasses::Sunglasses && !face.glassesDown;
    if (!eyesHidden) {
        drawEye(p, look, face, QPointF(-ex, -2), true);
        drawEye(p, look, face, QPointF(ex, -2), false);
    }
    drawBrows(p, look, face, ex);
    drawNose(p, look);
    drawFacialHair(p, look, shape, a, b, false);
    drawMouth(p, look, face.mouth, b);
    const QPainterPath hair = hairFront(look.hairStyle, a, b);
    if (!hair.isEmpty()) {
        outlined(p, hair, litFill(look.hair, QPointF(-a, -b), QPointF(a, 0)), look.hair);
        if (look.greyTemples.isValid()) {
            p.save();
            p.setClipPath(hair, Qt::IntersectClip);
            p.setPen(Qt::NoPen);
            p.setBrush(look.greyTemples);
            p.drawEllipse(QPointF(-a, -b * 0.25), 7, 11);
            p.drawEllipse(QPointF(a, -b * 0.25), 7, 11);
            p.restore();
        }
        p.save();
        p.setClipPath(hair, Qt::IntersectClip);
        drawHairDetail(p, look, a, b);
        p.restore();
    }
    drawGlasses(p, look, face, a, ex);
    drawHat(p, look, a, b);
    drawEarrings(p, look, a);
    p.restore();
}

// ---------------------------------------------------------------- hands

void drawHand(QPainter& p, Hand hand, QPointF at, qreal angle, const QColor& skin, qreal size) {
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(size, size);
    const QColor ink = inkOf(skin);
    QPainterPath shape;
    auto finger = [&](QPointF from, qreal degrees, qreal length, qreal width) {
        QPainterPath line;
        line.moveTo(from);
        line.lineTo(from + QPointF(qCos(qDegreesToRadians(degrees)) * length,
                                   qSin(qDegreesToRadians(degrees)) * length));
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        return stroker.createStroke(line);
    };
    switch (hand) {
    case Hand::Flat:
        shape.addRoundedRect(QRectF(-8, -6.5, 19, 13), 6, 6);
        shape.addPath(finger(QPointF(-2, -5), -50, 6, 4.6));
        break;
    case Hand::Fist:
    case Hand::Point:
    case Hand::Thumb:
        shape.addRoundedRect(QRectF(-7, -6.5, 14, 13), 5, 5);
        if (hand == Hand::Point) {
            shape.addPath(finger(QPointF(3, -3.5), 0, 11, 4.0));
        }
        if (hand == Hand::Thumb) {
            shape.addPath(finger(QPointF(0, -5.5), -8, 11, 6.2));
        }
        break;
    case Hand::Open:
        // Fingers first, each with its own outline, then the palm over their roots.
        for (qreal degrees : {-30.0, -10.0, 10.0, 30.0}) {
            const qreal length = 12.5 - qAbs(degrees) / 8;
            fillOutlined(p, finger(QPointF(2, 0), degrees, length, 4.2), skin, ink, 1.1);
        }
        fillOutlined(p, finger(QPointF(-1, -2), -80, 9, 4.6), skin, ink, 1.1);
        shape.addEllipse(QPointF(0, 0), 7.2, 6.8);
        break;
    case Hand::Grip:
        shape.addRoundedRect(QRectF(-6.5, -7.5, 13, 15), 5, 5);
        break;
    }
    shape.setFillRule(Qt::WindingFill);
    fillOutlined(p, shape.simplified(), skin, ink, 1.3);
    p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    if (hand == Hand::Fist || hand == Hand::Point || hand == Hand::Thumb || hand == Hand::Grip) {
        for (qreal y : {-2.2, 1.2, 4.4}) {
            p.drawLine(QPointF(1.5, y), QPointF(6, y));
        }
    } else if (hand == Hand::Flat) {
        for (qreal y : {-2.0, 1.0, 4.0}) {
            p.drawLine(QPointF(5.5, y), QPointF(10, y));
        }
    }
    p.restore();
}

namespace {

// ---------------------------------------------------------------- bodies

QPainterPath torsoPath(const BodyLook& body) {
    const qreal s = body.shoulders, w = body.waist;
    const qreal neck = -82, shoulder = -74;
    QPainterPath torso;
    torso.moveTo(-13, neck);
    torso.quadTo(-s * 0.6, neck + 1, -s + 6, shoulder);
    torso.cubicTo(-s - 4, shoulder + 4, -s - 2, shoulder + 18, -s + 1, shoulder + 28);
    torso.lineTo(-w, 6);
    torso.lineTo(w, 6);
    torso.lineTo(s - 1, shoulder + 28);
    torso.cubicTo(s + 2, shoulder + 18, s + 4, shoulder + 4, s - 6, shoulder);
    torso.quadTo(s * 0.6, neck + 1, 13, neck);
    torso.closeSubpath();
    return torso;
}

void drawCollar(QPainter& p, const BodyLook& body, const QColor& skin) {
    const QColor shirt = body.shirt;
    switch (body.neckline) {
    case Neckline::Polo: {
        QPainterPath placket;
        placket.addRect(QRectF(-4, -80, 8, 30));
        outlined(p, placket, shirt.lighter(108), shirt, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF4, 0xF4, 0xF0));
        p.drawEllipse(QPointF(0, -70), 1.6, 1.6);
        p.drawEllipse(QPointF(0, -59), 1.6, 1.6);
        for (int side : {-1, 1}) {
            QPainterPath flap;
            flap.moveTo(side * 2, -82);
            flap.lineTo(side * 15, -86);
            flap.lineTo(side * 20, -72);
            flap.lineTo(side * 3, -74);
            flap.closeSubpath();
            outlined(p, flap, shirt.lighter(115), shirt, 1.2);
        }
        break;
    }
    case Neckline::Tie:
    case Neckline::LooseTie:
    case Neckline::BowTie:
    case Neckline::OpenCollar: {
        const bool loose = body.neckline == Neckline::LooseTie;
        const bool open = loose || body.neckline == Neckline::OpenCollar;
        if (open) {
            QPainterPath vee;
            vee.moveTo(-9, -83);
            vee.lineTo(9, -83);
            vee.lineTo(0, -62);
            vee.closeSubpath();
            outlined(p, vee, skin.darker(104), skin, 1.0);
        }
        if (body.neckline == Neckline::Tie || loose) {
            p.save();
            if (loose) {
                p.translate(0, -64);
                p.rotate(14);
                p.translate(0, 64);
                p.translate(2, 8);
            }
            QPainterPath blade;
            blade.moveTo(-3.5, -74);
            blade.lineTo(3.5, -74);
            blade.lineTo(6.5, -26);
            blade.lineTo(0, -19);
            blade.lineTo(-6.5, -26);
            blade.closeSubpath();
            outlined(p, blade, litFill(body.tie, QPointF(-6, -70), QPointF(6, -20)), body.tie, 1.2);
            QPainterPath knot;
            knot.moveTo(-6, -82);
            knot.lineTo(6, -82);
            knot.lineTo(3.5, -73);
            knot.lineTo(-3.5, -73);
            knot.closeSubpath();
            outlined(p, knot, body.tie.lighter(110), body.tie, 1.2);
            if (!loose) {
                p.setPen(QPen(withAlpha(body.tie.lighter(150), 120), 1.6));
                for (qreal y = -66; y < -28; y += 8) {
                    p.drawLine(QPointF(-4, y + 3), QPointF(4, y - 1));
                }
            }
            p.restore();
        }
        for (int side : {-1, 1}) {
            QPainterPath point;
            point.moveTo(side * (open ? 7 : 1), open ? -80 : -81);
            point.lineTo(side * 14, -87);
            point.lineTo(side * (open ? 20 : 15), open ? -66 : -70);
            point.closeSubpath();
            outlined(p, point, shirt.lighter(106), shirt, 1.2);
        }
        if (body.neckline == Neckline::BowTie) {
            QPainterPath bow;
            bow.moveTo(0, -78);
            bow.lineTo(-12, -84);
            bow.lineTo(-12, -71);
            bow.closeSubpath();
            bow.moveTo(0, -78);
            bow.lineTo(12, -84);
            bow.lineTo(12, -71);
            bow.closeSubpath();
            outlined(p, bow, body.tie, body.tie, 1.2);
            QPainterPath knot;
            knot.addRoundedRect(QRectF(-3.2, -81.5, 6.4, 7), 2, 2);
            outlined(p, knot, body.tie.lighter(130), body.tie, 1.0);
        }
        break;
    }
    case Neckline::Scoop: {
        QPainterPath scoop;
        scoop.moveTo(-20, -84);
        scoop.quadTo(0, -52, 20, -84);
        scoop.closeSubpath();
        outlined(p, scoop, skin, skin, 1.2);
        break;
    }
    case Neckline::Gown:
        break;
    }
}

void drawNecklace(QPainter& p, const BodyLook& body) {
    switch (body.necklace) {
    case Necklace::Pearls:
        for (int i = 0; i <= 12; ++i) {
            const qreal t = static_cast<qreal>(i) / 12;
            const qreal angle = M_PI * t;
            const QPointF at(-17 * qCos(angle), -80 + 15 * qSin(angle));
            QRadialGradient pearl(at + QPointF(-0.8, -0.8), 2.6);
            pearl.setColorAt(0, Qt::white);
            pearl.setColorAt(1, QColor(0xD8, 0xD2, 0xC8));
            p.setPen(QPen(QColor(0x9A, 0x92, 0x88), 0.5));
            p.setBrush(pearl);
            p.drawEllipse(at, 2.4, 2.4);
        }
        break;
    case Necklace::Pendant:
        p.setPen(QPen(QColor(0xC8, 0x9A, 0x2A), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(-12, -82), QPointF(0, -66));
        p.drawLine(QPointF(12, -82), QPointF(0, -66));
        p.setBrush(QColor(0x2E, 0x9E, 0x8A));
        p.drawEllipse(QPointF(0, -63.5), 2.6, 3.2);
        break;
    case Necklace::GoldChain:
        p.setPen(QPen(QColor(0xE8, 0xB8, 0x30), 1.9, Qt::DotLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        {
            QPainterPath chain;
            chain.moveTo(-9, -81);
            chain.quadTo(0, -64, 9, -81);
            p.drawPath(chain);
        }
        break;
    case Necklace::None:
        break;
    }
}

void drawOuter(QPainter& p, const BodyLook& body) {
    if (body.outer == Outer::None) {
        return;
    }
    const QColor cloth = body.outerColour;
    const bool cardigan = body.outer == Outer::Cardigan;
    const qreal bottomOfVee = cardigan ? -22 : -34;
    QPainterPath vee;
    vee.moveTo(-16, -90);
    vee.lineTo(16, -90);
    vee.lineTo(0, bottomOfVee);
    vee.closeSubpath();
    const QPainterPath coat = torsoPath(body).subtracted(vee);
    outlined(p, coat, litFill(cloth, QPointF(-body.shoulders, -80), QPointF(body.shoulders, 0)),
             cloth);
    if (cardigan) {
        p.setPen(QPen(withAlpha(cloth.darker(130), 90), 1.0));
        for (qreal x = -body.waist + 6; x < body.waist; x += 6) {
            if (qAbs(x) > 6) {
                p.drawLine(QPointF(x, -60), QPointF(x * 1.02, 4));
            }
        }
        p.setPen(QPen(inkOf(cloth), 0.8));
        p.setBrush(cloth.lighter(150));
        for (qreal y = bottomOfVee + 6; y < 0; y += 11) {
            p.drawEllipse(QPointF(3.5, y), 1.8, 1.8);
        }
        return;
    }
    for (int side : {-1, 1}) {
        QPainterPath lapel;
        lapel.moveTo(side * 13, -84);
        lapel.lineTo(side * 24, -64);
        lapel.lineTo(side * 19, -61);
        lapel.lineTo(side * 2, bottomOfVee + 2);
        lapel.lineTo(side * 0.5, bottomOfVee);
        lapel.closeSubpath();
        outlined(p, lapel, cloth.lighter(118), cloth, 1.2);
    }
    p.setPen(QPen(inkOf(cloth), 0.8));
    p.setBrush(cloth.darker(160));
    p.drawEllipse(QPointF(2, bottomOfVee + 8), 2.0, 2.0);
    p.drawEllipse(QPointF(2, bottomOfVee + 24), 2.0, 2.0);
}

void drawBody(QPainter& p, const Person& person) {
    const BodyLook& body = person.body;
    const QColor skin = person.head.skin;
    // Neck first, so the collar sits on it.
    const qreal chin = person.headY + FaceHalfHeight * person.head.height;
    QPainterPath neck;
    neck.addRect(QRectF(person.headX - 11, chin - 14, 22, -76 - (chin - 14)));
    QLinearGradient shade(0, chin - 4, 0, -76);
    shade.setColorAt(0, skin.darker(135));
    shade.setColorAt(0.5, skin.darker(108));
    shade.setColorAt(1, skin);
    outlined(p, neck, shade, skin);
    const QPainterPath torso = torsoPath(body);
    if (body.neckline == Neckline::Gown) {
        // Bare shoulders above the gown's sweetheart line.
        outlined(p, torso, litFill(skin, QPointF(-body.shoulders, -80), QPointF(body.shoulders, 0)),
                 skin);
        QPainterPath gown;
        gown.moveTo(-body.shoulders + 3, -56);
        gown.cubicTo(-body.shoulders * 0.5, -66, -9, -66, 0, -52);
        gown.cubicTo(9, -66, body.shoulders * 0.5, -66, body.shoulders - 3, -56);
        gown.lineTo(body.waist + 2, 6);
        gown.lineTo(-body.waist - 2, 6);
        gown.closeSubpath();
        outlined(p, gown.intersected(torso.united(gown)),
                 litFill(body.shirt, QPointF(-body.shoulders, -60), QPointF(body.shoulders, 0)),
                 body.shirt);
        QPen sheen(withAlpha(body.shirt.lighter(170), 120), 1.4, Qt::SolidLine, Qt::RoundCap);
        p.setPen(sheen);
        for (int side : {-1, 1}) {
            QPainterPath fold;
            fold.moveTo(side * 12, -44);
            fold.quadTo(side * 22, -26, side * 18, -2);
            p.drawPath(fold);
        }
    } else {
        outlined(p, torso,
                 litFill(body.shirt, QPointF(-body.shoulders, -80), QPointF(body.shoulders, 0)),
                 body.shirt);
        drawCollar(p, body, skin);
    }
    drawOuter(p, body);
    drawNecklace(p, body);
}

// ---------------------------------------------------------------- arms and props

struct ArmShape {
    QPointF elbow, wrist;
    Hand hand;
    QPointF handAt;
    qreal handAngle;
};

// Hands that go to the face are placed from the head's centre, so they find the
// chin or the forehead whatever the height of the figure.
ArmShape armShape(Arm arm, qreal s, QPointF head) {
    const qreal up = head.y() + 132; // how far this head sits below the usual place
    switch (arm) {
    case Arm::Chin:
        return {{s - 2, -10}, head + QPointF(19, 52), Hand::Fist, head + QPointF(12, 39), -80};
    case Arm::Cheek:
        return {
            {s + 8, -40 + up}, head + QPointF(37, 36), Hand::Open, head + QPointF(29, 20), -108};
    case Arm::Forehead:
        return {
            {s + 16, -74 + up}, head + QPointF(31, 4), Hand::Open, head + QPointF(16, -15), -155};
    case Arm::PointUp:
        return {{s + 12, -34}, {s + 14, -90}, Hand::Point, {s + 14, -100}, -90};
    case Arm::Tap:
        return {{s + 10, -24}, {34, -34}, Hand::Point, {28, -26}, 100};
    case Arm::Wave:
        return {{s + 12, -34}, {s + 14, -94}, Hand::Open, {s + 15, -108}, -90};
    case Arm::ThumbUp:
        return {{s + 12, -26}, {s + 8, -70}, Hand::Thumb, {s + 8, -80}, -90};
    case Arm::Chest:
        return {{s + 6, -20}, {24, -46}, Hand::Flat, {13, -52}, 200};
    case Arm::HoldGlass:
        return {{s + 8, -20}, {40, -14}, Hand::Grip, {32, -18}, 0};
    case Arm::LiftGlass:
        return {{s + 12, -22}, {44, -58}, Hand::Grip, {36, -66}, 0};
    case Arm::SipGlass:
        return {{s + 8, -32}, head + QPointF(30, 44), Hand::Grip, head + QPointF(22, 34), -35};
    case Arm::Folded:
        return {{s + 8, -26}, {-s + 18, -42}, Hand::Fist, {-s + 12, -44}, 180};
    case Arm::Rest:
        break;
    }
    // Forearms on the rail, hands meeting in front.
    return {{s + 6, -20}, {17, -12}, Hand::Flat, {9, -11}, 180};
}

void drawGlass(QPainter& p, QPointF base, qreal angle) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    p.scale(1.2, 1.2);
    QPainterPath glass;
    glass.moveTo(-8, -22);
    glass.lineTo(8, -22);
    glass.lineTo(6.5, 0);
    glass.lineTo(-6.5, 0);
    glass.closeSubpath();
    QPainterPath drink;
    drink.moveTo(-7.3, -12);
    drink.lineTo(7.3, -12);
    drink.lineTo(6.5, 0);
    drink.lineTo(-6.5, 0);
    drink.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0x86, 0x1E, 220));
    p.drawPath(drink);
    p.setBrush(QColor(0xF4, 0xFA, 0xFF, 200));
    p.drawRoundedRect(QRectF(-5, -15, 5.5, 5.5), 1, 1);
    p.drawRoundedRect(QRectF(1, -13, 5, 5), 1, 1);
    p.setBrush(QColor(0xDC, 0xEE, 0xFF, 70));
    p.setPen(QPen(QColor(0x70, 0x80, 0x90), 1.2));
    p.drawPath(glass);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5.5, -19), QPointF(-4.8, -4));
    p.restore();
}

QColor sleeveColour(const BodyLook& body) {
    if (body.sleeves.isValid()) {
        return body.sleeves;
    }
    return body.outer != Outer::None ? body.outerColour : body.shirt;
}

// One arm on the viewer's right, mirrored for the left by the caller's transform.
void drawArm(QPainter& p, const Person& person, Arm arm) {
    const BodyLook& body = person.body;
    const qreal s = body.shoulders;
    const QPointF shoulder(s - 10, -64);
    const ArmShape shape = armShape(arm, s, QPointF(person.headX, person.headY));
    const QColor sleeve = sleeveColour(body);
    const QColor skin = person.head.skin;
    if (arm == Arm::HoldGlass) {
        drawGlass(p, QPointF(36, -1), 0);
    }
    QPainterPath upper;
    upper.moveTo(shoulder);
    upper.lineTo(shape.elbow);
    drawLimb(p, upper, 21, sleeve, inkOf(sleeve), Line);
    QPainterPath fore;
    fore.moveTo(shape.elbow);
    fore.lineTo(shape.wrist);
    if (body.rolledSleeves) {
        drawLimb(p, fore, 14, skin, inkOf(skin), Line);
        QPainterPath roll;
        roll.moveTo(shape.elbow);
        roll.lineTo(shape.elbow + (shape.wrist - shape.elbow) * 0.22);
        drawLimb(p, roll, 20, sleeve.lighter(104), inkOf(sleeve), Line);
    } else {
        drawLimb(p, fore, 18, sleeve, inkOf(sleeve), Line);
        if (body.cuffs.isValid()) {
            QPainterPath cuff;
            const QPointF along = shape.wrist - shape.elbow;
            cuff.moveTo(shape.wrist - along * 0.1);
            cuff.lineTo(shape.wrist - along * 0.02);
            drawLimb(p, cuff, 18, body.cuffs, inkOf(body.cuffs), 1.0);
        }
    }
    if (arm == Arm::LiftGlass) {
        drawGlass(p, shape.handAt + QPointF(-5, 11), 0);
    }
    if (arm == Arm::SipGlass) {
        drawGlass(p, shape.handAt + QPointF(-12, 8), -40);
    }
    drawHand(p, shape.hand, shape.handAt, shape.handAngle, skin, 1.25);
    if (arm == Arm::Tap) {
        // Two little strokes: the finger knocking on the felt.
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, -10), QPointF(18, -6));
        p.drawLine(QPointF(33, -10), QPointF(37, -6));
    }
}

void drawMirrored(QPainter& p, const Person& person, Arm arm, bool onLeft) {
    p.save();
    if (onLeft) {
        p.scale(-1, 1);
    }
    drawArm(p, person, arm);
    p.restore();
}

} // namespace

void drawPerson(QPainter& p, const Person& person, const Expression& face, Arm left, Arm right) {
    const QPointF headCentre(person.headX, person.headY);
    drawHeadBack(p, person.head, headCentre);
    drawBody(p, person);
    // Arms held low are drawn under the head; a hand raised to the face goes over it.
    auto low = [](Arm arm) {
        return arm == Arm::Rest || arm == Arm::Tap || arm == Arm::HoldGlass || arm == Arm::Folded ||
               arm == Arm::Chest || arm == Arm::LiftGlass || arm == Arm::ThumbUp ||
               arm == Arm::PointUp || arm == Arm::Wave;
    };
    if (low(left)) {
        drawMirrored(p, person, left, true);
    }
    if (low(right)) {
        drawMirrored(p, person, right, false);
    }
    drawHead(p, person.head, face, headCentre);
    if (!low(left)) {
        drawMirrored(p, person, left, true);
    }
    if (!low(right)) {
        drawMirrored(p, person, right, false);
    }
}

void drawBust(QPainter& p, const Person& person, const Expression& face) {
    const QPointF headCentre(person.headX, person.headY);
    drawHeadBack(p, person.head, headCentre);
    drawBody(p, person);
    drawHead(p, person.head, face, headCentre);
}

} // namespace dealmoor::art
