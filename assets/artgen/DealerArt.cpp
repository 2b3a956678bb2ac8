#include "DealerArt.h"

#include "Art.h"
#include "CardArt.h"
#include "Figure.h"
#include "TableArt.h"

#include <QLinearGradient>

#include <array>

namespace dealmoor::art {

namespace {

constexpr int ViewWidth = 249;
constexpr int ViewHeight = 410;
// The wall behind the dealer ends at the table's edge.
constexpr int TableEdge = 167;

// Where the table copies each dealer sheet: the sheet's size and its place in the
// view (sheet and place have the same size, so nothing is stretched).
struct Cut {
    const char* name;
    QSize sheet;
    QRect place;
};
constexpr int BodyCut = 0;
const std::array<Cut, 7> Cuts{{
    {"dbody", {105, 167}, {72, 1, 104, 166}},
    {"drarm1", {68, 81}, {23, 87, 67, 80}},
    {"drarm2", {92, 153}, {27, 87, 92, 153}},
    {"dlarm0", {51, 77}, {156, 93, 50, 76}},
    {"dlarm1", {69, 199}, {155, 91, 68, 198}},
    {"dlarm2", {103, 148}, {86, 92, 103, 148}},
    {"dlarm3", {57, 195}, {155, 91, 56, 194}},
}};

const QRect DeckPlace(78, 186, 41, 54);

enum class RightArm { None, Rest, Deck };
enum class LeftArm { None, Rest, DownWithCard, Across, DownOpen };

const QColor Shirt(0xF8, 0xF8, 0xF6);
const QColor Waistcoat(0x7A, 0x1C, 0x2A);
const QColor Satin(0x14, 0x14, 0x18);
const QColor Gold(0xE2, 0xB4, 0x3A);
const QColor DealerSkin(0xEA, 0xC2, 0x9C);
const QPointF RightShoulder(79, 107);
const QPointF LeftShoulder(169, 107);
constexpr qreal UpperArm = 19;
constexpr qreal Forearm = 16;

// The view behind the dealer, laid exactly as the table lays it.
void drawTableBehind(QPainter& painter, const QImage& rail, const QImage& arc, int scale) {
    painter.fillRect(QRect(0, 0, ViewWidth, TableEdge), Wall);
    painter.fillRect(QRect(0, 181, ViewWidth, ViewHeight - 181), Felt);
    painter.drawImage(QRect(0, 167, 249, 16), rail, pixelsOf(QRect(20, 0, 249, 15), scale));
    painter.drawImage(QRect(0, 270, 249, 61), arc, pixelsOf(QRect(24, 0, 225, 60), scale));
}

void drawTorso(QPainter& p) {
    // Neck.
    QPainterPath neck;
    neck.addRect(QRectF(115.5, 58, 17, 30));
    QLinearGradient shade(0, 62, 0, 88);
    shade.setColorAt(0, DealerSkin.darker(135));
    shade.setColorAt(1, DealerSkin);
    fillOutlined(p, neck, shade, inkOf(DealerSkin), 1.2);
    // The shirt, shoulders rounded over the arm joints.
    QPainterPath shirt;
    shirt.moveTo(112, 83);
    shirt.quadTo(96, 84, 86, 92);
    shirt.cubicTo(76, 96, 73, 104, 73.5, 118);
    shirt.lineTo(80, 172);
    shirt.lineTo(168, 172);
    shirt.lineTo(174.5, 118);
    shirt.cubicTo(175, 104, 172, 96, 162, 92);
    shirt.quadTo(152, 84, 136, 83);
    shirt.closeSubpath();
    QLinearGradient cloth(80, 90, 170, 170);
    cloth.setColorAt(0, Shirt);
    cloth.setColorAt(1, Shirt.darker(112));
    fillOutlined(p, shirt, cloth, QColor(0x8A, 0x8A, 0x90), 1.3);
    // The waistcoat, open in a V over the shirt front.
    QPainterPath vest;
    vest.moveTo(106, 87);
    vest.lineTo(124, 130);
    vest.lineTo(142, 87);
    vest.cubicTo(150, 92, 157, 101, 159, 114);
    vest.lineTo(165, 172);
    vest.lineTo(83, 172);
    vest.lineTo(89, 114);
    vest.cubicTo(91, 101, 98, 92, 106, 87);
    vest.closeSubpath();
    QLinearGradient red(90, 90, 160, 170);
    red.setColorAt(0, Waistcoat.lighter(125));
    red.setColorAt(1, Waistcoat.darker(115));
    fillOutlined(p, vest, red, QColor(0x30, 0x08, 0x0E), 1.3);
    p.save();
    p.setClipPath(vest, Qt::IntersectClip);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    for (qreal x = 84; x < 166; x += 4) {
        p.drawLine(QPointF(x, 85), QPointF(x + 2, 172));
    }
    p.restore();
    // Satin edging down the V and the buttons.
    p.setPen(QPen(Satin, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(106.5, 88), QPointF(124, 129));
    p.drawLine(QPointF(141.5, 88), QPointF(124, 129));
    p.setPen(QPen(QColor(0x7A, 0x5A, 0x10), 0.8));
    p.setBrush(Gold);
    for (qreal y : {138.0, 150.0, 162.0}) {
        p.drawEllipse(QPointF(124.5, y), 2.0, 2.0);
    }
    // A pocket and the house name badge.
    p.setPen(QPen(QColor(0x30, 0x08, 0x0E), 1.0));
    p.drawLine(QPointF(99, 146), QPointF(111, 145));
    p.setBrush(Gold);
    p.drawRoundedRect(QRectF(137, 112, 14, 5), 1, 1);
    p.setPen(QPen(QColor(0x5A, 0x40, 0x10), 0.7));
    p.drawLine(QPointF(139.5, 114.5), QPointF(148.5, 114.5));
    // Shirt front: placket and studs, wing collar and bow tie.
    p.setPen(QPen(QColor(0xC8, 0xC8, 0xCC), 0.8));
    p.drawLine(QPointF(124, 96), QPointF(124, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(Satin);
    p.drawEllipse(QPointF(124, 104), 1.2, 1.2);
    p.drawEllipse(QPointF(124, 114), 1.2, 1.2);
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(124 + side * 2, 86);
        wing.lineTo(124 + side * 9, 83);
        wing.lineTo(124 + side * 8, 92);
        wing.closeSubpath();
        fillOutlined(p, wing, Shirt, QColor(0x8A, 0x8A, 0x90), 1.0);
    }
    QPainterPath bow;
    bow.moveTo(124, 90);
    bow.lineTo(113, 85);
    bow.lineTo(113, 96);
    bow.closeSubpath();
    bow.moveTo(124, 90);
    bow.lineTo(135, 85);
    bow.lineTo(135, 96);
    bow.closeSubpath();
    fillOutlined(p, bow, Satin, Satin, 1.0);
    p.setBrush(QColor(0x3A, 0x3A, 0x44));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(121.5, 87, 5, 6), 1.5, 1.5);
}

void drawDealerHead(QPainter& p) {
    HeadLook look;
    look.skin = DealerSkin;
    look.hair = QColor(0x36, 0x24, 0x18);
    look.hairStyle = Hair::Neat;
    look.jaw = Jaw::Square;
    look.eyeColour = QColor(0x4A, 0x36, 0x22);
    look.facialHair = FacialHair::Pencil;
    Expression face;
    face.mouth = Mouth::Smile;
    face.gaze = QPointF(0, 0.45); // an eye on the cards
    p.save();
    p.translate(124, 42);
    p.scale(0.72, 0.72);
    drawHead(p, look, face, QPointF(0, 0));
    p.restore();
}

// A shirt sleeve from the shoulder through the elbow to the wrist, with the black
// garter dealers wear above the elbow.
void drawSleeve(QPainter& p, QPointF shoulder, QPointF elbow, QPointF wrist) {
    const QColor seam(0x8A, 0x8A, 0x90);
    QPainterPath upper;
    upper.moveTo(shoulder);
    upper.lineTo(elbow);
    drawLimb(p, upper, UpperArm, Shirt, seam, 1.3);
    QPainterPath garter;
    garter.moveTo(shoulder + (elbow - shoulder) * 0.5);
    garter.lineTo(shoulder + (elbow - shoulder) * 0.62);
    drawLimb(p, garter, UpperArm + 0.4, Satin, Satin, 0.6, Qt::FlatCap);
    QPainterPath fore;
    fore.moveTo(elbow);
    fore.lineTo(wrist);
    drawLimb(p, fore, Forearm, Shirt, seam, 1.3);
    QPainterPath cuff;
    cuff.moveTo(elbow + (wrist - elbow) * 0.86);
    cuff.lineTo(wrist);
    drawLimb(p, cuff, Forearm + 0.5, Shirt.darker(104), seam, 1.0);
}

// A card in the dealer's fingers, seen from its back, a little smaller than on the
// felt because it is further away.
void drawHeldCard(QPainter& p, QPointF centre, qreal angle, qreal scale) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(-CardWidth / 2.0 + 2, -CardHeight / 2.0 + 2, CardWidth, CardHeight),
                      3.5, 3.5);
    drawCardBackAt(p, QRectF(-CardWidth / 2.0, -CardHeight / 2.0, CardWidth, CardHeight));
    p.restore();
}

void drawRightArm(QPainter& p, RightArm arm) {
    if (arm == RightArm::Rest) {
        drawSleeve(p, RightShoulder, QPointF(56, 138), QPointF(45, 155));
        drawHand(p, Hand::Flat, QPointF(43, 157), 20, DealerSkin, 1.1);
    } else if (arm == RightArm::Deck) {
        drawSleeve(p, RightShoulder, QPointF(50, 150), QPointF(72, 205));
        // The deck, its thickness showing along the left and bottom edges.
        drawCardBackAt(p, QRectF(DeckPlace));
        p.setPen(QPen(QColor(0xB8, 0xB8, 0xB8), 0.8));
        p.drawLine(QPointF(80, 236.5), QPointF(116, 236.5));
        p.drawLine(QPointF(80.5, 190), QPointF(80.5, 236));
        drawHand(p, Hand::Grip, QPointF(79, 214), 0, DealerSkin, 1.05);
        // The thumb over the top of the deck.
        QPainterPath thumb;
        thumb.moveTo(82, 208);
        thumb.lineTo(92, 203);
        drawLimb(p, thumb, 5.5, DealerSkin, inkOf(DealerSkin), 1.1);
    }
}

void drawLeftArm(QPainter& p, LeftArm arm) {
    switch (arm) {
    case LeftArm::Rest:
        drawSleeve(p, LeftShoulder, QPointF(189, 136), QPointF(195, 151));
        drawHand(p, Hand::Flat, QPointF(192, 155), 160, DealerSkin, 1.1);
        break;
    case LeftArm::DownWithCard:
        drawSleeve(p, LeftShoulder, QPointF(190, 168), QPointF(198, 232));
        drawHeldCard(p, QPointF(198, 260), 8, 0.88);
        drawHand(p, Hand::Grip, QPointF(198, 240), 80, DealerSkin, 1.05);
        break;
    case LeftArm::Across:
        drawSleeve(p, LeftShoulder, QPointF(178, 160), QPointF(141, 200));
        drawHeldCard(p, QPointF(114, 208), -12, 0.85);
        drawHand(p, Hand::Grip, QPointF(129, 205), 200, DealerSkin, 1.05);
        break;
    case LeftArm::DownOpen:
        drawSleeve(p, LeftShoulder, QPointF(189, 168), QPointF(195, 234));
        drawHand(p, Hand::Open, QPointF(194, 246), 92, DealerSkin, 1.1);
        break;
    case LeftArm::None:
        break;
    }
}

QImage scene(RightArm right, LeftArm left, bool deckOnTable, int scale) {
    QImage view = opaqueImage(ViewWidth, ViewHeight, Wall, scale);
    QPainter painter(&view);
    drawTableBehind(painter, railWithRack(scale), feltArc(scale), scale);
    smooth(painter);
    // The dealer stands behind the table: his body ends at its edge, his arms reach over it.
    painter.setClipRect(QRect(0, 0, ViewWidth, TableEdge));
    drawTorso(painter);
    painter.setClipping(false);
    drawDealerHead(painter);
    drawRightArm(painter, right);
    drawLeftArm(painter, left);
    if (deckOnTable) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(DeckPlace, cardBack(scale));
    }
    return view;
}

