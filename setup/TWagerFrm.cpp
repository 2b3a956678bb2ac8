#include "setup/TWagerFrm.h"

#include "engine/Game.h"
#include "setup/TBorrowC.h"
#include "table/Painting.h"
#include "table/SpriteSheets.h"

#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include <cmath>

namespace dealmoor {

namespace {

constexpr int WagerWidth = 249;
constexpr int WagerHeight = 213;
// Left and top of the window inside the seat view; it ends 3 pixels above the view's bottom.
constexpr int WagerLeftInSeat = 1;
constexpr int WagerTopInSeat = 194;

// The pending amount's display: a sunken frame around (12, 140)-(120, 160),
// the amount right-aligned so that its last cell ends at x 120.
constexpr QRect DisplayArea{QPoint(12, 140), QPoint(119, 159)};
constexpr int DisplayAnchor = 92;
constexpr int DisplayDigitRow = 4; // red
constexpr int DisplayWidth = 8;    // characters of the amount, padded with spaces

struct Chip {
    QPushButton* TWagerFrm::*button;
    double value;
    QRect place;
    const char* caption; // shown only when the picture is missing
};

const Chip Chips[] = {
    {&TWagerFrm::BitBtn1, 100.0, QRect(8, 8, 65, 57), "100"},
    {&TWagerFrm::BitBtn2, 25.0, QRect(88, 8, 65, 57), "25"},
    {&TWagerFrm::BitBtn3, 5.0, QRect(168, 8, 65, 57), "5"},
    {&TWagerFrm::BitBtn4, 1.0, QRect(8, 72, 65, 57), "1"},
    {&TWagerFrm::BitBtn5, 0.50, QRect(88, 72, 65, 57), ".50"},
};

constexpr QRect ClearBetPlace(168, 72, 65, 57);
constexpr QRect BorrowPlace(136, 136, 105, 33);
constexpr QRect OkPlace(136, 176, 105, 33);
constexpr QRect HelpPlace(8, 176, 113, 33);

// Money compared in whole cents, so that credits borrowed a cent at a time
// still cover a chip of the same value.
long long cents(double amount) {
    return std::llround(amount * 100.0);
}

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

TWagerFrm::TWagerFrm(Game& game, const SpriteSheets& sheets, QWidget* parent)
    : OverlayDialog(parent), game_(game), sheets_(sheets) {
    setObjectName(QStringLiteral("Wagecode"));
    setWindowTitle(QStringLiteral("Place Your Bet"));
    QPalette felt = palette();
    felt.setColor(QPalette::Window, FeltGreen);
    setPalette(felt);
    resize(WagerWidth, WagerHeight);

    BitBtn1 = makeButton(this, "BitBtn1", QString());
    BitBtn2 = makeButton(this, "BitBtn2", QString());
    BitBtn3 = makeButton(this, "BitBtn3", QString());
    BitBtn4 = makeButton(this, "BitBtn4", QString());
    BitBtn5 = makeButton(this, "BitBtn5", QString());
    Button1 = makeButton(this, "Button1", QStringLiteral("&Clear Bet"));
    Button2 = makeButton(this, "Button2", QStringLiteral("&Borrow"));
    BitBtn6 = makeButton(this, "BitBtn6", QStringLiteral("OK"));
    BitBtn7 = makeButton(this, "BitBtn7", QStringLiteral("&Help"));
    BitBtn6->setDefault(true);
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn7->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

    for (const Chip& chip : Chips) {
        QPushButton* button = this->*chip.button;
        const double value = chip.value;
        connect(button, &QPushButton::clicked, this, [this, value] { ChipClick(value); });
    }
    connect(Button1, &QPushButton::clicked, this, &TWagerFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TWagerFrm::Button2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TWagerFrm::BitBtn6Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TWagerFrm::BitBtn7Click);
    layOut();
    loadChipPictures();
    hide();
}

void TWagerFrm::placeOver(const Area& seatArea) {
    placement_ = QRect(seatArea.left + WagerLeftInSeat, seatArea.top + WagerTopInSeat, WagerWidth,
                       WagerHeight);
}

int TWagerFrm::runModal() {
    return RunOverlayModal(this);
}

Seat& TWagerFrm::seat() {
    return game_.Seats[game_.CurrentSeat];
}

void TWagerFrm::layOut() {
    if (placement_.isValid())
        setGeometry(placement_);
    resize(WagerWidth, WagerHeight);
    for (const Chip& chip : Chips)
        (this->*chip.button)->setGeometry(chip.place);
    Button1->setGeometry(ClearBetPlace);
    Button2->setGeometry(BorrowPlace);
    BitBtn6->setGeometry(OkPlace);
    BitBtn7->setGeometry(HelpPlace);
}

void TWagerFrm::FormActivate() {
    layOut();
    // The pictures come from the program folder, known once the table has started.
    if (BitBtn1->icon().isNull())
        loadChipPictures();

    SetHelpContext(this, game_.InsuranceOffer ? HelpInsurance : HelpPlacingBet);

    // A seat is offered its previous bet again while its credits still cover it.
    available_ = seat().Credits;
    pending_ = 0;
    if (!game_.InsuranceOffer && seat().LastBet <= available_) {
        pending_ = seat().LastBet;
        available_ = seat().Credits - seat().LastBet;
    }
    update();
    BitBtn6->setFocus(Qt::OtherFocusReason);
}

void TWagerFrm::ChipClick(double value) {
    if (cents(available_) >= cents(value)) {
        pending_ += value;
        available_ -= value;
        update();
    }
    BitBtn6->setFocus(Qt::OtherFocusReason);
}

void TWagerFrm::clearPending() {
    pending_ = 0;
    available_ = seat().Credits;
}

void TWagerFrm::Button1Click() {
    clearPending();
    update();
    BitBtn6->setFocus(Qt::OtherFocusReason);
}

void TWagerFrm::Button2Click() {
    TBorrowC borrow(game_, sheets_, this);
    borrow.helpRequested = helpRequested;
    borrow.runModal();
    FormActivate();
    available_ = seat().Credits - pending_;
    if (available_ < 0) {
        clearPending();
        update();
    }
}

void TWagerFrm::BitBtn6Click() {
    if (game_.InsuranceOffer)
        acceptInsurance();
    else
        acceptBet();
}

void TWagerFrm::BitBtn7Click() {
    requestHelp(HelpContextOf(this));
}

void TWagerFrm::acceptBet() {
    Seat& s = seat();
    const HouseRules& rules = game_.HouseRules;
    if (rules.TableMin <= pending_ && pending_ <= rules.TableMax) {
        s.Credits -= pending_;
        s.Bet = pending_;
        s.LastBet = pending_;
        done(Accepted);
        return;
    }
    if (pending_ != 0) {
        clearPending();
        update();
        inform(limitsMessage(rules.TableMin, rules.TableMax));
        return;
    }
    available_ = s.Credits;
    s.LastBet = 0;
    // Sitting out: no stake on the table, whatever an earlier deal left behind.
    s.Bet = 0;
    inform(SitOutMessage);
    done(Accepted);
}

void TWagerFrm::acceptInsurance() {
    Seat& s = seat();
    const HouseRules& rules = game_.HouseRules;
    if (pending_ == 0) {
        s.InsuranceBet = 0;
        available_ = s.Credits;
        done(Accepted);
        return;
    }
    const double halfBet = s.Bet / 2;
    if ((!rules.InsuranceAnyAmount && pending_ > halfBet) || pending_ > rules.TableMax) {
        clearPending();
        s.InsuranceBet = 0;
        update();
        inform(insuranceMessage(rules.InsuranceAnyAmount ? rules.TableMax : halfBet));
        return;
    }
    s.InsuranceBet = pending_;
    s.Credits -= pending_;
    done(Accepted);
}

void TWagerFrm::inform(const QString& text) {
    ShowInformation(this, text);
    // Focus comes back to the window: it opens afresh.
    FormActivate();
}

void TWagerFrm::loadChipPictures() {
    for (std::size_t i = 0; i < std::size(Chips); ++i) {
        SetButtonPicture(this->*Chips[i].button, game_.Settings.ProgramDir, ChipPictures[i],
                         QString::fromLatin1(Chips[i].caption));
    }
}

void TWagerFrm::showEvent(QShowEvent* event) {
    OverlayDialog::showEvent(event);
    FormActivate();
}

void TWagerFrm::paintEvent(QPaintEvent* event) {
    OverlayDialog::paintEvent(event);
    QPainter painter(this);
    DrawBevel(painter, DisplayArea.left(), DisplayArea.top(), DisplayArea.right() + 1,
              DisplayArea.bottom() + 1, BevelSunkenWide);
    DrawDigits(painter, sheets_.Digits, FixedAmount(pending_, DisplayWidth), DisplayAnchor,
               DisplayArea.top(), false, DisplayDigitRow);
}

} // namespace dealmoor
