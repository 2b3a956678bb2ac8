#include "setup/TBorrowC.h"

#include "engine/Game.h"
#include "table/ModalOverlay.h"
#include "table/Painting.h"
#include "table/SpriteSheets.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <cmath>

namespace dealmoor {

namespace {

constexpr int BorrowWidth = 582;
constexpr int BorrowHeight = 300;

struct Amount {
    QPushButton* TBorrowC::*button;
    const char* name;
    double value;
    const char* caption; // shown only when the picture is missing
};

// In tag order.
const Amount Amounts[] = {
    {&TBorrowC::BitBtn1, "BitBtn1", 1000.0, "1000"}, {&TBorrowC::BitBtn2, "BitBtn2", 100.0, "100"},
    {&TBorrowC::BitBtn3, "BitBtn3", 10.0, "10"},     {&TBorrowC::BitBtn4, "BitBtn4", 1.0, "1"},
    {&TBorrowC::BitBtn5, "BitBtn5", 0.10, "0.10"},   {&TBorrowC::BitBtn6, "BitBtn6", 0.01, "0.01"},
};
constexpr int AmountCount = static_cast<int>(std::size(Amounts));

// A row of six amount buttons under the two figures.
constexpr int AmountTop = 84;
constexpr int AmountLeft = 12;
constexpr int AmountStep = 94;
constexpr QSize AmountSize(86, 52);

// The two figures: labels at top 20, digits at top 40.
constexpr int LabelTop = 20;
constexpr int LabelMargin = 20;
constexpr int FigureTop = 40;
constexpr int CreditsRow = 2;  // green
constexpr int BorrowedRow = 4; // red
constexpr int CreditsAnchorFromRight = 30;
constexpr int BorrowedAnchor = 20;
constexpr int FigureWidth = 10; // characters, padded with spaces
constexpr int MessageWidth = 7;
constexpr int LabelPointSize = 10;

const QString CreditsLabel = QStringLiteral("Credits:");
const QString BorrowedLabel = QStringLiteral("Borrowed:");

QString notEnoughCreditsMessage(double amount) {
    return QStringLiteral("You do not have ") + FixedAmount(amount, MessageWidth) +
           QStringLiteral(" credits!");
}

const QString BeyondDebtMessage =
    QStringLiteral("You cannot pay back more credits than you have borrowed!");

const QString HelpMessage =
    QStringLiteral("Use this screen to borrow credits or pay back credits that you borrowed "
                   "previously.  ") +
    QStringLiteral("Click on the button representing the amount to borrow (or pay back).") +
    QStringLiteral("\n\n") +
    QStringLiteral("To switch between \"borrow\" and \"pay back\" select the mode.");

// Money kept in whole cents: a cent borrowed a hundred times is exactly a credit,
// and paying back the whole debt leaves exactly nothing.
double roundToCents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

long long cents(double amount) {
    return std::llround(amount * 100.0);
}

QFont labelFont() {
    QFont font(QApplication::font().family());
    font.setPointSize(LabelPointSize);
    return font;
}

} // namespace

TBorrowC::TBorrowC(Game& game, const SpriteSheets& sheets, QWidget* parent)
    : QDialog(parent), game_(game), sheets_(sheets) {
    setObjectName(QStringLiteral("Borrow"));
    setWindowTitle(QStringLiteral("Use this form to borrow or pay back credits"));
    setFixedSize(BorrowWidth, BorrowHeight);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    for (int tag = 0; tag < AmountCount; ++tag) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(Amounts[tag].name));
        button->setProperty("tag", tag);
        button->setAutoDefault(false);
        button->setGeometry(QRect(QPoint(AmountLeft + AmountStep * tag, AmountTop), AmountSize));
        connect(button, &QPushButton::clicked, this, [this, tag] { AmountClick(tag); });
        this->*Amounts[tag].button = button;
    }

    auto* mode = new QLabel(QStringLiteral("Mode:"), this);
    mode->setGeometry(20, 164, 50, 24);
    RadioButton1 = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setGeometry(76, 164, 200, 24);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setGeometry(76, 192, 200, 24);

    OKBtn = new QPushButton(QStringLiteral("&OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(376, 250, 92, 33);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    BitBtn7 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton),
                              QStringLiteral("&Help"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setAutoDefault(false);
    BitBtn7->setGeometry(476, 250, 92, 33);
    connect(BitBtn7, &QPushButton::clicked, this, &TBorrowC::BitBtn7Click);

    SetHelpContext(this, HelpBorrowing);
    loadPictures();
}

int TBorrowC::runModal() {
    return exec();
}

Seat& TBorrowC::seat() {
    return game_.Seats[game_.CurrentSeat];
}

void TBorrowC::AmountClick(int tag) {
    if (tag < 0 || tag >= AmountCount)
        return;
    if (RadioButton1->isChecked())
        borrow(Amounts[tag].value);
    else
        payBack(Amounts[tag].value);
}

void TBorrowC::borrow(double amount) {
    Seat& s = seat();
    s.Credits = roundToCents(s.Credits + amount);
    s.Borrowed = roundToCents(s.Borrowed + amount);
    update();
}

void TBorrowC::payBack(double amount) {
    Seat& s = seat();
    if (cents(s.Credits) < cents(amount)) {
        ShowInformation(this, notEnoughCreditsMessage(amount));
        return;
    }
    if (cents(s.Borrowed) < cents(amount)) {
        ShowInformation(this, BeyondDebtMessage);
        return;
    }
    s.Credits = roundToCents(s.Credits - amount);
    s.Borrowed = roundToCents(s.Borrowed - amount);
    update();
}

void TBorrowC::BitBtn7Click() {
    ShowInformation(this, HelpMessage);
}

void TBorrowC::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const int clientWidth = width();
    painter.setFont(labelFont());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(painter.font());
    const int creditsLeft = clientWidth - metrics.horizontalAdvance(CreditsLabel) - LabelMargin;
    painter.drawText(QPoint(creditsLeft, LabelTop + metrics.ascent()), CreditsLabel);
    painter.drawText(QPoint(LabelMargin, LabelTop + metrics.ascent()), BorrowedLabel);

    const Seat& s = seat();
    DrawDigits(painter, sheets_.Digits, FixedAmount(s.Credits, FigureWidth),
               clientWidth - CreditsAnchorFromRight, FigureTop, false, CreditsRow);
    DrawDigits(painter, sheets_.Digits, FixedAmount(s.Borrowed, FigureWidth), BorrowedAnchor,
               FigureTop, true, BorrowedRow);
}

void TBorrowC::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    QDialog::keyPressEvent(event);
}

void TBorrowC::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TBorrowC::loadPictures() {
    for (int tag = 0; tag < AmountCount; ++tag) {
        SetButtonPicture(this->*Amounts[tag].button, game_.Settings.ProgramDir, BorrowPictures[tag],
                         QString::fromLatin1(Amounts[tag].caption));
    }
}

} // namespace dealmoor
