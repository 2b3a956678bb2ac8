#include "table/windows/BetWindow.h"

#include "engine/Game.h"
#include "engine/Money.h"
#include "table/MoneyText.h"
#include "table/Painting.h"
#include "table/SpriteSheets.h"
#include "table/windows/BorrowWindow.h"

#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include <utility>
#include <vector>

namespace dealmoor {

namespace {

// The window inside the seat view; it ends 3 pixels above the view's bottom.
constexpr QRect WagerPlace(1, 194, 249, 213);

// The pending amount's display: a sunken frame around (12, 140)-(120, 160),
// the amount right-aligned so that its last cell ends at x 120.
constexpr QRect DisplayArea{QPoint(12, 140), QPoint(119, 159)};
constexpr int DisplayAnchor = 92;
constexpr int DisplayDigitRow = 4; // red
constexpr int DisplayWidth = 8;    // characters of the amount, padded with spaces

struct Chip {
    const char* name;
    double value;
    QRect place;
    const char* caption; // shown only when the picture is missing
    const char* worth;   // as the tooltip names it
    Qt::Key key;         // the digit that puts it up, counted along the rows
};

const Chip Chips[] = {
    {"BitBtn1", 100.0, QRect(8, 8, 65, 57), "100", "100", Qt::Key_1},
    {"BitBtn2", 25.0, QRect(88, 8, 65, 57), "25", "25", Qt::Key_2},
    {"BitBtn3", 5.0, QRect(168, 8, 65, 57), "5", "5", Qt::Key_3},
    {"BitBtn4", 1.0, QRect(8, 72, 65, 57), "1", "1", Qt::Key_4},
    {"BitBtn5", 0.50, QRect(88, 72, 65, 57), ".50", "0.50", Qt::Key_5},
};

QString chipTip(const Chip& chip) {
    return QStringLiteral("A chip of %1 (key %2)")
        .arg(QString::fromLatin1(chip.worth), KeyName(chip.key));
}

// What the other buttons do from the keyboard, said in their tooltips.
const char* const ClearBetTip = "Clear Bet (Backspace or C)";
const char* const BorrowTip = "Borrow (B)";
const char* const OkTip = "OK (Enter)";

constexpr QRect ClearBetPlace(168, 72, 65, 57);
constexpr QRect BorrowPlace(136, 136, 105, 33);
constexpr QRect OkPlace(136, 176, 105, 33);
constexpr QRect HelpPlace(8, 176, 113, 33);

QString limitsMessage(double tableMin, double tableMax) {
    return QStringLiteral("The table limits are ") + Money(tableMin) + QStringLiteral(" to ") +
           Money(tableMax) + QStringLiteral(".") +
           QStringLiteral("  Your bet must be within this range.");
}

const QString SitOutMessage =
    QStringLiteral("You didn't place a bet.  You will have to sit-out this hand.");

QString insuranceMessage(double limit) {
    return QStringLiteral("The maximum insurance bet is ") + Money(limit) + QStringLiteral(".");
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

BetWindow::BetWindow(Game& game, const SpriteSheets& sheets, std::string programDir,
                     QWidget* parent)
    : OverlayDialog(parent), game_(game), sheets_(sheets), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("Wagecode"));
    setWindowTitle(QStringLiteral("Place Your Bet"));
    QPalette felt = palette();
    felt.setColor(QPalette::Window, FeltGreen);
    setPalette(felt);
    resize(WagerPlace.size());

    std::vector<ButtonKey> keys;
    for (std::size_t i = 0; i < std::size(Chips); ++i) {
        chips_[i] = makeButton(this, Chips[i].name, QString());
        chips_[i]->setToolTip(chipTip(Chips[i]));
        keys.push_back({Chips[i].key, chips_[i]});
        const double value = Chips[i].value;
        connect(chips_[i], &QPushButton::clicked, this, [this, value] { onChipClicked(value); });
    }
    clearBet_ = makeButton(this, "Button1", QStringLiteral("&Clear Bet"));
    borrow_ = makeButton(this, "Button2", QStringLiteral("&Borrow"));
    ok_ = makeButton(this, "BitBtn6", QStringLiteral("OK"));
    help_ = makeButton(this, "BitBtn7", QStringLiteral("&Help"));
    ok_->setDefault(true); // Enter
    ok_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    clearBet_->setToolTip(QString::fromLatin1(ClearBetTip));
    borrow_->setToolTip(QString::fromLatin1(BorrowTip));
    ok_->setToolTip(QString::fromLatin1(OkTip));
    keys.push_back({Qt::Key_Backspace, clearBet_});
    keys.push_back({Qt::Key_C, clearBet_});
    keys.push_back({Qt::Key_B, borrow_});
    setButtonKeys(std::move(keys));
    // Along the rows of chips, then the buttons below them.
    SetTabOrder(
        {chips_[0], chips_[1], chips_[2], chips_[3], chips_[4], clearBet_, borrow_, help_, ok_});

