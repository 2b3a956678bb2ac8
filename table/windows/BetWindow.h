#pragma once
// The bet window ("Wagecode"): where a human seat puts up its bet before the
// deal, or its insurance when the dealer shows an ace. Chips build the pending
// amount; OK asks the engine's betting rules whether it can stand and shows
// their message when it cannot. The window answers with the amount; the engine
// places it. It sits over the seat view as a child of the table's drawing widget.

#include "engine/Betting.h"
#include "table/ModalOverlay.h"
#include "table/TableCanvas.h"

#include <QRect>

#include <string>

class QPushButton;

namespace dealmoor {

struct Game;
struct SpriteSheets;

// Help topics of the bet window.
inline constexpr int HelpPlacingBet = 41002;
inline constexpr int HelpInsurance = 41010;

class BetWindow : public OverlayDialog {
    Q_OBJECT
public:
    // The game is handed on to the borrowing window, which lends through the
    // engine; the bet window itself only reads it.
    BetWindow(Game& game, const SpriteSheets& sheets, std::string programDir,
              QWidget* parent = nullptr);

    // Lays the window over the seat view, 3 pixels short of its bottom, on a
    // table shown `zoom` times as large as its table pixels (the window grows with it).
    void placeOver(const Area& seatArea, double zoom = 1);
    // Sets the seat and the use for the next showing (also done by ask()).
    void prepare(int seat, BetKind kind);
    // Shows the window and waits until OK has closed it; the amount put up, 0 for none.
    double ask(int seat, BetKind kind);
    // The amount OK accepted at the last closing.
    double answer() const { return answer_; }

    double pending() const { return pending_; }
    double available() const { return available_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The opening steps: placed, topic set, the pending amount offered afresh
    // (the seat's last bet while its credits cover it), OK focused.
    void openAfresh();
    void onChipClicked(double value);
    void onClearBetClicked(); // "&Clear Bet"
    void onBorrowClicked();   // "&Borrow"
    void onOkClicked();
    void acceptStake();
    void acceptInsurance();
    // Pending back to nothing, every credit available again.
    void clearPending();
    // A message box; when it closes the window opens afresh.
    void inform(const QString& text);
    void layOut();
    void loadPictures();
    double credits() const;

    Game& game_;
    const SpriteSheets& sheets_;
    std::string programDir_;
    QRect placement_;
    double zoom_ = 1;
    int seat_ = 1;
    BetKind kind_ = BetKind::Stake;
    double pending_ = 0;
    double available_ = 0;
    double answer_ = 0;

    QPushButton* chips_[5] = {}; // BitBtn1..BitBtn5: 100, 25, 5, 1, 0.50
    QPushButton* clearBet_;      // Button1
    QPushButton* borrow_;        // Button2
    QPushButton* ok_;            // BitBtn6
    QPushButton* help_;          // BitBtn7
};

} // namespace dealmoor
