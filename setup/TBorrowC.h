#pragma once
// The borrowing window: a human seat borrows credits from the house, or pays
// borrowed credits back, by clicking amount buttons. Credits and debt move
// together, so the seat's own result (credits less debt) never changes here.

#include <QDialog>

#include <functional>

class QPushButton;
class QRadioButton;

namespace dealmoor {

struct Game;
struct Seat;
struct SpriteSheets;

// Help topic of the borrowing window.
inline constexpr int HelpBorrowing = 41003;

class TBorrowC : public QDialog {
    Q_OBJECT
public:
    TBorrowC(Game& game, const SpriteSheets& sheets, QWidget* parent = nullptr);

    // Shows the window for CurrentSeat; every click changes the seat at once.
    int runModal();

    // Opens a help topic (F1); the table window passes it on through the bet window.
    std::function<void(int)> helpRequested;

    QPushButton* BitBtn1;       // 1000
    QPushButton* BitBtn2;       // 100
    QPushButton* BitBtn3;       // 10
    QPushButton* BitBtn4;       // 1
    QPushButton* BitBtn5;       // 0.10
    QPushButton* BitBtn6;       // 0.01
    QRadioButton* RadioButton1; // "Borrow Credits"
    QRadioButton* RadioButton2; // "Pay Back Credits"
    QPushButton* OKBtn;         // "&OK"
    QPushButton* BitBtn7;       // "&Help"

    // An amount button, told apart by its tag (0 for 1000 .. 5 for 0.01).
    void AmountClick(int tag);
    void BitBtn7Click(); // "&Help"

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Seat& seat();
    void borrow(double amount);
    void payBack(double amount);
    void loadPictures();

    Game& game_;
    const SpriteSheets& sheets_;
};

} // namespace dealmoor
