#pragma once
// The decision window ("Hitstand"): where the user decides the next step of a
// human seat's hand. It sits over the seat view, shows the hand's cards face
// up, offers the choices the engine offers, carries the strategy advice as its
// tooltip while hints are on (and hands it to the table's hint line), and
// answers with the button pressed; the engine applies the answer. H, S, D, P
// and R press Hit, Stand, Double Down, Split Pair and Surrender.

#include "engine/HandRules.h"
#include "table/ModalOverlay.h"
#include "table/TableCanvas.h"

#include <QRect>

class QPushButton;

namespace dealmoor {

struct Game;
struct SpriteSheets;
struct TableSettings;

// Help topic of the decision window.
inline constexpr int HelpDecision = 41009;

class DecisionWindow : public OverlayDialog {
    Q_OBJECT
public:
    DecisionWindow(const Game& game, const SpriteSheets& sheets, const TableSettings& settings,
                   QWidget* parent = nullptr);

    // Lays the window over the seat view, 3 pixels short of its bottom, on a
    // table shown `zoom` times as large as its table pixels (the window grows with it).
    void placeOver(const Area& seatArea, double zoom = 1);
    // Sets the hand and its choices for the next showing (also done by ask()).
    void prepare(int hand, const DecisionOffer& offered);
    // Shows the window for a hand slot of the current seat and waits for the answer.
    Decision ask(int hand, const DecisionOffer& offered);
    // The answer of the last button that closed the window.
    Decision answer() const { return answer_; }

signals:
    // While the window is open with hints on: the hand's total ("Your hand: 16")
    // and the hint. Both empty when it closes, or while hints are off.
    void adviceChanged(const QString& handTotal, const QString& hint);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The opening steps: placed, the offered choices enabled, the hint built,
    // Stand focused.
    void openAfresh();
    void choose(Decision decision);
    void layOut();

    const Game& game_;
    const SpriteSheets& sheets_;
    const TableSettings& settings_;
    QRect placement_;
    double zoom_ = 1;
    int hand_ = 1;
    DecisionOffer offered_;
    Decision answer_ = Decision::Stand;

    QPushButton* hit_;       // BitBtn1 "&Hit"
    QPushButton* stand_;     // BitBtn2 "&Stand"
    QPushButton* double_;    // BitBtn3 "&Double Down"
    QPushButton* split_;     // BitBtn4 "S&plit Pair"
    QPushButton* surrender_; // BitBtn5 "Su&rrender"
    QPushButton* help_;      // BitBtn6 "&Help"
};

} // namespace dealmoor
