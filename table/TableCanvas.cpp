#include "table/TableCanvas.h"

#include "engine/Characters.h"
#include "engine/Game.h"
#include "engine/Texts.h"
#include "platform/FileLookup.h"
#include "table/FilePaths.h"
#include "table/MoneyText.h"
#include "table/Painting.h"
#include "table/SpriteSheets.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <string>

namespace dealmoor {

namespace {

constexpr int PortraitPitch = 178;
constexpr int PortraitHeight = 175;
constexpr int SmallPortraitSize = 89;
constexpr int BalloonLineMax = 255;
constexpr int PanelResultMax = 20;
// A seat's winnings after the deal, in the felt's green.
const QColor SettledWinColour(0x00, 0x80, 0x00);

constexpr int PanelFontSize = 8;
constexpr int StakeFontSize = 10;
constexpr int TableTextFontSize = 14;
constexpr int ShufflingFontSize = 14;

// Character strips stand as tall as the white wall behind the seat view.
constexpr int FaceWallBottom = 229;

// (left, top)-(right, bottom), right and bottom exclusive, as the drawing rules write them.
constexpr QRect Span(int left, int top, int right, int bottom) {
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

// One picture of the dealer view: which sheet, the part of it copied, and where it lands.
struct Placement {
    QImage SpriteSheets::*sheet;
    QRect source;
    QRect target;
};

// The dealer's arms in each pose. The right arm rests, or holds the deck over
// the table while dealing; the left arm rests, or carries a card down, across,
// or opens over it.
struct ArmPlacements {
    DealerPose pose;
    Placement right;
    Placement left;
};
constexpr Placement RightArmResting{&SpriteSheets::drarm1, Span(0, 0, 67, 80),
                                    Span(23, 87, 90, 167)};
constexpr Placement RightArmHoldingDeck{&SpriteSheets::drarm2, Span(0, 0, 92, 153),
                                        Span(27, 87, 119, 240)};
constexpr ArmPlacements DealerArms[] = {
    {DealerPose::Rest,
     RightArmResting,
     {&SpriteSheets::dlarm0, Span(0, 0, 50, 76), Span(156, 93, 206, 167)}},
    {DealerPose::ReachDown,
     RightArmHoldingDeck,
     {&SpriteSheets::dlarm1, Span(0, 0, 68, 198), Span(155, 91, 223, 289)}},
    {DealerPose::ReachAcross,
     RightArmHoldingDeck,
     {&SpriteSheets::dlarm2, Span(0, 0, 103, 148), Span(86, 92, 189, 240)}},
    {DealerPose::HandOpen,
     RightArmHoldingDeck,
     {&SpriteSheets::dlarm3, Span(0, 0, 56, 194), Span(155, 91, 211, 285)}},
};
// The parts of the dealer view every pose shares, in drawing order.
constexpr Placement DealerBackdrop[] = {
    {&SpriteSheets::dtable1, Span(20, 0, 269, 15), Span(0, 167, 249, 183)},
    {&SpriteSheets::dtable2, Span(24, 0, 249, 60), Span(0, 270, 249, 331)},
    {&SpriteSheets::dbody, Span(0, 0, 104, 166), Span(72, 1, 176, 167)},
};
// At rest the deck lies on the table.
constexpr Placement DeckOnTable{&SpriteSheets::CardBack, Span(0, 0, 41, 54),
                                Span(78, 186, 119, 240)};

// The speech balloon over the dealer view, relative to the view's top-left corner,
// and where its lines are written: one line alone, or a first and a second line.
struct BalloonLine {
    int centre;
    int top;
    int shortPointSize; // for a line of at most `shortLength` characters
    int longPointSize;
    int shortLength;
};
constexpr QRect BalloonPlace(152, 39, 97, 70);
constexpr BalloonLine BalloonAlone{205, 63, 18, 10, 4};
constexpr BalloonLine BalloonFirst{207, 57, 12, 8, 6};
// A second line of one or two characters is written large and a little higher.
constexpr BalloonLine BalloonSecondShort{205, 71, 24, 24, 2};
constexpr BalloonLine BalloonSecond{205, 75, 12, 8, 8};

void draw(QPainter& view, const SpriteSheets& sheets, const Placement& p) {
    DrawSheet(view, p.target, sheets.*p.sheet, p.source);
}

QRect SpanOf(const Area& area) {
    return Span(area.left, area.top, area.right, area.bottom);
}

QFont TableFont(int pointSize, bool bold) {
    QFont font(QApplication::font().family());
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QString FromText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Writes text with its top-left corner at (left, top).
void WriteAt(QPainter& painter, int left, int top, const QString& text) {
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
}

int TextWidth(QPainter& painter, const QString& text) {
    return painter.fontMetrics().horizontalAdvance(text);
}

// Writes text centred horizontally on `centre` (left = centre - width div 2).
void WriteCentred(QPainter& painter, int centre, int top, const QString& text) {
    WriteAt(painter, centre - TextWidth(painter, text) / 2, top, text);
}

void SetTextStyle(QPainter& painter, int pointSize, bool bold, const QColor& colour) {
    painter.setFont(TableFont(pointSize, bold));
    painter.setPen(colour);
}

int CardsIn(const Hand& hand) {
    return std::clamp(hand.CardCount, 0, MaxHandCards);
}

// Draws card k of a hand at (left(k), top): its face when Shown, else the back.
// An entry that holds no real card shows its back rather than a cell outside the sheet.
template <typename LeftOf>
void DrawHand(QPainter& painter, const SpriteSheets& sheets, const Hand& hand, int top,
              LeftOf left) {
    for (int k = 0; k < CardsIn(hand); ++k) {
        const QRect target(left(k), top, CardCellWidth, CardCellHeight);
        const int cardId = hand.CardIds[k];
        const int rank = hand.Ranks[k];
        if (hand.Shown[k] && IsRealCard(cardId, rank)) {
            DrawSheet(painter, target, sheets.Cards, CardCell(cardId, rank));
        } else {
            DrawSheet(painter, target, sheets.CardBack, QRect(0, 0, CardCellWidth, CardCellHeight));
        }
    }
}

bool IsSeat(int seat) {
    return seat >= 1 && seat <= MaxSeats;
}

// A plain stand-in strip of four faces for a character whose picture file is missing.
QImage PlaceholderStrip(int frameWidth, int height) {
    QImage strip(frameWidth * FacesPerStrip, height, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    const int headWidth = frameWidth * 2 / 5;
    const int headHeight = height / 2;
    for (int f = 0; f < FacesPerStrip; ++f) {
        const QPoint centre(f * frameWidth + frameWidth / 2, height / 2);
        const QRect head(centre.x() - headWidth / 2, centre.y() - headHeight / 2, headWidth,
                         headHeight);
        painter.setPen(QPen(QColor(0x60, 0x40, 0x30), 2));
        painter.setBrush(QColor(0xF0, 0xC8, 0xA0));
        painter.drawEllipse(head);
        painter.setBrush(Qt::black);
        const int eyeY = head.top() + headHeight * 2 / 5;
        painter.drawEllipse(QPoint(centre.x() - headWidth / 5, eyeY), 3, 3);
        painter.drawEllipse(QPoint(centre.x() + headWidth / 5, eyeY), 3, 3);
        painter.setBrush(Qt::NoBrush);
        // Frames show a smile, a straight mouth, a frown and a wondering mouth.
        const QRect mouth(centre.x() - headWidth / 5, head.top() + headHeight * 3 / 5,
                          headWidth * 2 / 5, headHeight / 6);
        switch (f) {
        case 0:
            painter.drawArc(mouth, 200 * 16, 140 * 16);
            break;
        case 1:
            painter.drawLine(mouth.left(), mouth.center().y(), mouth.right(), mouth.center().y());
            break;
        case 2:
            painter.drawArc(mouth.translated(0, mouth.height() / 2), 20 * 16, 140 * 16);
            break;
        default:
            painter.drawEllipse(mouth.center(), 5, 6);
            break;
        }
    }
    return strip;
}

const CharacterSheet NoSheet{};

// A picture of `size` table pixels at `scale` pixels each.
QImage ScaledPicture(QSize size, double scale) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * scale)),
                       static_cast<int>(std::ceil(size.height() * scale)));
    QImage picture(pixels, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

// A strip's height in table pixels, whatever density it was drawn at.
int TableHeight(const QImage& strip) {
    return qRound(strip.height() / strip.devicePixelRatio());
}

// The character strip of `number` drawn at `scale` ("dmoor<n>.bmp", "dmoor<n>@2x.bmp"):
// null when missing or not four frames of the character's width at that scale.
QImage LoadStrip(const std::string& programDir, int number, int scale) {
    const std::string name = "dmoor" + std::to_string(number) + ".bmp";
    const std::string path = FindFileNoCase(programDir, ScaledFileName(name, scale));
    QImage strip = path.empty() ? QImage() : LoadPicture(path);
    if (strip.isNull() ||
        strip.width() != CharacterRecord(number).FrameWidth * FacesPerStrip * scale)
        return {};
    strip = strip.convertToFormat(QImage::Format_RGB32);
    strip.setDevicePixelRatio(scale);
    return strip;
}

} // namespace

QRect OverSeatView(const Area& seatArea, const QRect& inSeat, double zoom) {
    return Zoomed(inSeat.translated(seatArea.left, seatArea.top), zoom);
}

QRect Zoomed(const QRect& table, double zoom) {
    if (zoom == 1)
        return table;
    const int left = qRound(table.left() * zoom);
    const int top = qRound(table.top() * zoom);
    const int right = qRound((table.left() + table.width()) * zoom);
    const int bottom = qRound((table.top() + table.height()) * zoom);
    return QRect(left, top, right - left, bottom - top);
}

QRect CardCell(int cardId, int rank) {
    return QRect((rank - 1) * CardCellWidth, (cardId - 1) / RanksPerSuit * CardCellHeight,
                 CardCellWidth, CardCellHeight);
}

TableCanvas::TableCanvas(const Game& game, const SpriteSheets& sheets, QWidget* parent)
    : QWidget(parent), game_(game), sheets_(sheets),
      viewBuffer_(ScaledPicture(QSize(ViewWidth + 1, ViewHeight), 1)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    viewBuffer_.fill(Qt::white);
    setAreas(5, 5, 265, 5);
    ensureSurface();
}

void TableCanvas::setScale(double zoom, double deviceRatio) {
    if (zoom == zoom_ && deviceRatio == deviceRatio_)
        return;
    const int sheetScale = SheetScaleFor(deviceScale());
    zoom_ = zoom;
    deviceRatio_ = deviceRatio;
    viewBuffer_ = ScaledPicture(QSize(ViewWidth + 1, ViewHeight), deviceScale());
    viewBuffer_.fill(Qt::white);
    ensureSurface();
    if (SheetScaleFor(deviceScale()) != sheetScale && !programDir_.empty())
        LoadCharacterSheets(programDir_);
}

QRect TableCanvas::toWidget(const QRect& table) const {
    return Zoomed(table, zoom_);
}

void TableCanvas::updateTable(const QRect& table) {
    // A zoom that is not whole rounds the edges: cover them too.
    const bool whole = zoom_ == std::floor(zoom_);
    update(whole ? toWidget(table) : toWidget(table).adjusted(-1, -1, 1, 1));
}

void TableCanvas::setAreas(int dealerLeft, int dealerTop, int seatLeft, int seatTop) {
    DealerArea = {dealerLeft, dealerTop, dealerLeft + ViewWidth, dealerTop + ViewHeight};
    SeatArea = {seatLeft, seatTop, seatLeft + ViewWidth, seatTop + ViewHeight};
}

void TableCanvas::ensureSurface() {
    // The surface holds the widget's device pixels; their table size follows from the scale.
    const QSize pixels(static_cast<int>(std::ceil(width() * deviceRatio_)),
                       static_cast<int>(std::ceil(height() * deviceRatio_)));
    const bool sameScale = surface_.devicePixelRatio() == deviceScale();
    if (surface_.size() == pixels && sameScale) {
        return;
    }
    QImage grown(pixels, QImage::Format_RGB32);
    grown.setDevicePixelRatio(deviceScale());
    grown.fill(palette().color(backgroundRole()));
    if (sameScale) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), surface_);
    }
    surface_ = std::move(grown);
}