    connect(clearBet_, &QPushButton::clicked, this, &BetWindow::onClearBetClicked);
    connect(borrow_, &QPushButton::clicked, this, &BetWindow::onBorrowClicked);
    connect(ok_, &QPushButton::clicked, this, &BetWindow::onOkClicked);
    connect(help_, &QPushButton::clicked, this, [this] { requestHelp(HelpContextOf(this)); });
    layOut();
    loadPictures();
    hide();
}

void BetWindow::placeOver(const Area& seatArea, double zoom) {
    placement_ = OverSeatView(seatArea, WagerPlace, zoom);
    const bool rescaled = zoom != zoom_;
    zoom_ = zoom;
    layOut();
    if (rescaled)
        loadPictures();
}

void BetWindow::prepare(int seat, BetKind kind) {
    seat_ = seat;
    kind_ = kind;
    answer_ = 0;
}

double BetWindow::ask(int seat, BetKind kind) {
    prepare(seat, kind);
    RunOverlayModal(this);
    return answer_;
}

double BetWindow::credits() const {
    return game_.Seats[seat_].Credits;
}

void BetWindow::layOut() {
    if (placement_.isValid())
        setGeometry(placement_);
    resize(Zoomed(QRect(QPoint(0, 0), WagerPlace.size()), zoom_).size());
    for (std::size_t i = 0; i < std::size(Chips); ++i)
        chips_[i]->setGeometry(Zoomed(Chips[i].place, zoom_));
    clearBet_->setGeometry(Zoomed(ClearBetPlace, zoom_));
    borrow_->setGeometry(Zoomed(BorrowPlace, zoom_));
    ok_->setGeometry(Zoomed(OkPlace, zoom_));
    help_->setGeometry(Zoomed(HelpPlace, zoom_));
    const int iconSide = qRound(style()->pixelMetric(QStyle::PM_ButtonIconSize) * zoom_);
    ok_->setIconSize(QSize(iconSide, iconSide));
}

void BetWindow::openAfresh() {
    layOut();
    SetHelpContext(this, kind_ == BetKind::Insurance ? HelpInsurance : HelpPlacingBet);
    // A seat is offered its previous bet again while its credits still cover it.
    pending_ = OfferedAmount(game_, seat_, kind_);
    available_ = credits() - pending_;
    update();
    ok_->setFocus(Qt::OtherFocusReason);
}

void BetWindow::onChipClicked(double value) {
    if (Covers(available_, value)) {
        pending_ += value;
        available_ -= value;
        update();
    }
    ok_->setFocus(Qt::OtherFocusReason);
}

void BetWindow::clearPending() {
    pending_ = 0;
    available_ = credits();
}

void BetWindow::onClearBetClicked() {
    clearPending();
    update();
    ok_->setFocus(Qt::OtherFocusReason);
}

void BetWindow::onBorrowClicked() {
    BorrowWindow borrow(game_, sheets_, programDir_, seat_, this);
    borrow.helpRequested = helpRequested;
    borrow.exec();
    openAfresh();
    available_ = credits() - pending_;
    if (available_ < 0) {
        clearPending();
        update();
    }
}

void BetWindow::onOkClicked() {
    if (kind_ == BetKind::Insurance)
        acceptInsurance();
    else
        acceptStake();
}

void BetWindow::acceptStake() {
    switch (JudgeBet(game_, seat_, pending_)) {
    case BetVerdict::Placed:
        answer_ = pending_;
        done(Accepted);
        return;
    case BetVerdict::OutsideLimits:
        clearPending();
        update();
        inform(limitsMessage(game_.HouseRules.TableMin, game_.HouseRules.TableMax));
        return;
    case BetVerdict::SitOut:
        // Sitting out: no stake on the table, and no last bet offered next time.
        available_ = credits();
        answer_ = 0;
        ShowInformation(this, SitOutMessage);
        done(Accepted);
        return;
    }
}

void BetWindow::acceptInsurance() {
    switch (JudgeInsurance(game_, seat_, pending_)) {
    case InsuranceVerdict::Placed:
        answer_ = pending_;
        done(Accepted);
        return;
    case InsuranceVerdict::Declined:
        answer_ = 0;
        available_ = credits();
        done(Accepted);
        return;
    case InsuranceVerdict::AboveLimit:
        clearPending();
        update();
        inform(insuranceMessage(InsuranceLimit(game_, seat_)));
        return;
    }
}

void BetWindow::inform(const QString& text) {
    ShowInformation(this, text);
    // Focus comes back to the window: it opens afresh.
    openAfresh();
}

void BetWindow::loadPictures() {
    for (std::size_t i = 0; i < std::size(Chips); ++i) {
        SetButtonPicture(chips_[i], programDir_, ChipPictures[i],
                         QString::fromLatin1(Chips[i].caption), zoom_);
    }
    SetHelpGlyph(help_, programDir_, zoom_);
}

void BetWindow::showEvent(QShowEvent* event) {
    OverlayDialog::showEvent(event);
    openAfresh();
}

void BetWindow::paintEvent(QPaintEvent* event) {
    OverlayDialog::paintEvent(event);
    QPainter painter(this);
    painter.scale(zoom_, zoom_); // the display is laid out in table pixels
    DrawBevel(painter, DisplayArea.left(), DisplayArea.top(), DisplayArea.right() + 1,
              DisplayArea.bottom() + 1, BevelStyle::SunkenWide);
    DrawDigits(painter, sheets_.Digits, FixedAmount(pending_, DisplayWidth), DisplayAnchor,
               DisplayArea.top(), false, DisplayDigitRow);
}

} // namespace dealmoor
