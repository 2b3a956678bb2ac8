#include "Cast.h"

#include "Art.h"

#include "engine/Characters.h"

#include <QRadialGradient>

#include <array>
#include <map>
#include <optional>

namespace dealmoor::art {

namespace {

// The rail of the seat view: every figure sits with its bottom on it.
constexpr int SeatRailTop = 229;

struct Look {
    Expression face;
    Arm left = Arm::Rest;
    Arm right = Arm::Rest;
};

struct Character {
    Person person;
    QColor backdrop;
    std::map<Role, Look> looks;
    // The face in the portraits, when the neutral frame is not the friendliest.
    std::optional<Expression> portrait;
};

Expression face(Eyes eyes, Brows brows, Mouth mouth, QPointF gaze = {0, 0}, qreal tilt = 0) {
    Expression e;
    e.eyes = eyes;
    e.brows = brows;
    e.mouth = mouth;
    e.gaze = gaze;
    e.tilt = tilt;
    return e;
}

Expression blushing(Expression e) {
    e.blush = true;
    return e;
}

// Dan Deerfield: an ordinary friendly fellow in a polo shirt.
Character dan() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xF2, 0xC9, 0xA5);
    h.hair = QColor(0x7A, 0x4A, 0x26);
    h.hairStyle = Hair::ShortSide;
    h.eyeColour = QColor(0x3B, 0x6F, 0xA0);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0x3E, 0x7C, 0xC9);
    b.neckline = Neckline::Polo;
    c.backdrop = QColor(0xCF, 0xE3, 0xF6);
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Smile)};
    c.looks[Role::Pleased] = {blushing(face(Eyes::Happy, Brows::Raised, Mouth::Grin))};
    // Displeased, and the second face of his thinking: a frown, eyes off to the side.
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Knit, Mouth::Frown, {0.9, -0.5}, -4),
                                 Arm::Rest, Arm::Chin};
    c.looks[Role::Spare] = {face(Eyes::Wide, Brows::Raised, Mouth::Open)};
    return c;
}

// Sid Serious: lean, stern, buttoned up, arms folded against the world.
Character sid() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xEC, 0xD3, 0xC0);
    h.hair = QColor(0x26, 0x26, 0x2C);
    h.hairStyle = Hair::SlickBack;
    h.greyTemples = QColor(0xB4, 0xB4, 0xB8);
    h.jaw = Jaw::Narrow;
    h.nose = Nose::Long;
    h.height = 1.07;
    h.width = 0.94;
    h.eyeColour = QColor(0x46, 0x52, 0x5E);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xF4, 0xF4, 0xF4);
    b.neckline = Neckline::Tie;
    b.tie = QColor(0x22, 0x30, 0x58);
    b.outer = Outer::Jacket;
    b.outerColour = QColor(0x3C, 0x41, 0x4A);
    b.shoulders = 50;
    b.waist = 45;
    c.person.headY = -134;
    c.backdrop = QColor(0xD6, 0xDC, 0xE4);
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Flat), Arm::Folded,
                              Arm::Folded};
    c.looks[Role::GestureSecond] = {face(Eyes::Half, Brows::Level, Mouth::Flat, {0, 1}), Arm::Rest,
                                    Arm::Tap};
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Knit, Mouth::Frown, {-1, 0.2}),
                                 Arm::Folded, Arm::Folded};
    c.looks[Role::Pleased] = {face(Eyes::Open, Brows::Skeptic, Mouth::Smirk), Arm::Folded,
                              Arm::Folded};
    return c;
}