void TableCanvas::copyViewTo(const Area& area) {
    ensureSurface();
    QPainter painter(&surface_);
    DrawSheet(painter, SpanOf(area), viewBuffer_, QRect(0, 0, ViewWidth, ViewHeight));
    painter.end();
    updateTable(SpanOf(area));
}

void TableCanvas::DrawDealer(DealerPose pose) {
    QPainter view(&viewBuffer_);
    view.fillRect(Span(0, 0, 249, 167), Qt::white);
    view.fillRect(Span(0, 181, 249, 410), FeltGreen);
    for (const Placement& part : DealerBackdrop) {
        draw(view, sheets_, part);
    }
    for (const ArmPlacements& arms : DealerArms) {
        if (arms.pose == pose) {
            draw(view, sheets_, arms.right);
            draw(view, sheets_, arms.left);
        }
    }
    if (pose == DealerPose::Rest) {
        draw(view, sheets_, DeckOnTable);
    }
    // The first card stands apart from the overlapping row of the others.
    DrawHand(view, sheets_, game_.DealerHand(), 300,
             [](int k) { return k == 0 ? 50 : 95 + CardStep * (k - 1); });
    view.end();
    copyViewTo(DealerArea);
}

void TableCanvas::SetFace(int seat, int frame) {
    if (!IsSeat(seat)) {
        return;
    }
    const Seat& who = game_.Seats[seat];
    if (frame == 0) {
        if (CharacterExists(who.Number)) {
            selectedCharacter_ = who.Number;
        }
        return;
    }
    if (frame < 1 || frame > FacesPerStrip) {
        return;
    }
    composeSeatView(seat, frame);
    copyViewTo(SeatArea);
    writeStake();
}

