#include "table/windows/BorrowWindow.h"

#include "engine/Betting.h"
#include "engine/Game.h"
#include "table/Keyboard.h"
#include "table/ModalOverlay.h"
#include "table/MoneyText.h"
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

#include <utility>

namespace dealmoor {

namespace {

constexpr int BorrowWidth = 582;
constexpr int BorrowHeight = 300;

struct Amount {
    const char* name;
    double value;
    const char* caption; // shown only when the picture is missing
    Qt::Key key;         // the digit that presses it, counted from the left
};

// In tag order.
const Amount Amounts[] = {
    {"BitBtn1", 1000.0, "1000", Qt::Key_1}, {"BitBtn2", 100.0, "100", Qt::Key_2},
    {"BitBtn3", 10.0, "10", Qt::Key_3},     {"BitBtn4", 1.0, "1", Qt::Key_4},
    {"BitBtn5", 0.10, "0.10", Qt::Key_5},   {"BitBtn6", 0.01, "0.01", Qt::Key_6},
};

QString amountTip(const Amount& amount) {
    return QStringLiteral("Borrow or pay back %1 (key %2)")
        .arg(QString::fromLatin1(amount.caption), KeyName(amount.key));
}

// The two modes by their first letters; their captions have no mnemonics.
constexpr Qt::Key BorrowModeKey = Qt::Key_B;
constexpr Qt::Key PayBackModeKey = Qt::Key_P;

QString modeTip(Qt::Key key) {
    return QStringLiteral("Key %1").arg(KeyName(key));
}
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

QFont labelFont() {
    QFont font(QApplication::font().family());
    font.setPointSize(LabelPointSize);
    return font;
}

} // namespace

BorrowWindow::BorrowWindow(Game& game, const SpriteSheets& sheets, std::string programDir, int seat,
                           QWidget* parent)
    : QDialog(parent), game_(game), sheets_(sheets), programDir_(std::move(programDir)),
      seat_(seat) {
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
        button->setToolTip(amountTip(Amounts[tag]));
        connect(button, &QPushButton::clicked, this, [this, tag] { onAmountClicked(tag); });
        amounts_[tag] = button;
        keys_.push_back({Amounts[tag].key, button});
    }

    auto* mode = new QLabel(QStringLiteral("Mode:"), this);
    mode->setGeometry(20, 164, 50, 24);
    borrowMode_ = new QRadioButton(QStringLiteral("Borrow Credits"), this);
    borrowMode_->setObjectName(QStringLiteral("RadioButton1"));
    borrowMode_->setGeometry(76, 164, 200, 24);
    borrowMode_->setChecked(true);
    auto* payBackMode = new QRadioButton(QStringLiteral("Pay Back Credits"), this);
    payBackMode->setObjectName(QStringLiteral("RadioButton2"));
    payBackMode->setGeometry(76, 192, 200, 24);
    borrowMode_->setToolTip(modeTip(BorrowModeKey));
    payBackMode->setToolTip(modeTip(PayBackModeKey));
    keys_.push_back({BorrowModeKey, borrowMode_});
    keys_.push_back({PayBackModeKey, payBackMode});

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setGeometry(376, 250, 92, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    SetHelpGlyph(help, programDir_);
    help->setObjectName(QStringLiteral("BitBtn7"));
    help->setAutoDefault(false);
    help->setGeometry(476, 250, 92, 33);
    connect(help, &QPushButton::clicked, this, &BorrowWindow::onHelpClicked);
    SetTabOrder({amounts_[0], amounts_[1], amounts_[2], amounts_[3], amounts_[4], amounts_[5],
                 borrowMode_, payBackMode, ok, help});

    SetHelpContext(this, HelpBorrowing);
    loadPictures();
}

const Seat& BorrowWindow::seat() const {
    return game_.Seats[seat_];
}

void BorrowWindow::onAmountClicked(int tag) {
    if (tag < 0 || tag >= AmountCount)
        return;
    if (borrowMode_->isChecked()) {
        Borrow(game_, seat_, Amounts[tag].value);
        update();
    } else {
        payBack(Amounts[tag].value);
    }
}

void BorrowWindow::payBack(double amount) {
    switch (PayBack(game_, seat_, amount)) {
    case PayBackVerdict::Paid:
        update();
        return;
    case PayBackVerdict::NotEnoughCredits:
        ShowInformation(this, notEnoughCreditsMessage(amount));
        return;
    case PayBackVerdict::BeyondDebt:
        ShowInformation(this, BeyondDebtMessage);
        return;
    }
}

void BorrowWindow::onHelpClicked() {
    ShowInformation(this, HelpMessage);
}

void BorrowWindow::paintEvent(QPaintEvent* event) {
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

void BorrowWindow::keyPressEvent(QKeyEvent* event) {
    if (RequestHelpOnF1(this, event, helpRequested))
        return;
    if (PressButtonForKey(keys_, event))
        return;
    QDialog::keyPressEvent(event);
}

void BorrowWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void BorrowWindow::loadPictures() {
    for (int tag = 0; tag < AmountCount; ++tag) {
        SetButtonPicture(amounts_[tag], programDir_, BorrowPictures[tag],
                         QString::fromLatin1(Amounts[tag].caption));
    }
}

} // namespace dealmoor