// Harvey Hangover: rumpled, red-nosed, never far from his glass.
Character harvey() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xF0, 0xBF, 0xA0);
    h.hair = QColor(0x6A, 0x56, 0x44);
    h.hairStyle = Hair::Messy;
    h.jaw = Jaw::Full;
    h.width = 1.05;
    h.nose = Nose::Bulb;
    h.eyeBags = true;
    h.rosyCheeks = true;
    h.facialHair = FacialHair::Stubble;
    h.eyeColour = QColor(0x5C, 0x6A, 0x3A);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xF0, 0xEC, 0xE0);
    b.neckline = Neckline::LooseTie;
    b.tie = QColor(0xB8, 0x32, 0x2C);
    b.rolledSleeves = true;
    b.shoulders = 58;
    b.waist = 55;
    c.person.headY = -124;
    c.person.scale = 1.1;
    c.backdrop = QColor(0xF4, 0xE2, 0xC2);
    c.looks[Role::Neutral] = {face(Eyes::Half, Brows::Raised, Mouth::Smile, {0, 0}, 6), Arm::Rest,
                              Arm::HoldGlass};
    c.looks[Role::GestureFirst] = {face(Eyes::Half, Brows::Raised, Mouth::Grin, {0.4, 0}, -4),
                                   Arm::Rest, Arm::LiftGlass};
    c.looks[Role::GestureSecond] = {face(Eyes::Shut, Brows::Level, Mouth::Pout, {0, 0}, -7),
                                    Arm::Rest, Arm::SipGlass};
    // Displeased, and his thinking: the head held up by one hand.
    c.looks[Role::Displeased] = {face(Eyes::Half, Brows::Worried, Mouth::Wavy, {-0.4, 0.5}, 8),
                                 Arm::Forehead, Arm::HoldGlass};
    return c;
}

// Karen Kline: auburn bob, freckles, a green cardigan; a little unsure of herself.
Character karen() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xF7, 0xD7, 0xC0);
    h.hair = QColor(0xA8, 0x4E, 0x24);
    h.hairStyle = Hair::Bob;
    h.freckles = true;
    h.lashes = true;
    h.lips = QColor(0xCC, 0x52, 0x5E);
    h.eyeColour = QColor(0x3E, 0x7A, 0x4A);
    h.width = 0.96;
    h.earrings = QColor(0xC8, 0xC8, 0xD0);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xF4, 0xEB, 0xD9);
    b.neckline = Neckline::Scoop;
    b.outer = Outer::Cardigan;
    b.outerColour = QColor(0x4F, 0x8F, 0x5B);
    b.necklace = Necklace::Pendant;
    b.shoulders = 52;
    b.waist = 47;
    c.person.headY = -120;
    c.backdrop = QColor(0xD4, 0xEE, 0xDA);
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Smile)};
    c.looks[Role::Pleased] = {blushing(face(Eyes::Happy, Brows::Raised, Mouth::Grin, {0, 0}, 4))};
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Worried, Mouth::Wavy, {0.9, -0.6}, -5),
                                 Arm::Rest, Arm::Cheek};
    c.looks[Role::Spare] = {face(Eyes::Wide, Brows::Raised, Mouth::Open), Arm::Chest, Arm::Rest};
    return c;
}

// Eddie "the Edge": the professional. Hat, dark glasses, dark suit, goatee.
Character eddie() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xC9, 0x9A, 0x6E);
    h.hair = QColor(0x2A, 0x1E, 0x18);
    h.hairStyle = Hair::UnderHat;
    h.hat = Hat::Fedora;
    h.hatColour = QColor(0x44, 0x44, 0x4E);
    h.glasses = Glasses::Sunglasses;
    h.facialHair = FacialHair::Goatee;
    h.jaw = Jaw::Square;
    h.eyeColour = QColor(0x3A, 0x28, 0x1A);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0x24, 0x24, 0x2A);
    b.neckline = Neckline::OpenCollar;
    b.outer = Outer::Jacket;
    b.outerColour = QColor(0x50, 0x50, 0x5A);
    b.shoulders = 57;
    b.waist = 50;
    c.backdrop = QColor(0xD2, 0xD4, 0xDC);
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Smirk)};
    c.looks[Role::Pleased] = {face(Eyes::Open, Brows::Raised, Mouth::Grin, {0, 0}, 3), Arm::Rest,
                              Arm::ThumbUp};
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Knit, Mouth::Frown), Arm::Folded,
                                 Arm::Folded};
    // Thinking: the glasses slide down and he studies the cards over them.
    Expression studying = face(Eyes::Half, Brows::Raised, Mouth::Flat, {-0.7, 0.6});
    studying.glassesDown = true;
    c.looks[Role::Thinking] = {studying, Arm::Rest, Arm::Chin};
    return c;
}

