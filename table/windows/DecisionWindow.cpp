#include "table/windows/DecisionWindow.h"

#include "engine/Game.h"
#include "setup/TableSettings.h"
#include "strategy/HintAdvice.h"
#include "table/Painting.h"
#include "table/SpriteSheets.h"
#include "table/TableCanvas.h"

#include <QPainter>
#include <QPushButton>

namespace dealmoor {

namespace {

// The window inside the seat view; it ends 3 pixels above the view's bottom.
constexpr QRect DecisionPlace(1, 218, 249, 189);

// Three rows of two buttons under the cards.
constexpr QSize ButtonSize(116, 36);
constexpr int FirstRowTop = 68;
constexpr int RowStep = 40;
constexpr int LeftColumn = 5;
constexpr int RightColumn = 130;

// The hint stays up as long as the pointer rests on the window, not the
// desktop's few seconds: it is read, not glanced at.
constexpr int HintShownMs = 60 * 60 * 1000;

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

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

DecisionWindow::DecisionWindow(const Game& game, const SpriteSheets& sheets,
                               const TableSettings& settings, QWidget* parent)
    : OverlayDialog(parent), game_(game), sheets_(sheets), settings_(settings) {
    setObjectName(QStringLiteral("Hitstand"));
    QPalette felt = palette();
    felt.setColor(QPalette::Window, FeltGreen);
    setPalette(felt);
    resize(DecisionPlace.size());

    hit_ = makeButton(this, "BitBtn1", "&Hit");
    stand_ = makeButton(this, "BitBtn2", "&Stand");
    double_ = makeButton(this, "BitBtn3", "&Double Down");
    split_ = makeButton(this, "BitBtn4", "S&plit Pair");
    surrender_ = makeButton(this, "BitBtn5", "Su&rrender");
    help_ = makeButton(this, "BitBtn6", "&Help");
    connect(hit_, &QPushButton::clicked, this, [this] { choose(Decision::Hit); });
    connect(stand_, &QPushButton::clicked, this, [this] { choose(Decision::Stand); });
    connect(double_, &QPushButton::clicked, this, [this] { choose(Decision::Double); });
    connect(split_, &QPushButton::clicked, this, [this] { choose(Decision::Split); });
    connect(surrender_, &QPushButton::clicked, this, [this] { choose(Decision::Surrender); });
    // Asking for help decides nothing: the window stays open.
    connect(help_, &QPushButton::clicked, this, [this] { requestHelp(HelpDecision); });
    stand_->setDefault(true);
    SetHelpGlyph(help_, settings_.ProgramDir);
    // Alt+H is shared by Hit and Help, so the plain keys are the way to choose.
    setButtonKeys({{Qt::Key_H, hit_},
                   {Qt::Key_S, stand_},
                   {Qt::Key_D, double_},
                   {Qt::Key_P, split_},
                   {Qt::Key_R, surrender_}});
    SetTabOrder({hit_, stand_, double_, split_, surrender_, help_});
    setToolTipDuration(HintShownMs);
    for (QPushButton* button : {hit_, stand_, double_, split_, surrender_, help_})
        button->setToolTipDuration(HintShownMs);
    SetHelpContext(this, HelpDecision);
    layOut();
    hide();
}

void DecisionWindow::placeOver(const Area& seatArea, double zoom) {
    placement_ = OverSeatView(seatArea, DecisionPlace, zoom);
    const bool rescaled = zoom != zoom_;
    zoom_ = zoom;
    layOut();
    if (rescaled)
        SetHelpGlyph(help_, settings_.ProgramDir, zoom_);
}

void DecisionWindow::prepare(int hand, const DecisionOffer& offered) {
    hand_ = hand;
    offered_ = offered;
    answer_ = Decision::Stand;
}

Decision DecisionWindow::ask(int hand, const DecisionOffer& offered) {
    prepare(hand, offered);
    RunOverlayModal(this);
    return answer_;
}

void DecisionWindow::layOut() {
    if (placement_.isValid())
        setGeometry(placement_);
    resize(Zoomed(QRect(QPoint(0, 0), DecisionPlace.size()), zoom_).size());
    QPushButton* const grid[3][2] = {{hit_, stand_}, {double_, split_}, {surrender_, help_}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QPoint place(column == 0 ? LeftColumn : RightColumn, FirstRowTop + RowStep * row);
            grid[row][column]->setGeometry(Zoomed(QRect(place, ButtonSize), zoom_));
        }
    }
}

void DecisionWindow::openAfresh() {
    layOut();
    hit_->setEnabled(true);
    stand_->setEnabled(true);
    double_->setEnabled(offered_.Double);
    split_->setEnabled(offered_.Split);
    surrender_->setEnabled(offered_.Surrender);
    help_->setEnabled(true);

    const QString hint =
        settings_.Hints ? QString::fromStdString(BuildHint(game_, hand_, offered_)) : QString();
    setToolTip(hint);
    for (QPushButton* button : {hit_, stand_, double_, split_, surrender_, help_})
        button->setToolTip(hint);
    emit adviceChanged(hint.isEmpty() ? QString()
                                      : QString::fromStdString(HandTotalText(game_.Hands[hand_])),
                       hint);

    update();
    stand_->setFocus(Qt::OtherFocusReason);
}

void DecisionWindow::choose(Decision decision) {
    answer_ = decision;
    done(Accepted);
}

void DecisionWindow::showEvent(QShowEvent* event) {
    OverlayDialog::showEvent(event);
    openAfresh();
}

void DecisionWindow::hideEvent(QHideEvent* event) {
    OverlayDialog::hideEvent(event);
    emit adviceChanged(QString(), QString());
}

void DecisionWindow::paintEvent(QPaintEvent* event) {
    OverlayDialog::paintEvent(event);
    QPainter painter(this);
    painter.scale(zoom_, zoom_); // the cards are laid out in table pixels
    const Hand& hand = game_.Hands[hand_];
    const int count = std::min(hand.CardCount, MaxHandCards);
    for (int k = 0; k < count; ++k) {
        if (!IsRealCard(hand.CardIds[k], hand.Ranks[k]))
            continue;
        DrawSheet(painter, QRect(cardLeft(k), CardTop, CardCellWidth, CardCellHeight),
                  sheets_.Cards, CardCell(hand.CardIds[k], hand.Ranks[k]));
    }
}

} // namespace dealmoor
