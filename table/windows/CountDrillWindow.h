#pragma once
// The Count Drill window ("CountDrillForm", Options > Counting > Drills): three
// drills on a felt of their own, drawn with the table's cards.
//
// - Running count: cards turned from freshly shuffled decks, one, two or three
//   at a time, at a chosen pace; at the end, or at a random stop, the player
//   types the running count.
// - True count: a running count and a discard tray holding the cards dealt
//   from the table's shoe; the player types the true count.
// - Decks left: the tray alone; the player types the decks left.
//
// Enter starts a round and answers it; Esc stops a round (a stopped round is
// not recorded) and, between rounds, closes the window. Each round is graded
// at once and handed to `roundPlayed` for the record; the window shows, for
// the drill chosen, the rounds, the right ones, the average error, the average
// time and the best pace with no error since the window opened. The cards are
// turned by the window thread's own timer ("DrillTimer"), which stops when the
// window closes.
//
// Controls: DrillRunning, DrillTrue, DrillDecks (the drill), DrillSystem,
// DrillPace, DrillGroup, DrillDecksCount, DrillRandomStop, the felt
// (DrillTable), DrillQuestion and DrillAnswer, DrillResult, DrillFigures,
// StartDrill "&Start", HelpDrill "&Help" (also F1), CloseDrill "&Close".

#include "strategy/CountDrill.h"
#include "strategy/CountingRecord.h"
#include "table/SpriteSheets.h"

#include <QDialog>
#include <QElapsedTimer>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;

namespace dealmoor {

class DrillTableView;

class CountDrillWindow : public QDialog {
    Q_OBJECT
public:
    // The true count and decks left drills deal from a shoe of `shoeCards()`
    // (the table's); `system` is the one chosen first.
    CountDrillWindow(std::function<int()> shoeCards, CountingSystem system,
                     const std::string& programDir, QWidget* parent = nullptr);
    ~CountDrillWindow() override;

    // Told of every round graded, to record it.
    std::function<void(const CountingRound&)> roundPlayed;
    // Opens a help topic (the Help button, or F1).
    std::function<void(int)> helpRequested;
    // Where the rounds take their seeds; the clock's randomness unless a test sets it.
    std::function<uint32_t()> nextSeed;

    // The figures of a drill since the window opened.
    const CountingFigures& figures(CountingDrill drill) const;
    // Whether a round is being played (cards turning, or a question waiting).
    bool playing() const { return state_ == State::Turning || state_ == State::Asking; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    enum class State { Idle, Turning, Asking, Answered };

    void createControls(const std::string& programDir);
    QWidget* createOptions();
    CountingDrill drill() const;
    CountingSystem system() const;
    Tenths pace() const;
    void onDrillChosen();
    void onStartClicked();
    void start();
    void stop();
    void startRunningCount();
    void startTray();
    void onTimer();
    void ask();
    void answer();
    void showResult(const CountingRound& round);
    void showFigures();
    void setState(State state);
    uint32_t seed();

    std::function<int()> shoeCards_;
    SpriteSheets sheets_;
    State state_ = State::Idle;
    RunningDrill run_;
    std::size_t group_ = 0; // the next group to turn
    TrayProblem tray_;
    Tenths right_ = 0;
    Tenths roundPace_ = 0; // the pace the round's cards were turned at
    QElapsedTimer clock_;
    std::array<CountingFigures, CountingDrills.size()> figures_{};

    std::array<QRadioButton*, 3> drills_{};
    QComboBox* system_ = nullptr;
    QDoubleSpinBox* pace_ = nullptr;
    QSpinBox* groupSize_ = nullptr;
    QSpinBox* decks_ = nullptr;
    QCheckBox* randomStop_ = nullptr;
    DrillTableView* table_ = nullptr;
    QLabel* question_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* figuresLine_ = nullptr;
    QPushButton* start_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace dealmoor
