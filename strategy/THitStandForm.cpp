#include "strategy/THitStandForm.h"

#include "engine/Game.h"
#include "strategy/ComputerPlayer.h"
#include "strategy/HintAdvice.h"
#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"

#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace dealmoor {

namespace {

constexpr int DecisionWidth = 249;
constexpr int DecisionHeight = 189;
// Left and top of the window inside the seat view; it ends 3 pixels above the view's bottom.
constexpr int DecisionLeftInSeat = 1;
constexpr int DecisionTopInSeat = 218;

// Three rows of two buttons under the cards.
constexpr QSize ButtonSize(116, 36);
constexpr int FirstRowTop = 68;
constexpr int RowStep = 40;
constexpr int LeftColumn = 5;
constexpr int RightColumn = 130;

struct Choice {
    QPushButton* THitStandForm::*button;
    const char* name;
    const char* caption;
    int row;
    int left;
    void (THitStandForm::*click)();
};

const Choice Choices[] = {
    {&THitStandForm::BitBtn1, "BitBtn1", "&Hit", 0, LeftColumn, &THitStandForm::BitBtn1Click},
    {&THitStandForm::BitBtn2, "BitBtn2", "&Stand", 0, RightColumn, &THitStandForm::BitBtn2Click},
    {&THitStandForm::BitBtn3, "BitBtn3", "&Double Down", 1, LeftColumn,
     &THitStandForm::BitBtn3Click},
    {&THitStandForm::BitBtn4, "BitBtn4", "S&plit Pair", 1, RightColumn,
     &THitStandForm::BitBtn4Click},
    {&THitStandForm::BitBtn5, "BitBtn5", "Su&rrender", 2, LeftColumn, &THitStandForm::BitBtn5Click},
    {&THitStandForm::BitBtn6, "BitBtn6", "&Help", 2, RightColumn, &THitStandForm::BitBtn6Click},
};

// The hand's cards across the top, face up: five side by side, then
// overlapping by the table's card step from the sixth card on.
constexpr int CardTop = 8;
constexpr int SpreadLeft = 2;
constexpr int SpreadStep = 43;
constexpr int SpreadCards = 5;
constexpr int OverlapLeft = 174;

int cardLeft(int k) {
    return k < SpreadCards ? SpreadLeft + SpreadStep * k
                           : OverlapLeft + CardStep * (k - (SpreadCards - 1));
}

} // namespace

THitStandForm::THitStandForm(Game& game, const SpriteSheets& sheets, QWidget* parent)
    : OverlayDialog(parent), game_(game), sheets_(sheets) {
    setObjectName(QStringLiteral("Hitstand"));
    QPalette felt = palette();
    felt.setColor(QPalette::Window, FeltGreen);
    setPalette(felt);
    resize(DecisionWidth, DecisionHeight);

    for (const Choice& choice : Choices) {
        auto* button = new QPushButton(QString::fromLatin1(choice.caption), this);
        button->setObjectName(QString::fromLatin1(choice.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, choice.click);
        this->*choice.button = button;
    }
    BitBtn2->setDefault(true);
    BitBtn6->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    SetHelpContext(this, HelpDecision);
    layOut();
    hide();
}

void THitStandForm::placeOver(const Area& seatArea) {
    placement_ = QRect(seatArea.left + DecisionLeftInSeat, seatArea.top + DecisionTopInSeat,
                       DecisionWidth, DecisionHeight);
}

int THitStandForm::runModal() {
    return RunOverlayModal(this);
}

void THitStandForm::layOut() {
    if (placement_.isValid())
        setGeometry(placement_);
    resize(DecisionWidth, DecisionHeight);
    for (const Choice& choice : Choices) {
        (this->*choice.button)
            ->setGeometry(
                QRect(QPoint(choice.left, FirstRowTop + RowStep * choice.row), ButtonSize));
    }
}

void THitStandForm::FormActivate() {
    layOut();
    const bool doubleEnabled = DoubleEnabled(game_);
    const bool splitEnabled = SplitEnabled(game_);
    BitBtn1->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(doubleEnabled);
    BitBtn4->setEnabled(splitEnabled);
    BitBtn5->setEnabled(SurrenderEnabled(game_));
    BitBtn6->setEnabled(true);

    const QString hint = game_.Settings.Hints
                             ? QString::fromStdString(BuildHint(game_, CurrentHandSlot(game_),
                                                                doubleEnabled, splitEnabled))
                             : QString();
    setToolTip(hint);
    for (const Choice& choice : Choices)
        (this->*choice.button)->setToolTip(hint);

    update();
    BitBtn2->setFocus(Qt::OtherFocusReason);
}

void THitStandForm::BitBtn1Click() {
    ChooseHit(game_);
    done(Accepted);
}

void THitStandForm::BitBtn2Click() {
    ChooseStand(game_, CurrentHandSlot(game_));
    done(Accepted);
}

void THitStandForm::BitBtn3Click() {
    ChooseDouble(game_, CurrentHandSlot(game_));
    done(Accepted);
}

void THitStandForm::BitBtn4Click() {
    SplitHand(game_);
    done(Accepted);
}

void THitStandForm::BitBtn5Click() {
    // The deal returns half the stake and empties the hand.
    game_.Decision = DecisionSurrender;
    game_.Hands[game_.CurrentSeat].Finished = true;
    done(Accepted);
}

void THitStandForm::BitBtn6Click() {
    // Asking for help decides nothing; the last button pressed does.
    game_.Decision = DecisionStand;
    requestHelp(HelpDecision);
}

void THitStandForm::showEvent(QShowEvent* event) {
    OverlayDialog::showEvent(event);
    FormActivate();
}

void THitStandForm::paintEvent(QPaintEvent* event) {
    OverlayDialog::paintEvent(event);
    QPainter painter(this);
    const Hand& hand = game_.Hands[CurrentHandSlot(game_)];
    const int count = std::min(hand.CardCount, MaxHandCards);
    for (int k = 0; k < count; ++k) {
        if (!IsRealCard(hand.CardIds[k], hand.Ranks[k]))
            continue;
        painter.drawImage(QRect(cardLeft(k), CardTop, CardCellWidth, CardCellHeight), sheets_.Cards,
                          CardCell(hand.CardIds[k], hand.Ranks[k]));
    }
}

} // namespace dealmoor
