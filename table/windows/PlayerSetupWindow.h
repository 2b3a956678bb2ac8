#pragma once
// The player set-up window ("PlayForm") of a new game: a browser of the nine
// characters, the number of players, and one row per seat with its character,
// who plays it, its name and, for a computer seat, its strategy card. The rows
// are read from the seats when the window opens; OK commits them and gives every
// seat fresh money, the close box keeps the seats as they were. Either way each
// seat's strategy file then records the card it plays with: the one picked for
// it during the visit, or its character's default card. "&Edit Rules" leads to
// the house rules window.

#include "setup/PlayerSetup.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace dealmoor {

struct Game;
struct StrategyCard;
struct TableSettings;

// Help topic of the set-up window and every control in it.
inline constexpr int HelpPlayerSetup = 41012;

// The file dialogs of the "Strategy" buttons: the desktop's in the game, the
// test's own in tests. Each returns the chosen file's path, "" when cancelled.
struct CardFileDialogs {
    // A card file to open, starting in `dir` with `proposed` ("" for none) named.
    std::function<std::string(const std::string& dir, const std::string& proposed)> open;
    // Where to save the edited card, proposing `proposedPath`.
    std::function<std::string(const std::string& proposedPath)> save;
};

// The desktop's file dialogs, over `parent`, offering strategy card files.
CardFileDialogs DesktopCardFileDialogs(QWidget* parent);

class PlayerSetupWindow : public QDialog {
    Q_OBJECT
public:
    // `heads`: the nine large portraits stacked 178 pixels apart.
    PlayerSetupWindow(Game& game, TableSettings& settings, const QImage& heads,
                      QWidget* parent = nullptr);

    // Opens a help topic (F1); the table window sets it and passes it on to the
    // house rules window.
    std::function<void(int)> helpRequested;
    // Shows a card for editing in the edit slot; true when the user chose to
    // save it. Without one the card is taken as it is, as after Cancel.
    std::function<bool(StrategyCard& card)> editCard;
    // The dialogs of the "Strategy" buttons; the desktop's unless replaced.
    CardFileDialogs dialogs;

    // The rows as they stand, not yet committed.
    const PlayerSetup& rows() const { return setup_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // OK commits the rows; every way of closing applies the strategy file rule.
    void done(int result) override;

private:
    struct SeatRowControls {
        QWidget* panel = nullptr;         // Panel4..Panel9
        QPushButton* character = nullptr; // Button2, 4, .., 12
        QPushButton* control = nullptr;   // Button3, 5, .., 13
        QLineEdit* name = nullptr;        // Edit1..Edit6
        QPushButton* strategy = nullptr;  // Button14..Button19
    };

    void createControls();
    QWidget* createBrowser();
    QWidget* createSeatRow(int seat);
    void showRow(int seat);
    void showCharacter(int number); // ScrollBar1 moved
    void showSeatCount(int count);  // ScrollBar2 moved

    void onCharacterClicked(int seat);
    void onControlClicked(int seat);
    void onStrategyClicked(int seat); // tag = seat
    void onEditRulesClicked();        // Button1
    void editPickedCard(int seat, const std::string& picked);

    Game& game_;
    TableSettings& settings_;
    QImage heads_;
    PlayerSetup setup_;
    CardPicks picks_;
    bool closed_ = false; // committed and closed once

    QLabel* characterTitle_ = nullptr;  // Label1
    QLabel* portrait_ = nullptr;        // Image1
    QScrollBar* characters_ = nullptr;  // ScrollBar1
    QPlainTextEdit* about_ = nullptr;   // Memo1
    QLabel* seatCount_ = nullptr;       // Label3
    QScrollBar* seatCounter_ = nullptr; // ScrollBar2
    std::array<SeatRowControls, MaxSeats + 1> rows_{};
};

} // namespace dealmoor
