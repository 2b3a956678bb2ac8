#pragma once
// The borrowing window ("Borrow"): a human seat borrows credits from the house,
// or pays borrowed credits back, by clicking amount buttons. Credits and debt
// move together through the engine's borrowing rules, so the seat's own result
// (credits less debt) never changes here. The digits 1 to 6 press the amount
// buttons from the left; B and P choose the mode.

#include "table/Keyboard.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QRadioButton;

namespace dealmoor {

struct Game;
struct Seat;
struct SpriteSheets;

// Help topic of the borrowing window.
inline constexpr int HelpBorrowing = 41003;

class BorrowWindow : public QDialog {
    Q_OBJECT
public:
    // For one seat; every click changes the seat at once.
    BorrowWindow(Game& game, const SpriteSheets& sheets, std::string programDir, int seat,
                 QWidget* parent = nullptr);

    // Opens a help topic (F1); the table window passes it on through the bet window.
    std::function<void(int)> helpRequested;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // An amount button, told apart by its tag (0 for 1000 .. 5 for 0.01).
    void onAmountClicked(int tag);
    void onHelpClicked(); // "&Help"
    void payBack(double amount);
    void loadPictures();
    const Seat& seat() const;

    Game& game_;
    const SpriteSheets& sheets_;
    std::string programDir_;
    int seat_;
    QPushButton* amounts_[6] = {}; // BitBtn1..BitBtn6: 1000, 100, 10, 1, 0.10, 0.01
    QRadioButton* borrowMode_;     // RadioButton1: "Borrow Credits"
    std::vector<ButtonKey> keys_;
};

} // namespace dealmoor
