#pragma once
// The decision window: where the user decides the next step of a human seat's
// hand. It sits over the seat view, shows the hand's cards face up, offers the
// choices the rules allow, carries the strategy advice as its tooltip while
// hints are on, and writes the answer into the game before it closes.

#include "table/ModalOverlay.h"
#include "table/TableCanvas.h"

#include <QRect>

class QPushButton;

namespace dealmoor {

struct Game;
struct SpriteSheets;

// Help topic of the decision window.
inline constexpr int HelpDecision = 41009;

class THitStandForm : public OverlayDialog {
    Q_OBJECT
public:
    THitStandForm(Game& game, const SpriteSheets& sheets, QWidget* parent = nullptr);

    // Lays the window over the seat view, 3 pixels short of its bottom.
    void placeOver(const Area& seatArea);
    // Shows the window for the hand being decided and waits for the answer.
    int runModal();

    // The opening steps: placed, the choices enabled by the rules, the hint
    // built, Stand focused.
    void FormActivate();

    QPushButton* BitBtn1; // "&Hit"
    QPushButton* BitBtn2; // "&Stand"
    QPushButton* BitBtn3; // "&Double Down"
    QPushButton* BitBtn4; // "S&plit Pair"
    QPushButton* BitBtn5; // "Su&rrender"
    QPushButton* BitBtn6; // "&Help"

    void BitBtn1Click(); // Hit
    void BitBtn2Click(); // Stand
    void BitBtn3Click(); // Double Down
    void BitBtn4Click(); // Split Pair
    void BitBtn5Click(); // Surrender
    void BitBtn6Click(); // Help: the window stays open

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layOut();

    Game& game_;
    const SpriteSheets& sheets_;
    QRect placement_;
};

} // namespace dealmoor