// Sally Sullivan: sunny, blonde ponytail, pink top.
Character sally() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xF6, 0xD2, 0xB5);
    h.hair = QColor(0xE6, 0xC2, 0x64);
    h.hairStyle = Hair::Ponytail;
    h.lashes = true;
    h.lips = QColor(0xE0, 0x5C, 0x78);
    h.eyeColour = QColor(0x4A, 0x7A, 0xB8);
    h.width = 0.95;
    h.earrings = QColor(0xE8, 0xB8, 0x30);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xEA, 0x80, 0xA8);
    b.neckline = Neckline::Scoop;
    b.shoulders = 52;
    b.waist = 47;
    c.person.headY = -128;
    c.backdrop = QColor(0xFB, 0xE0, 0xD0);
    // Her neutral face also serves when she is displeased: a straight mouth, eyes aside.
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Flat, {0.5, 0.2})};
    c.portrait = face(Eyes::Open, Brows::Level, Mouth::Smile);
    c.looks[Role::Pleased] = {blushing(face(Eyes::Happy, Brows::Raised, Mouth::Grin, {0, 0}, -4))};
    c.looks[Role::GestureSecond] = {face(Eyes::Open, Brows::Raised, Mouth::Smile, {0.5, 0}),
                                    Arm::Rest, Arm::Wave};
    c.looks[Role::Spare] = {face(Eyes::Wink, Brows::Level, Mouth::Smile, {0, 0}, 5)};
    return c;
}

// Odetta Opera: grand and elegant in a purple gown, pearls and a chignon.
Character odetta() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0x8E, 0x5C, 0x3E);
    h.hair = QColor(0x22, 0x18, 0x16);
    h.hairStyle = Hair::Updo;
    h.lashes = true;
    h.lips = QColor(0xA8, 0x2A, 0x52);
    h.eyeColour = QColor(0x3A, 0x24, 0x18);
    h.brows = QColor(0x1A, 0x12, 0x10);
    h.jaw = Jaw::Full;
    h.width = 1.1;
    h.height = 1.04;
    h.earrings = QColor(0xF4, 0xF0, 0xE8);
    h.dropEarrings = true;
    BodyLook& b = c.person.body;
    b.shirt = QColor(0x6E, 0x2C, 0x92);
    b.neckline = Neckline::Gown;
    b.necklace = Necklace::Pearls;
    b.sleeves = h.skin;
    b.cuffs = QColor(0xE0, 0xB0, 0x40);
    b.shoulders = 74;
    b.waist = 72;
    c.person.headY = -130;
    c.backdrop = QColor(0xE6, 0xDA, 0xF2);
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Smile)};
    c.looks[Role::Displeased] = {face(Eyes::Half, Brows::Raised, Mouth::Pout, {-0.6, 0}, -8)};
    c.looks[Role::Pleased] = {face(Eyes::Happy, Brows::Raised, Mouth::Grin, {0, 0}, 5), Arm::Rest,
                              Arm::Chest};
    c.looks[Role::Spare] = {face(Eyes::Wide, Brows::Raised, Mouth::Open), Arm::Chest, Arm::Rest};
    return c;
}

