#include "table/DrillTableView.h"

#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace dealmoor {

namespace {

// The cards are shown at twice their size on the table, from the sheets' twins.
constexpr int CardScale = 2;
constexpr int CardWidth = CardCellWidth * CardScale;
constexpr int CardHeight = CardCellHeight * CardScale;
constexpr int CardGap = 14;
constexpr QPoint CardShadow{4, 5};

constexpr int Rail = 14;
constexpr QSize ViewSize{600, 380};

// A card stands 0.7 pixel high in the tray: eight decks fill it, one deck is
// about 36 pixels.
constexpr double PixelsPerCard = 0.7;
constexpr int TrayWidth = 118;
constexpr int TrayWall = 7;
constexpr int TrayMargin = 26;
constexpr int ReferenceWidth = 54;
constexpr int ReferenceGap = 34;
// The card edges in the stack: one line every few pixels.
constexpr int EdgeLineStep = 3;

const QColor RailDark{0x3a, 0x22, 0x10};
const QColor RailLight{0x7a, 0x4a, 0x22};
const QColor FeltCentre{0x0e, 0x92, 0x1c};
const QColor FeltEdge{0x00, 0x5a, 0x0a};
const QColor CardEdge{0xf4, 0xf1, 0xe8};
const QColor CardEdgeLine{0xc9, 0xc4, 0xb6};
const QColor CardBackBlue{0x1f, 0x3f, 0x9a};
const QColor TrayGlass{0xb4, 0xc8, 0xe6, 0x38};
const QColor TrayBack{0x14, 0x18, 0x22, 0xc8};
const QColor TrayRim{0xd8, 0xe0, 0xee};
const QColor TextShadow{0x00, 0x30, 0x00};

QString tr(const char* text) {
    return QCoreApplication::translate("dealmoor::DrillTableView", text);
}

QString cardName(const Card& card) {
    static const std::array<const char*, 14> Ranks{
        "",
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "ace"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "two"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "three"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "four"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "five"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "six"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "seven"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "eight"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "nine"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "ten"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "jack"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "queen"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "king")};
    static const std::array<const char*, 4> Suits{
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "clubs"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "diamonds"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "hearts"),
        QT_TRANSLATE_NOOP("dealmoor::DrillTableView", "spades")};
    if (!IsRealCard(card.CardId, card.Rank))
        return QString();
    return tr("%1 of %2")
        .arg(tr(Ranks[static_cast<std::size_t>(card.Rank)]),
             tr(Suits[static_cast<std::size_t>((card.CardId - 1) / RanksPerSuit)]));
}

// A soft shadow under a card lying on the felt.
void paintShadow(QPainter& painter, const QRect& card) {
    painter.setPen(Qt::NoPen);
    for (int ring = 3; ring >= 1; --ring) {
        painter.setBrush(QColor(0, 0, 0, 26 * (4 - ring)));
        painter.drawRoundedRect(card.translated(CardShadow).adjusted(-ring, -ring, ring, ring), 6,
                                6);
    }
}

} // namespace