void TableCanvas::composeSeatView(int seat, int frame) {
    QPainter view(&viewBuffer_);
    // The wall is white down to the rail: filling it only to 228 would leave the
    // row above the rail showing whatever the dealer view left in the buffer.
    view.fillRect(Span(0, 0, 249, FaceWallBottom), Qt::white);
    view.fillRect(Span(0, FaceWallBottom, 249, 261), Qt::black);
    view.fillRect(Span(0, 269, 249, 410), FeltGreen);
    DrawSheet(view, Span(94, 320, 155, 381), sheets_.ptable, Span(0, 0, 61, 61));
    DrawSheet(view, Span(0, 261, 250, 269), sheets_.ptable2, Span(0, 0, 250, 8));

    // The character stands centred on x 125, over the table parts.
    const CharacterSheet& sheet = sheetOf(selectedCharacter_);
    if (!sheet.strip.isNull()) {
        const int width = sheet.frameWidth;
        const int height = TableHeight(sheet.strip);
        const int left = 125 - width / 2;
        DrawSheet(view, QRect(left, sheet.frameTop, width, height), sheet.strip,
                  QRect((frame - 1) * width, 0, width, height));
    }

    DrawHand(view, sheets_, game_.Hands[seat], 354, [](int k) { return 4 + CardStep * k; });
    const Hand& second = game_.Hands[seat + SecondHandOffset];
    if (game_.Seats[seat].HasSplit && second.CardCount >= 1) {
        DrawHand(view, sheets_, second, 354, [](int k) { return 129 + CardStep * k; });
    }
}