// Pat Peoples: everybody's uncle. Glasses, moustache, cardigan.
Character pat() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xD9, 0xA7, 0x7E);
    h.hair = QColor(0x8C, 0x88, 0x84);
    h.hairStyle = Hair::Bald;
    h.facialHair = FacialHair::Moustache;
    h.glasses = Glasses::Round;
    h.jaw = Jaw::Full;
    h.width = 1.03;
    h.eyeColour = QColor(0x5A, 0x3A, 0x20);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xA6, 0xC8, 0xE8);
    b.neckline = Neckline::OpenCollar;
    b.outer = Outer::Cardigan;
    b.outerColour = QColor(0xB8, 0x9A, 0x6A);
    b.shoulders = 58;
    b.waist = 55;
    c.backdrop = QColor(0xEE, 0xE6, 0xD4);
    c.looks[Role::Pleased] = {blushing(face(Eyes::Happy, Brows::Raised, Mouth::Grin))};
    c.looks[Role::GestureSecond] = {face(Eyes::Open, Brows::Raised, Mouth::Smile, {0, 0}, 3),
                                    Arm::Rest, Arm::PointUp};
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Level, Mouth::Smile)};
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Worried, Mouth::Frown, {0, 0.8}, -3)};
    return c;
}

// Rodney Roberts: sure he has the game beaten. Quiff, teal blazer, gold chain.
Character rodney() {
    Character c;
    HeadLook& h = c.person.head;
    h.skin = QColor(0xE8, 0xB9, 0x8F);
    h.hair = QColor(0x18, 0x16, 0x16);
    h.hairStyle = Hair::Pompadour;
    h.facialHair = FacialHair::Pencil;
    h.jaw = Jaw::Square;
    h.eyeColour = QColor(0x2E, 0x5E, 0x8E);
    BodyLook& b = c.person.body;
    b.shirt = QColor(0xF2, 0xA8, 0xC0);
    b.neckline = Neckline::OpenCollar;
    b.necklace = Necklace::GoldChain;
    b.outer = Outer::Jacket;
    b.outerColour = QColor(0x1F, 0x8C, 0x8C);
    b.shoulders = 60;
    b.waist = 52;
    c.backdrop = QColor(0xD2, 0xEE, 0xEC);
    c.looks[Role::Pleased] = {face(Eyes::Happy, Brows::Raised, Mouth::Grin, {0, 0}, -3), Arm::Rest,
                              Arm::ThumbUp};
    c.looks[Role::Neutral] = {face(Eyes::Open, Brows::Skeptic, Mouth::Smirk)};
    c.looks[Role::Displeased] = {face(Eyes::Open, Brows::Knit, Mouth::Frown, {-0.9, -0.4}, 4),
                                 Arm::Rest, Arm::Chin};
    c.looks[Role::Spare] = {face(Eyes::Wink, Brows::Raised, Mouth::Smirk), Arm::PointUp, Arm::Rest};
    return c;
}

const Character& character(int number) {
    static const std::array<Character, 9> Cast{dan(),   sid(),    harvey(), karen(), eddie(),
                                               sally(), odetta(), pat(),    rodney()};
    return Cast[static_cast<size_t>(number - 1)];
}

std::optional<Look> lookOf(int number, int frame) {
    const auto& looks = character(number).looks;
    const auto found = looks.find(roleOf(number, frame));
    if (found == looks.end()) {
        return std::nullopt;
    }
    return found->second;
}

int stripHeight(int number) {
    return SeatRailTop - CharacterRecord(number).FrameTop;
}

void fillBackdrop(QPainter& painter, const QRectF& cell, const QColor& colour) {
    QRadialGradient light(cell.center() - QPointF(0, cell.height() * 0.15), cell.width() * 0.8);
    light.setColorAt(0, colour.lighter(112));
    light.setColorAt(1, colour.darker(112));
    painter.fillRect(cell, light);
}

