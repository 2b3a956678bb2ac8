#pragma once
// The strategy card window ("StrCard"): a card shown as the chart players
// know, the dealer's up card across and the player's hand down, each cell
// labelled and coloured by its action. A click on a cell moves it to the next
// action; the title is edited in the field between the buttons. The window
// never touches a file: it edits the card it is given in place and tells its
// caller whether the user chose Save, and the caller offers to write the card.
//
// Every cell change goes into the card at once, so a cancelled window leaves
// its changes in the card (callers hand it a scratch copy, the game's edit
// slot). The title goes back into the card whenever the window closes, also
// after Cancel, cut to 40 characters; a title left as it was keeps its bytes.
//
// The grid: StringGrid1, a QTableWidget of 35 rows (the hands) by 10 columns
// (the up cards); cell (column i, row j) of the card is item(j - 1, i - 1), and
// the headings are the grid's fixed header rows, which stay in view when the
// grid scrolls. Also Edit1 (title), BitBtn1 "&Save", BitBtn2 "&Cancel",
// Image1 (the hidden corner picture) and Timer1 (20 ms, one-shot).
//
// Under the grid the card can be tested: "Test" plays the card as one seat
// under the house rules in play, side by side with the hints' strategy on the
// same shoes, on worker threads; the panel shows the progress, each
// strategy's result per unit of initial bet and the difference between them,
// each with its 95% interval. The button stops the test; closing the window or
// changing a cell stops it too. Cells where the card plays otherwise than the
// hints under those rules carry a mark in their corner.

#include "engine/HouseRules.h"
#include "strategy/Evaluation.h"
#include "strategy/StrategyCardEditing.h"
#include "table/FiguresJob.h"

#include <QColor>
#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace dealmoor {

struct StrategyCard;
class CardCorner;

// Help topic of the strategy card window.
inline constexpr int HelpStrategyCard = 41018;

// A cell's colour by its action, from a palette whose colours stay apart for
// the common colour-vision deficiencies, and the ink its label is written in.
struct CellColours {
    QColor fill;
    QColor ink;
};
CellColours ColoursOfAction(CardAction action);

class StrategyCardWindow : public QDialog {
    Q_OBJECT
public:
    // `rules`: the house rules in play, which the card is tested and marked under.
    explicit StrategyCardWindow(StrategyCard& card, const HouseRules& rules = HouseRules{},
                                QWidget* parent = nullptr);
    ~StrategyCardWindow() override;

    // Opens a window over `card`, waits until it closes and returns true when
    // it was closed with Save (false after Cancel, Escape or the close box).
    // `help` opens a help topic for F1. The table window's Strategy Cards
    // command and the player set-up window's Strategy buttons both edit a card
    // through this, with the live rules, e.g. as a std::function<bool(StrategyCard&)>.
    static bool EditCard(StrategyCard& card, const HouseRules& rules, QWidget* parent,
                         const std::function<void(int)>& help = {});

    // How long a test runs and on which shoes (2,000,000 deals by default).
    void setTestPlan(const SimulationPlan& plan) { testPlan_ = plan; }
    // Whether a card test is running now.
    bool testing() const { return testing_; }
    // Whether the work of a test, stopped or not, still has a thread.
    bool testThreadsLeft() const { return job_.running() || job_.stopping() > 0; }

    // The card's result less the hints' strategy's, per unit of initial bet,
    // as the panel puts it in words.
    static QString DifferenceInWords(const RatioEstimate& difference);

    // Opens a help topic (F1).
    std::function<void(int)> helpRequested;

    // The smallest width the window takes; narrower sizes snap back to it.
    static constexpr int MinimumWidth = 620;

public slots:
    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createGrid();
    void createButtons();
    void createTestPanel();
    void showCard();
    void showCell(int column, int row);
    // The corner marks of the cells where the card parts from the hints.
    void showMarks();
    void onCellChosen(int gridRow, int gridColumn);
    void placeControls();
    void paintCorner();
    void storeTitle();

    void onTestClicked();
    void startTest();
    // The player stopped the test, or the card changed under it.
    void stopTest(const QString& why);
    void showTestFigures(const CardTest& figures);
    void testEnded(const CardTestOutcome& outcome);
    void showResultLines(bool shown);
    void setTesting(bool testing);

    StrategyCard& card_;
    const HouseRules rules_;
    SimulationPlan testPlan_;
    FiguresJob job_;
    bool testing_ = false;
    int64_t testedDeals_ = 0;      // deals in the figures shown
    QElapsedTimer testClock_;      // how long the test took, for the player
    QString shownTitle_;           // the title as the field first showed it
    QTableWidget* grid_;           // StringGrid1
    QLineEdit* title_;             // Edit1
    QPushButton* save_;            // BitBtn1 "&Save"
    QPushButton* cancel_;          // BitBtn2 "&Cancel"
    QLabel* picture_;              // Image1: the corner picture's source, never shown itself
    QTimer* cornerTimer_;          // Timer1
    CardCorner* corner_;           // paints the corner picture over the grid's corner
    QWidget* testPanel_ = nullptr; // under the grid: the card test and the marks' legend
    QPushButton* test_;            // "&Test", "S&top" while a test runs
    QLabel* legend_;               // what the corner marks mean
    QProgressBar* progress_;
    QLabel* deals_;       // deals played, or how the test ended
    QLabel* cardResult_;  // the card's result per unit of initial bet
    QLabel* hintsResult_; // the hints' strategy's
    QLabel* difference_;  // the difference, in words
    bool shown_ = false;
};

} // namespace dealmoor