void TableCanvas::writeStake() {
    const int seat = shownSeat();
    if (!IsSeat(seat)) {
        return;
    }
    const Seat& current = game_.Seats[seat];
    const double stake = current.Bet + current.SplitBet;
    if (stake <= 0) {
        return;
    }
    QPainter painter(&surface_);
    SetTextStyle(painter, StakeFontSize, true, Qt::red);
    WriteCentred(painter, (SeatArea.left + SeatArea.right) / 2, SeatArea.bottom - 75, Money(stake));
    painter.end();
    updateTable(SpanOf(SeatArea));
}

void TableCanvas::ShowBalloon(std::string_view first, std::string_view second) {
    ensureSurface();
    const QString a = FromText(first).left(BalloonLineMax);
    const QString b = FromText(second).left(BalloonLineMax);
    const QPoint origin(DealerArea.left, DealerArea.top);
    const QRect balloon = BalloonPlace.translated(origin);
    const QRect whole(QPoint(0, 0), BalloonPlace.size());

    QPainter painter(&surface_);
    // The mask whitens the balloon's shape, the outline then darkens its edge,
    // and the view stays visible around it.
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    DrawSheet(painter, balloon, sheets_.balloon2, whole);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    DrawSheet(painter, balloon, sheets_.balloon, whole);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const auto write = [&](const BalloonLine& line, const QString& text) {
        const bool isShort = text.size() <= line.shortLength;
        SetTextStyle(painter, isShort ? line.shortPointSize : line.longPointSize, true, Qt::black);
        WriteCentred(painter, origin.x() + line.centre, origin.y() + line.top, text);
    };
    // One line alone is written large; two lines share the balloon.
    if (a.isEmpty() || b.isEmpty()) {
        const QString& alone = a.isEmpty() ? b : a;
        if (!alone.isEmpty()) {
            write(BalloonAlone, alone);
        }
    } else {
        write(BalloonFirst, a);
        write(b.size() <= BalloonSecondShort.shortLength ? BalloonSecondShort : BalloonSecond, b);
    }
    painter.end();
    updateTable(balloon);
}