DrillTableView::DrillTableView(const SpriteSheets& sheets, QWidget* parent)
    : QWidget(parent), sheets_(sheets) {
    setObjectName(QStringLiteral("DrillTable"));
    setAccessibleName(tr("Drill table"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

QSize DrillTableView::sizeHint() const {
    return ViewSize;
}

QSize DrillTableView::minimumSizeHint() const {
    // The tray must fit eight decks.
    return {ViewSize.width() - 40, static_cast<int>(std::ceil(StackHeight(MaxShoeCards))) +
                                       2 * (TrayMargin + TrayWall + Rail)};
}

double DrillTableView::StackHeight(int cards) {
    return cards * PixelsPerCard;
}

void DrillTableView::showDeck(const QStringList& lines) {
    shows_ = Shows::Deck;
    cards_.clear();
    lines_ = lines;
    describe();
    update();
}

void DrillTableView::showCards(const std::vector<Card>& cards) {
    shows_ = Shows::Cards;
    cards_ = cards;
    lines_.clear();
    describe();
    update();
}

void DrillTableView::showLine(const QString& line) {
    shows_ = Shows::Line;
    cards_.clear();
    lines_ = QStringList{line};
    describe();
    update();
}

void DrillTableView::showTray(int cardsGone, const QStringList& lines) {
    shows_ = Shows::Tray;
    cards_.clear();
    trayCards_ = cardsGone;
    lines_ = lines;
    describe();
    update();
}

void DrillTableView::describe() {
    QString description;
    switch (shows_) {
    case Shows::Cards: {
        QStringList names;
        for (const Card& card : cards_)
            names << cardName(card);
        description = names.join(QStringLiteral(", "));
        break;
    }
    case Shows::Tray:
        description = tr("A discard tray with %1 cards; one deck stands beside it. %2")
                          .arg(trayCards_)
                          .arg(lines_.join(QStringLiteral(". ")));
        break;
    case Shows::Deck:
    case Shows::Line:
        description = lines_.join(QStringLiteral(". "));
        break;
    }
    setAccessibleDescription(description);
}

void DrillTableView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFelt(painter);
    const QRect felt = rect().adjusted(Rail, Rail, -Rail, -Rail);
    switch (shows_) {
    case Shows::Deck:
        paintDeck(painter);
        paintLines(painter, felt.adjusted(0, felt.height() / 2 + CardHeight / 2 + 10, 0, 0));
        break;
    case Shows::Cards:
        paintCards(painter);
        break;
    case Shows::Line:
        paintLines(painter, felt);
        break;
    case Shows::Tray:
        paintTray(painter);
        paintLines(painter,
                   felt.adjusted(0, 0, -(TrayWidth + ReferenceWidth + 2 * ReferenceGap), 0));
        break;
    }
}

void DrillTableView::paintFelt(QPainter& painter) const {
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient wood(outer.topLeft(), outer.bottomLeft());
    wood.setColorAt(0, RailLight);
    wood.setColorAt(1, RailDark);
    painter.setPen(QPen(RailDark, 1));
    painter.setBrush(wood);
    painter.drawRoundedRect(outer, 16, 16);

    const QRectF felt = outer.adjusted(Rail, Rail, -Rail, -Rail);
    QRadialGradient light(felt.center(), std::max(felt.width(), felt.height()) * 0.65);
    light.setColorAt(0, FeltCentre);
    light.setColorAt(1, FeltEdge);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 2));
    painter.setBrush(light);
    painter.drawRoundedRect(felt, 9, 9);
}

void DrillTableView::paintCards(QPainter& painter) const {
    const int count = static_cast<int>(cards_.size());
    const int width = count * CardWidth + std::max(count - 1, 0) * CardGap;
    int left = (this->width() - width) / 2;
    const int top = (height() - CardHeight) / 2;
    for (const Card& card : cards_) {
        const QRect target(left, top, CardWidth, CardHeight);
        paintShadow(painter, target);
        if (IsRealCard(card.CardId, card.Rank))
            DrawSheet(painter, target, sheets_.Cards, CardCell(card.CardId, card.Rank));
        left += CardWidth + CardGap;
    }
}

void DrillTableView::paintDeck(QPainter& painter) const {
    const QRect deck((width() - CardWidth) / 2, (height() - CardHeight) / 2 - 20, CardWidth,
                     CardHeight);
    // A few backs under the top one: a deck, not a card.
    for (int under = 3; under >= 1; --under) {
        const QRect card = deck.translated(under * 2, under * 2);
        if (under == 3)
            paintShadow(painter, card);
        DrawSheet(painter, card, sheets_.CardBack, QRect(0, 0, CardCellWidth, CardCellHeight));
    }
    DrawSheet(painter, deck, sheets_.CardBack, QRect(0, 0, CardCellWidth, CardCellHeight));
}

