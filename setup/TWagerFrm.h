#pragma once
// The bet window: where a human seat puts up its bet before the deal, or its
// insurance when the dealer shows an ace. Chips build the pending amount; OK
// checks it against the table limits and moves it from the seat's credits onto
// the table. It sits over the seat view as a child of the table's drawing widget.

#include "table/ModalOverlay.h"
#include "table/TableCanvas.h"

#include <QRect>

class QPushButton;

namespace dealmoor {

struct Game;
struct Seat;
struct SpriteSheets;

// Help topics of the bet window.
inline constexpr int HelpPlacingBet = 41002;
inline constexpr int HelpInsurance = 41010;

class TWagerFrm : public OverlayDialog {
    Q_OBJECT
public:
    TWagerFrm(Game& game, const SpriteSheets& sheets, QWidget* parent = nullptr);

    // Lays the window over the seat view, 3 pixels short of its bottom.
    void placeOver(const Area& seatArea);
    // Shows the window for CurrentSeat and waits until OK has closed it.
    int runModal();

    // The opening steps: placed, topic set, the pending amount offered afresh
    // (the seat's last bet while its credits cover it), OK focused.
    void FormActivate();

    double pending() const { return pending_; }
    double available() const { return available_; }

    QPushButton* BitBtn1; // chip worth 100
    QPushButton* BitBtn2; // chip worth 25
    QPushButton* BitBtn3; // chip worth 5
    QPushButton* BitBtn4; // chip worth 1
    QPushButton* BitBtn5; // chip worth 0.50
    QPushButton* Button1; // "&Clear Bet"
    QPushButton* Button2; // "&Borrow"
    QPushButton* BitBtn6; // OK
    QPushButton* BitBtn7; // Help

    void ChipClick(double value);
    void Button1Click(); // "&Clear Bet"
    void Button2Click(); // "&Borrow"
    void BitBtn6Click(); // OK
    void BitBtn7Click(); // Help

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Seat& seat();
    // The window and its controls at their places.
    void layOut();
    void acceptBet();
    void acceptInsurance();
    // Pending back to nothing, every credit available again.
    void clearPending();
    // A message box; when it closes the window opens afresh.
    void inform(const QString& text);
    void loadChipPictures();

    Game& game_;
    const SpriteSheets& sheets_;
    QRect placement_;
    double pending_ = 0;
    double available_ = 0;
};

} // namespace dealmoor