void TableCanvas::WriteTableText(TableText text, bool secondHand) {
    ensureSurface();
    const QString words = FromText(TableTextString(text));
    QPainter painter(&surface_);
    SetTextStyle(painter, TableTextFontSize, true, Qt::white);
    // A second hand's word stands right of the first hand's; "Busted" ends at the right edge.
    int left = SeatArea.left + 10;
    if (secondHand && text == TableText::Doubled) {
        left = SeatArea.left + 100;
    } else if (secondHand && text == TableText::Busted) {
        left = SeatArea.right - 10 - TextWidth(painter, words);
    }
    WriteAt(painter, left, SeatArea.bottom - 85, words);
    painter.end();
    updateTable(SpanOf(SeatArea));
}

void TableCanvas::ShowShuffling() {
    ensureSurface();
    QPainter painter(&surface_);
    painter.fillRect(
        Span(DealerArea.left, DealerArea.top + 166, DealerArea.right, DealerArea.bottom),
        Qt::black);
    SetTextStyle(painter, ShufflingFontSize, false, Qt::yellow);
    WriteCentred(painter, (DealerArea.left + DealerArea.right) / 2, DealerArea.top + 250,
                 FromText(TextShuffling));
    painter.end();
    updateTable(SpanOf(DealerArea));
}

int TableCanvas::shownSeat() const {
    // Before any deal nobody is being served: the table shows seat 1.
    return game_.CurrentSeat == 0 ? 1 : game_.CurrentSeat;
}

void TableCanvas::PaintTable() {
    DrawDealer(DealerPose::Rest);
    const int seat = shownSeat();
    if (IsSeat(seat)) {
        SetFace(seat, NeutralFrame(game_.Seats[seat].Number));
    }
    ensureSurface();
    QPainter painter(&surface_);
    DrawBevel(painter, DealerArea.left, DealerArea.top, DealerArea.right, DealerArea.bottom,
              BevelStyle::Sunken);
    DrawBevel(painter, SeatArea.left, SeatArea.top, SeatArea.right, SeatArea.bottom,
              BevelStyle::Sunken);
    painter.end();
    update();
}

void TableCanvas::LoadCharacterSheets(const std::string& programDir) {
    programDir_ = programDir;
    const int scale = SheetScaleFor(deviceScale());
    for (CharacterSheet& sheet : characterSheets_) {
        sheet = CharacterSheet{};
    }
    const int seats = std::clamp<int>(game_.SeatCount, 0, MaxSeats);
    for (int seat = 1; seat <= seats; ++seat) {
        const int number = game_.Seats[seat].Number;
        if (!CharacterExists(number)) {
            continue;
        }
        const Character& frame = CharacterRecord(number);
        QImage strip = LoadStrip(programDir, number, scale);
        if (strip.isNull() && scale != 1)
            strip = LoadStrip(programDir, number, 1);
        if (strip.isNull())
            strip = PlaceholderStrip(frame.FrameWidth, FaceWallBottom - frame.FrameTop);
        characterSheets_[number] = {strip, frame.FrameWidth, frame.FrameTop};
    }
}

const CharacterSheet& TableCanvas::sheetOf(int number) const {
    return CharacterExists(number) ? characterSheets_[number] : NoSheet;
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    ensureSurface();
    QPainter painter(this);
    // The surface holds exactly the widget's device pixels: a plain copy.
    const QRectF area = event->rect();
    painter.drawImage(area, surface_,
                      QRectF(area.topLeft() * deviceRatio_, area.size() * deviceRatio_));
}

void TableCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureSurface();
}

// ---- seat panels ----

SeatPanelView::SeatPanelView(int tag, QWidget* parent)
    : QFrame(parent), tag_(tag), tableSize_(size()) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

void SeatPanelView::placeAt(const QRect& table, int bevelWidth, double zoom) {
    tableSize_ = table.size();
    zoom_ = zoom;
    setGeometry(Zoomed(table, zoom));
    setLineWidth(std::max(1, qRound(bevelWidth * zoom)));
}

void SeatPanelView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!pictureVisible || picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    // The picture is drawn for the panel's table size at the screen's density.
    const QSizeF tableSize = QSizeF(picture_.size()) / picture_.devicePixelRatio();
    painter.drawImage(QRectF(inside.topLeft(), tableSize * zoom_), picture_);
}

void SeatPanelView::mousePressEvent(QMouseEvent* event) {
    // Only a seat in play shows its picture, and only its picture answers a click.
    if (event->button() == Qt::LeftButton && pictureVisible) {
        emit clicked(tag_);
        return;
    }
    QFrame::mousePressEvent(event);
}

QString SeatResultLine(const Game& game, int seat) {
    const Seat& who = game.Seats[seat];
    const Hand& first = game.Hands[seat];
    const Hand& second = game.Hands[seat + SecondHandOffset];
    if (second.Finished || second.Total > 0) {
        const QString firstPart =
            first.Total == 0 ? FromText(TextBusted) + QLatin1Char('/') : Money(who.Bet) + '/';
        const QString secondPart = second.Total == 0 ? FromText(TextBusted) : Money(who.SplitBet);
        return (firstPart + secondPart).left(PanelResultMax);
    }
    switch (first.Outcome) {
    case Outcome::Busted:
        return FromText(TextBusted);
    case Outcome::Won:
        return FromText(TextWon);
    case Outcome::Blackjack:
        return FromText(TextBlackjack);
    case Outcome::None:
        break;
    }
    return Money(who.Bet);
}

QString SettledResultText(double net) {
    return net == 0 ? FromText(TextPush) : SignedMoney(net);
}

QColor SettledResultColour(double net) {
    if (net == 0)
        return Qt::black;
    return net > 0 ? SettledWinColour : Qt::red;
}

void DrawSeatPanel(QImage& picture, QSize panelSize, const Game& game, const SpriteSheets& sheets,
                   int seat, QColor colour, int windowWidth, double deviceScale,
                   std::optional<double> settledNet) {
    if (game.SeatCount == 1) {
        colour = QApplication::palette().color(QPalette::Button);
    }
    picture = ScaledPicture(panelSize, deviceScale);
    picture.fill(colour);
    if (!IsSeat(seat)) {
        return;
    }
    const Seat& who = game.Seats[seat];
    QPainter painter(&picture);
    SetTextStyle(painter, PanelFontSize, false, Qt::black);
    WriteAt(painter, 1, 1, QString::fromStdString(who.Name));
    WriteAt(painter, 1, 40, Money(who.Credits));
    if (settledNet) {
        painter.setPen(SettledResultColour(*settledNet));
        WriteAt(painter, 1, 20, SettledResultText(*settledNet));
    } else {
        painter.setPen(Qt::red);
        WriteAt(painter, 1, 20, SeatResultLine(game, seat));
    }

    // Large portraits on a wide window or tall panels, small ones on a medium window.
    const int n = who.Number;
    if (!CharacterExists(n)) {
        return;
    }
    if (windowWidth > 1000 || panelSize.height() > 200) {
        const int top = (n - 1) * PortraitPitch;
        DrawSheet(painter, Span(52, 55, 230, 230), sheets.Heads,
                  Span(0, top, 178, top + PortraitHeight));
        painter.fillRect(Span(0, 220, 230, 230), colour);
        painter.fillRect(Span(220, 0, 230, 230), colour);
    } else if (windowWidth >= 780) {
        DrawSheet(painter, Span(120, 0, 209, 89), sheets.Head2,
                  Span(0, (n - 1) * SmallPortraitSize, 89, n * SmallPortraitSize));
    }
}

} // namespace dealmoor