// A column of portraits, one cell per character, head and shoulders.
QImage portraits(int cell, qreal figureSize, qreal baseline, int scale) {
    QImage column = opaqueImage(cell, cell * 9, Wall, scale);
    QPainter painter(&column);
    smooth(painter);
    for (int number = 1; number <= 9; ++number) {
        const Character& who = character(number);
        const QRectF place(0, (number - 1) * cell, cell, cell);
        painter.save();
        painter.setClipRect(place);
        fillBackdrop(painter, place, who.backdrop);
        painter.translate(cell / 2.0, place.top() + baseline);
        painter.scale(figureSize, figureSize);
        drawBust(painter, who.person, who.portrait.value_or(who.looks.at(Role::Neutral).face));
        painter.restore();
    }
    return column;
}

} // namespace

Role roleOf(int number, int frame) {
    if (frame == NeutralFrame(number)) {
        return Role::Neutral;
    }
    if (frame == PleasedFrame(number)) {
        return Role::Pleased;
    }
    if (frame == DispleasedFrame(number)) {
        return Role::Displeased;
    }
    const GestureFrames gesture = HitGestureFrames(number);
    if (frame == gesture.first) {
        return Role::GestureFirst;
    }
    if (frame == gesture.second) {
        return Role::GestureSecond;
    }
    if (frame == ThinkingFace(number, true) || frame == ThinkingFace(number, false)) {
        return Role::Thinking;
    }
    return Role::Spare;
}

QImage characterStrip(int number, int scale) {
    const int width = CharacterRecord(number).FrameWidth;
    const int height = stripHeight(number);
    QImage strip = opaqueImage(width * FacesPerStrip, height, Wall, scale);
    QPainter painter(&strip);
    smooth(painter);
    for (int frame = 1; frame <= FacesPerStrip; ++frame) {
        const std::optional<Look> look = lookOf(number, frame);
        if (!look) {
            continue;
        }
        painter.save();
        painter.setClipRect(QRect((frame - 1) * width, 0, width, height));
        painter.translate((frame - 1) * width + width / 2.0, height);
        painter.scale(character(number).person.scale, character(number).person.scale);
        drawPerson(painter, character(number).person, look->face, look->left, look->right);
        painter.restore();
    }
    return strip;
}

QImage largePortraits(int scale) {
    return portraits(178, 1.25, 245, scale);
}
QImage smallPortraits(int scale) {
    return portraits(89, 0.62, 121, scale);
}

// A figure must stand free of its frame's top and sides, or the seat view would
// show it cut off. `width` is the frame's width in the strip's own pixels.
bool fitsFrame(const QImage& strip, int width, int frame) {
    const int left = (frame - 1) * width, right = frame * width - 1;
    const QRgb wall = Wall.rgb();
    for (int x = left; x <= right; ++x) {
        if (strip.pixel(x, 0) != wall) {
            return false;
        }
    }
    for (int y = 0; y < strip.height(); ++y) {
        if (strip.pixel(left, y) != wall || strip.pixel(right, y) != wall) {
            return false;
        }
    }
    return true;
}

void writeCast(ArtWriter& out) {
    for (int number = 1; number <= 9; ++number) {
        const QImage strip = characterStrip(number, out.scale());
        const int width = CharacterRecord(number).FrameWidth;
        for (int frame = 1; frame <= FacesPerStrip; ++frame) {
            if (!lookOf(number, frame)) {
                out.fail(QString("character %1 has no face for frame %2").arg(number).arg(frame));
            } else if (!fitsFrame(strip, width * out.scale(), frame)) {
                out.fail(QString("character %1 is cut off in frame %2").arg(number).arg(frame));
            }
        }
        out.bmp(QString("dmoor%1.bmp").arg(number), strip,
                CharacterRecord(number).FrameWidth * FacesPerStrip, stripHeight(number));
    }
    out.png("Heads.png", largePortraits(out.scale()), 178, 1602);
    out.png("Head2.png", smallPortraits(out.scale()), 89, 801);
}

} // namespace dealmoor::art