// The smallest rectangle holding every pixel in which two pictures differ.
QRect differences(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

QImage cut(const QImage& view, const Cut& c, int scale) {
    return view.copy(pixelsOf(QRect(c.place.topLeft(), c.sheet), scale));
}

} // namespace

DealerSheets dealerSheets(int scale) {
    DealerSheets sheets;
    sheets["dtable1"] = railWithRack(scale);
    sheets["dtable2"] = feltArc(scale);
    sheets["CardBack"] = cardBack(scale);
    const QImage rest = scene(RightArm::Rest, LeftArm::Rest, false, scale);
    const QImage holding = scene(RightArm::Deck, LeftArm::None, false, scale);
    sheets["dbody"] = cut(scene(RightArm::None, LeftArm::None, false, scale), Cuts[BodyCut], scale);
    sheets["drarm1"] = cut(rest, Cuts[1], scale);
    sheets["drarm2"] = cut(holding, Cuts[2], scale);
    sheets["dlarm0"] = cut(rest, Cuts[3], scale);
    sheets["dlarm1"] =
        cut(scene(RightArm::Deck, LeftArm::DownWithCard, false, scale), Cuts[4], scale);
    sheets["dlarm2"] = cut(scene(RightArm::Deck, LeftArm::Across, false, scale), Cuts[5], scale);
    sheets["dlarm3"] = cut(scene(RightArm::Deck, LeftArm::DownOpen, false, scale), Cuts[6], scale);
    return sheets;
}