namespace {

// A stack of cards seen from the side: their white edges, a line every few
// cards, the blue back of the top card.
void paintStack(QPainter& painter, const QRectF& stack) {
    if (stack.height() <= 0)
        return;
    QLinearGradient shade(stack.topLeft(), stack.topRight());
    shade.setColorAt(0, CardEdge.darker(112));
    shade.setColorAt(0.5, CardEdge);
    shade.setColorAt(1, CardEdge.darker(118));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRect(stack);
    painter.setPen(QPen(CardEdgeLine, 0.8));
    for (double y = stack.bottom() - EdgeLineStep; y > stack.top() + 1; y -= EdgeLineStep)
        painter.drawLine(QPointF(stack.left() + 1, y), QPointF(stack.right() - 1, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(CardBackBlue);
    painter.drawRect(
        QRectF(stack.left(), stack.top(), stack.width(), std::min(2.0, stack.height())));
}

} // namespace

void DrillTableView::paintTray(QPainter& painter) const {
    const double inner = StackHeight(MaxShoeCards);
    const QRectF tray(width() - Rail - TrayMargin - TrayWidth, (height() - inner) / 2 - TrayWall,
                      TrayWidth, inner + 2 * TrayWall);
    const QRectF well = tray.adjusted(TrayWall, TrayWall, -TrayWall, -TrayWall);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(tray.translated(CardShadow), 6, 6);
    painter.setBrush(TrayBack);
    painter.drawRoundedRect(tray, 6, 6);

    const double stackHeight = std::min(StackHeight(trayCards_), inner);
    paintStack(painter,
               QRectF(well.left(), well.bottom() - stackHeight, well.width(), stackHeight));

    // The tray's clear front, lit from the left.
    QLinearGradient glass(tray.topLeft(), tray.topRight());
    glass.setColorAt(0, TrayGlass.lighter(160));
    glass.setColorAt(0.25, TrayGlass);
    glass.setColorAt(1, TrayGlass.darker(140));
    painter.setBrush(glass);
    painter.setPen(QPen(TrayRim, 1.2));
    painter.drawRoundedRect(tray, 6, 6);

    // One deck for comparison, standing on the felt at the tray's foot.
    const double deck = StackHeight(CardsPerDeck);
    const QRectF reference(tray.left() - ReferenceGap - ReferenceWidth, well.bottom() - deck,
                           ReferenceWidth, deck);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRect(reference.translated(3, 3));
    paintStack(painter, reference);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.95);
    painter.setFont(small);
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(reference.left() - 20, reference.top() - 22, reference.width() + 40, 20),
        Qt::AlignHCenter | Qt::AlignBottom, tr("1 deck"));
}

namespace {

// `font` made smaller until `text` fits into `width`.
QFont fitted(QFont font, const QString& text, int width) {
    constexpr double SmallestPoints = 7;
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > SmallestPoints)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

} // namespace

void DrillTableView::paintLines(QPainter& painter, const QRect& area) const {
    if (lines_.isEmpty())
        return;
    constexpr int LineGap = 6;
    constexpr int SideRoom = 24;
    QFont first = font();
    first.setBold(true);
    first.setPointSizeF(first.pointSizeF() * 1.8);
    QFont rest = font();
    rest.setPointSizeF(rest.pointSizeF() * 1.25);
    std::vector<QFont> fonts;
    int height = 0;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        fonts.push_back(fitted(i == 0 ? first : rest, lines_[i], area.width() - SideRoom));
        height += QFontMetrics(fonts.back()).height() + (i > 0 ? LineGap : 0);
    }
    int top = area.top() + (shows_ == Shows::Deck ? 0 : (area.height() - height) / 2);
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QFont& lineFont = fonts[static_cast<std::size_t>(i)];
        painter.setFont(lineFont);
        const int lineHeight = QFontMetrics(lineFont).height();
        const QRect line(area.left(), top, area.width(), lineHeight);
        painter.setPen(TextShadow);
        painter.drawText(line.translated(1, 2), Qt::AlignHCenter | Qt::AlignVCenter, lines_[i]);
        painter.setPen(i == 0 ? QColor(Qt::white) : QColor(0xf0, 0xe6, 0x8c));
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, lines_[i]);
        top += lineHeight + LineGap;
    }
}

} // namespace dealmoor