QImage dealerScene(int pose, int scale) {
    switch (pose) {
    case 1:
        return scene(RightArm::Rest, LeftArm::Rest, true, scale);
    case 3:
        return scene(RightArm::Deck, LeftArm::DownWithCard, false, scale);
    case 4:
        return scene(RightArm::Deck, LeftArm::Across, false, scale);
    default:
        return scene(RightArm::Deck, LeftArm::DownOpen, false, scale);
    }
}

QImage composeDealerView(const DealerSheets& sheets, int pose, int scale) {
    QImage view = opaqueImage(ViewWidth, ViewHeight, Wall, scale);
    QPainter painter(&view);
    auto copy = [&](const char* name) {
        for (const Cut& c : Cuts) {
            if (QString(name) == c.name) {
                painter.drawImage(c.place, sheets.at(name),
                                  pixelsOf(QRect(QPoint(0, 0), c.place.size()), scale));
            }
        }
    };
    drawTableBehind(painter, sheets.at("dtable1"), sheets.at("dtable2"), scale);
    copy("dbody");
    copy(pose == 1 ? "drarm1" : "drarm2");
    copy(pose == 1 ? "dlarm0" : pose == 3 ? "dlarm1" : pose == 4 ? "dlarm2" : "dlarm3");
    if (pose == 1) {
        painter.drawImage(DeckPlace, sheets.at("CardBack"));
    }
    return view;
}

void writeDealer(ArtWriter& out) {
    const DealerSheets sheets = dealerSheets(out.scale());
    for (const Cut& c : Cuts) {
        out.png(QString(c.name) + ".png", sheets.at(c.name), c.sheet.width(), c.sheet.height());
    }
    // The pieces must give back the whole drawing in every pose: an arm that strays
    // out of its sheet would be cut off on the table.
    for (int pose : DealerPoses) {
        const QRect wrong = differences(composeDealerView(sheets, pose, out.scale()),
                                        dealerScene(pose, out.scale()));
        if (!wrong.isEmpty()) {
            out.fail(
                QString("the dealer's pieces do not join up in pose %1 within (%2, %3)-(%4, %5)")
                    .arg(pose)
                    .arg(wrong.left())
                    .arg(wrong.top())
                    .arg(wrong.right() + 1)
                    .arg(wrong.bottom() + 1));
        }
    }
}

} // namespace dealmoor::art
